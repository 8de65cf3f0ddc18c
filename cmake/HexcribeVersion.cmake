# hexcribe_embed_version(target): gives an executable the product's version data, generated
# from project(VERSION) by src/res/version.cmake.
# Linux: compiles src/res/version_section.cpp into the target, which places the version block in
# the executable's ".hexcribe_version" ELF section.
# Windows: adds src/res/version_resource.rc, the VERSIONINFO resource. A program whose own .rc
# already has #include "res/version.rc" must not call this too (two VERSIONINFO resources).
function(hexcribe_embed_version target)
  if(WIN32)
    target_sources(${target} PRIVATE "${PROJECT_SOURCE_DIR}/src/res/version_resource.rc")
  else()
    target_sources(${target} PRIVATE "${PROJECT_SOURCE_DIR}/src/res/version_section.cpp")
  endif()
  target_link_libraries(${target} PRIVATE hexcribe_version_data)
endfunction()
