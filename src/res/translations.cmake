# The translations: the PO files of the languages in po/LINGUAS, compiled by the build into C++
# tables (generated/res/translation_tables.cpp, part of hexcribe_res) that both front ends and the
# Windows resource writer read. Checks of the PO files are registered by tests/translations.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(HEXCRIBE_PYTHON "${Python3_EXECUTABLE}" CACHE INTERNAL "Python for the build's generators and checks")

set(HEXCRIBE_PO_DIR "${CMAKE_CURRENT_LIST_DIR}/po" CACHE INTERNAL "Translations (PO files and LINGUAS)")
file(STRINGS "${HEXCRIBE_PO_DIR}/LINGUAS" linguas_lines REGEX "^[^#]")
set(HEXCRIBE_LANGUAGES "")
foreach(line IN LISTS linguas_lines)
  string(REGEX MATCHALL "[^ \t]+" codes "${line}")
  list(APPEND HEXCRIBE_LANGUAGES ${codes})
endforeach()
set(HEXCRIBE_LANGUAGES "${HEXCRIBE_LANGUAGES}" CACHE INTERNAL "Codes of the translations")
set(HEXCRIBE_PO_FILES "")
foreach(code IN LISTS HEXCRIBE_LANGUAGES)
  list(APPEND HEXCRIBE_PO_FILES "${HEXCRIBE_PO_DIR}/${code}.po")
endforeach()
set(HEXCRIBE_PO_FILES "${HEXCRIBE_PO_FILES}" CACHE INTERNAL "PO files of the translations")
# A language added to LINGUAS is seen at the next build.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${HEXCRIBE_PO_DIR}/LINGUAS")

set(HEXCRIBE_TRANSLATION_TABLES "${HEXCRIBE_GENERATED_DIR}/res/translation_tables.cpp")
add_custom_command(OUTPUT "${HEXCRIBE_TRANSLATION_TABLES}"
  COMMAND "${HEXCRIBE_PYTHON}" "${HEXCRIBE_PO_DIR}/compile_translations.py" "${HEXCRIBE_PO_DIR}"
          "${HEXCRIBE_TRANSLATION_TABLES}"
  DEPENDS "${HEXCRIBE_PO_DIR}/compile_translations.py" "${HEXCRIBE_PO_DIR}/LINGUAS" ${HEXCRIBE_PO_FILES}
  COMMENT "Compiling the translations into generated/res/translation_tables.cpp"
  VERBATIM)
