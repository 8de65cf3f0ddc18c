# hexcribe_embed_version(target): gives an executable the product's version data.
# Linux: compiles src/res/version_section.cpp into the target, which places the version block
# (generated from project(VERSION)) in the executable's ".hexcribe_version" ELF section.
# Windows: nothing to add; the front end's .rc includes the generated "res/version.rc".
function(hexcribe_embed_version target)
  if(WIN32)
    return()
  endif()
  target_sources(${target} PRIVATE "${PROJECT_SOURCE_DIR}/src/res/version_section.cpp")
  target_link_libraries(${target} PRIVATE hexcribe_version_data)
endfunction()
