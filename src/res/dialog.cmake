# Dialog templates, strings and ids (hexcribe_res), and the icon files.
set(res_sources accessible_name.cpp dialog_templates.cpp language_choice.cpp language_layout.cpp
  localized_dialogs.cpp translation_template.cpp translations.cpp)
list(TRANSFORM res_sources PREPEND "${CMAKE_CURRENT_LIST_DIR}/")
add_library(hexcribe_res STATIC ${res_sources} "${HEXCRIBE_TRANSLATION_TABLES}")
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

# The resource writer, a program of the build machine: it writes the tables above as a Windows
# resource script. A native build builds it like any other program; a cross build cannot run what
# it compiles, so it builds this same source tree once more for the build machine (no toolkit, no
# tests) and imports the writer from there.
if(NOT CMAKE_CROSSCOMPILING)
  add_executable(hexcribe_dialog_rc_tool "${CMAKE_CURRENT_LIST_DIR}/dialog_rc_tool.cpp"
                                         "${CMAKE_CURRENT_LIST_DIR}/rc_writer.cpp")
  target_link_libraries(hexcribe_dialog_rc_tool PRIVATE hexcribe_res)
  hexcribe_set_warnings(hexcribe_dialog_rc_tool)
else()
  include(ExternalProject)
  set(host_build "${PROJECT_BINARY_DIR}/host-tools")
  set(host_tool "${host_build}/src/res/hexcribe_dialog_rc_tool")
  ExternalProject_Add(hexcribe_host_tools
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${host_build}"
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DHEXCRIBE_FRONTEND=none -DHEXCRIBE_BUILD_TESTS=OFF
    BUILD_COMMAND "${CMAKE_COMMAND}" --build <BINARY_DIR> --target hexcribe_dialog_rc_tool
    # The host build decides itself what is out of date, so it is asked every time.
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS "${host_tool}"
    INSTALL_COMMAND "")
  add_executable(hexcribe_dialog_rc_tool IMPORTED GLOBAL)
  set_target_properties(hexcribe_dialog_rc_tool PROPERTIES IMPORTED_LOCATION "${host_tool}")
  add_dependencies(hexcribe_dialog_rc_tool hexcribe_host_tools)
endif()

# <build>/generated/res/dialogs.rc: the dialogs, their initial list items and the string table.
set(HEXCRIBE_DIALOGS_RC "${HEXCRIBE_GENERATED_DIR}/res/dialogs.rc" CACHE INTERNAL "Generated dialog resources")
add_custom_command(OUTPUT "${HEXCRIBE_DIALOGS_RC}"
  COMMAND hexcribe_dialog_rc_tool "${HEXCRIBE_DIALOGS_RC}"
  DEPENDS hexcribe_dialog_rc_tool
  COMMENT "Writing the dialog resources generated/res/dialogs.rc"
  VERBATIM)
# Programs that compile the script depend on this target (hexcribe_add_win32_resources).
add_custom_target(hexcribe_dialogs_rc ALL DEPENDS "${HEXCRIBE_DIALOGS_RC}")

# The gettext template's entries for the dialogs' texts (src/res/po/update_translations.py).
if(NOT CMAKE_CROSSCOMPILING)
  add_executable(hexcribe_translation_template_tool "${CMAKE_CURRENT_LIST_DIR}/translation_template_tool.cpp")
  target_link_libraries(hexcribe_translation_template_tool PRIVATE hexcribe_res)
  hexcribe_set_warnings(hexcribe_translation_template_tool)
endif()
