# Dialog templates, strings and ids (hexcribe_res), and the icon files.
add_library(hexcribe_res STATIC "${CMAKE_CURRENT_LIST_DIR}/dialog_templates.cpp")
target_include_directories(hexcribe_res PUBLIC "${PROJECT_SOURCE_DIR}/src")
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
