# Dialog templates, strings and ids (hexcribe_res), and the icon files.
add_library(hexcribe_res STATIC "${CMAKE_CURRENT_LIST_DIR}/dialog_templates.cpp")
target_include_directories(hexcribe_res PUBLIC "${PROJECT_SOURCE_DIR}/src")
hexcribe_set_warnings(hexcribe_res)

# The icon in its two sizes (and as a Windows icon file), for the front ends and the desktop integration.
set(HEXCRIBE_ICON_DIR "${CMAKE_CURRENT_LIST_DIR}/icon" CACHE INTERNAL "Folder of the program icon files")
