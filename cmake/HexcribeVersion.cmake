# The version data of every Hexcribe executable, generated from the one version source,
# project(VERSION) in the top CMakeLists.txt:
#   <build>/generated/res/version.rc      Windows VERSIONINFO, included by the Windows front end's .rc
#   <build>/generated/res/version_info.h  the same data as C++ constants; Linux executables embed it
#                                         through hexcribe_embed_version() (below)
# Target hexcribe_version_data puts <build>/generated on the include path ("res/version.rc").

# The templates src/res/version.rc.in and version_info.h.in filled in; a function, so that its
# many variables stay its own.
function(hexcribe_write_version_data)
  set(HEXCRIBE_PRODUCT_NAME "Hexcribe")
  set(HEXCRIBE_ORIGINAL_FILENAME "Hexcribe.EXE")
  # The string tables, each a language and code page key with the same strings: U.S. English, and
  # Korean, which a reader of the version tries first. Both Unicode (code page 1200).
  set(HEXCRIBE_VERSION_LANGUAGES "040904b0" "041204B0")
  set(HEXCRIBE_VERSION_TRANSLATIONS "0x0409, 1200" "0x0412, 1200")
  set(HEXCRIBE_VERSION_FLAGS_MASK "0x3F")
  set(HEXCRIBE_VERSION_FLAGS "0x0")
  set(HEXCRIBE_VERSION_OS "0x4")       # 32-bit Windows
  set(HEXCRIBE_VERSION_TYPE "0x1")     # application
  set(HEXCRIBE_VERSION_SUBTYPE "0x0")

  set(version_numbers "${PROJECT_VERSION_MAJOR}" "${PROJECT_VERSION_MINOR}" "${PROJECT_VERSION_PATCH}"
                      "${PROJECT_VERSION_TWEAK}")
  set(numbers "")
  foreach(n IN LISTS version_numbers)
    if(n STREQUAL "")
      set(n 0)
    endif()
    if(n GREATER 65535)
      message(FATAL_ERROR "version component ${n} does not fit a 16-bit version field")
    endif()
    list(APPEND numbers "${n}")
  endforeach()
  list(GET numbers 0 major)
  list(GET numbers 1 minor)
  set(HEXCRIBE_VERSION_MAJOR_MINOR "${major}.${minor}")    # 1.0, in the About box's version line
  list(JOIN numbers "," HEXCRIBE_VERSION_RC_NUMBERS)        # 1,0,0,1
  list(JOIN numbers ", " HEXCRIBE_VERSION_TEXT)             # "1, 0, 0, 1"
  list(JOIN numbers ", " HEXCRIBE_VERSION_CXX_NUMBERS)

  # The string table, name=value in resource order. Values are plain text: no quotes, no backslashes.
  set(version_strings
    "Comments="
    "CompanyName="
    "FileDescription=${HEXCRIBE_PRODUCT_NAME}"
    "FileVersion=${HEXCRIBE_VERSION_TEXT}"
    "InternalName=${HEXCRIBE_PRODUCT_NAME}"
    "LegalTrademarks="
    "OriginalFilename=${HEXCRIBE_ORIGINAL_FILENAME}"
    "PrivateBuild="
    "ProductName=${HEXCRIBE_PRODUCT_NAME}"
    "ProductVersion=${HEXCRIBE_VERSION_TEXT}"
    "SpecialBuild=")
  set(rc_values "")
  set(HEXCRIBE_CXX_VERSION_STRINGS "")
  foreach(entry IN LISTS version_strings)
    string(FIND "${entry}" "=" eq)
    string(SUBSTRING "${entry}" 0 ${eq} name)
    math(EXPR value_start "${eq} + 1")
    string(SUBSTRING "${entry}" ${value_start} -1 value)
    if(value MATCHES "[\"\\\\]")
      message(FATAL_ERROR "version string ${name} holds a quote or backslash")
    endif()
    string(APPEND rc_values "            VALUE \"${name}\", \"${value}\"\n")
    string(APPEND HEXCRIBE_CXX_VERSION_STRINGS "    {u\"${name}\", u\"${value}\"},\n")
  endforeach()
  set(HEXCRIBE_RC_VERSION_TABLES "")
  set(HEXCRIBE_CXX_VERSION_LANGUAGES "")
  foreach(language IN LISTS HEXCRIBE_VERSION_LANGUAGES)
    string(APPEND HEXCRIBE_RC_VERSION_TABLES "        BLOCK \"${language}\"\n        BEGIN\n${rc_values}        END\n")
    string(APPEND HEXCRIBE_CXX_VERSION_LANGUAGES "u\"${language}\", ")
  endforeach()
  list(JOIN HEXCRIBE_VERSION_TRANSLATIONS ", " HEXCRIBE_RC_VERSION_TRANSLATIONS)
  set(HEXCRIBE_CXX_VERSION_TRANSLATIONS "")
  foreach(translation IN LISTS HEXCRIBE_VERSION_TRANSLATIONS)
    string(APPEND HEXCRIBE_CXX_VERSION_TRANSLATIONS "{${translation}}, ")
  endforeach()

  configure_file("${PROJECT_SOURCE_DIR}/src/res/version.rc.in" "${HEXCRIBE_GENERATED_DIR}/res/version.rc" @ONLY)
  configure_file("${PROJECT_SOURCE_DIR}/src/res/version_info.h.in" "${HEXCRIBE_GENERATED_DIR}/res/version_info.h" @ONLY)
endfunction()
hexcribe_write_version_data()
set(HEXCRIBE_VERSION_RC "${HEXCRIBE_GENERATED_DIR}/res/version.rc" CACHE INTERNAL "Generated VERSIONINFO fragment")

add_library(hexcribe_version_data INTERFACE)
target_include_directories(hexcribe_version_data INTERFACE "${HEXCRIBE_GENERATED_DIR}")
target_link_libraries(hexcribe_version_data INTERFACE hexcribe_includes)

# hexcribe_embed_version(target): gives an executable the product's version data, generated
# from project(VERSION) above.
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
