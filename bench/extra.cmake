# Further benchmark programs, one .cmake file each.
include("${CMAKE_CURRENT_LIST_DIR}/fonts.cmake")
