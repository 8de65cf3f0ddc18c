# Dialog templates, strings and ids (hexcribe_res), and the icon files.
add_library(hexcribe_res STATIC "${CMAKE_CURRENT_LIST_DIR}/dialog_templates.cpp" "${CMAKE_CURRENT_LIST_DIR}/rc_writer.cpp"
  "${CMAKE_CURRENT_LIST_DIR}/accessible_name.cpp")
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
set(dialog_rc_tool_sources
  "${CMAKE_CURRENT_LIST_DIR}/dialog_rc_tool.cpp" "${CMAKE_CURRENT_LIST_DIR}/rc_writer.cpp"
  "${CMAKE_CURRENT_LIST_DIR}/dialog_templates.cpp" "${PROJECT_SOURCE_DIR}/src/core/utf8_text.cpp")
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
