# The Unicode data tables: generated at build time from the Unicode Character Database (Debian's
# unicode-data package, or the folder HEXCRIBE_UCD_DIR names) into generated/core/unicode_tables.cpp,
# which hexcribe_core compiles. Both systems' builds use the same generator and data.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(HEXCRIBE_UCD_DIR "/usr/share/unicode" CACHE PATH "Folder of the Unicode Character Database files")
set(_ucd_files UnicodeData.txt DerivedNormalizationProps.txt NameAliases.txt Jamo.txt CompositionExclusions.txt)
list(TRANSFORM _ucd_files PREPEND "${HEXCRIBE_UCD_DIR}/" OUTPUT_VARIABLE _ucd_paths)
foreach(path IN LISTS _ucd_paths)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "${path} is missing: install the package unicode-data (scripts/install-deps.sh), "
                        "or set HEXCRIBE_UCD_DIR to a folder of the Unicode Character Database")
  endif()
endforeach()

set(HEXCRIBE_UNICODE_TABLES "${PROJECT_BINARY_DIR}/generated/core/unicode_tables.cpp")
add_custom_command(OUTPUT "${HEXCRIBE_UNICODE_TABLES}"
  COMMAND "${Python3_EXECUTABLE}" "${CMAKE_CURRENT_LIST_DIR}/make_unicode_tables.py" "${HEXCRIBE_UCD_DIR}"
          "${HEXCRIBE_UNICODE_TABLES}"
  DEPENDS "${CMAKE_CURRENT_LIST_DIR}/make_unicode_tables.py" ${_ucd_paths}
  COMMENT "Generating the Unicode tables from ${HEXCRIBE_UCD_DIR}"
  VERBATIM)
add_custom_target(hexcribe_unicode_tables DEPENDS "${HEXCRIBE_UNICODE_TABLES}")
