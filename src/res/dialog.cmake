# Dialog templates, strings and ids (hexcribe_res), and the icon files.
set(res_sources dialog_templates.cpp language_choice.cpp language_layout.cpp localized_dialogs.cpp
  translation_template.cpp translations.cpp)
list(TRANSFORM res_sources PREPEND "${CMAKE_CURRENT_LIST_DIR}/")
add_library(hexcribe_res STATIC ${res_sources} "${HEXCRIBE_TRANSLATION_TABLES}" "${CMAKE_CURRENT_LIST_DIR}/rc_writer.cpp")
target_link_libraries(hexcribe_res PUBLIC hexcribe_core hexcribe_version_data)
hexcribe_set_warnings(hexcribe_res)

# The icon in every size a desktop asks for (and as a Windows icon file and an SVG),
# for the front ends and the desktop integration.
set(HEXCRIBE_ICON_DIR "${CMAKE_CURRENT_LIST_DIR}/icon" CACHE INTERNAL "Folder of the program icon files")
set(HEXCRIBE_ICON_SIZES 16 24 32 48 64 128 256 CACHE INTERNAL "Pixel sizes of the program icon's PNG files")
set(pngs "")
foreach(size IN LISTS HEXCRIBE_ICON_SIZES)
  list(APPEND pngs "${HEXCRIBE_ICON_DIR}/hexcribe-${size}.png")
endforeach()
set(HEXCRIBE_ICON_PNGS "${pngs}" CACHE INTERNAL "The program icon's PNG files")

# The dialogs, their initial list items and the string table as a Windows resource script,
# <build>/generated/res/dialogs.rc, written from the tables above by a small native program that
# is built and run here (a cross build uses the build machine's own compiler for it).
execute_process(COMMAND python3 "${HEXCRIBE_PO_DIR}/compile_translations.py" "${HEXCRIBE_PO_DIR}" "${HEXCRIBE_TRANSLATION_TABLES}")
set(dialog_rc_tool_sources
  "${CMAKE_CURRENT_LIST_DIR}/dialog_rc_tool.cpp" "${CMAKE_CURRENT_LIST_DIR}/rc_writer.cpp" ${res_sources} "${HEXCRIBE_TRANSLATION_TABLES}"
  "${PROJECT_SOURCE_DIR}/src/core/utf8_text.cpp")
set(dialog_rc_tool_headers
  "${CMAKE_CURRENT_LIST_DIR}/rc_writer.h" "${CMAKE_CURRENT_LIST_DIR}/dialog_templates.h"
  "${CMAKE_CURRENT_LIST_DIR}/resource.h" "${CMAKE_CURRENT_LIST_DIR}/window_styles.h"
  "${CMAKE_CURRENT_LIST_DIR}/version_info.h.in" "${PROJECT_SOURCE_DIR}/src/core/utf8_text.h")
if(CMAKE_CROSSCOMPILING)
  find_program(HEXCRIBE_HOST_CXX NAMES g++ c++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
else()
  set(HEXCRIBE_HOST_CXX "${CMAKE_CXX_COMPILER}")
endif()
set(dialog_rc_tool "${PROJECT_BINARY_DIR}/dialog_rc_tool")
execute_process(
  COMMAND "${HEXCRIBE_HOST_CXX}" -std=c++20 "-I${PROJECT_SOURCE_DIR}/src" "-I${HEXCRIBE_GENERATED_DIR}"
          ${dialog_rc_tool_sources} -o "${dialog_rc_tool}"
  RESULT_VARIABLE tool_built ERROR_VARIABLE tool_errors)
if(NOT tool_built EQUAL 0)
  message(FATAL_ERROR "building the dialog resource writer failed:\n${tool_errors}")
endif()
set(HEXCRIBE_DIALOGS_RC "${HEXCRIBE_GENERATED_DIR}/res/dialogs.rc" CACHE INTERNAL "Generated dialog resources")
execute_process(COMMAND "${dialog_rc_tool}" "${HEXCRIBE_DIALOGS_RC}.new" RESULT_VARIABLE rc_written)
if(NOT rc_written EQUAL 0)
  message(FATAL_ERROR "writing ${HEXCRIBE_DIALOGS_RC} failed")
endif()
file(COPY_FILE "${HEXCRIBE_DIALOGS_RC}.new" "${HEXCRIBE_DIALOGS_RC}" ONLY_IF_DIFFERENT)
file(REMOVE "${HEXCRIBE_DIALOGS_RC}.new")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dialog_rc_tool_sources} ${dialog_rc_tool_headers})

# The gettext template's entries for the dialogs' texts (src/res/po/update_translations.py).
if(NOT CMAKE_CROSSCOMPILING)
  add_executable(hexcribe_translation_template_tool "${CMAKE_CURRENT_LIST_DIR}/translation_template_tool.cpp")
  target_link_libraries(hexcribe_translation_template_tool PRIVATE hexcribe_res)
  hexcribe_set_warnings(hexcribe_translation_template_tool)
endif()
