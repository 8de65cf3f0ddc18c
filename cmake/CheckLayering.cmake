# Holds the layer table: fails when a source under SOURCE_DIR (src) or TOOLS_DIR (tools, the build's
# generators) includes a header of a folder its own folder may not use, when a Qt or Windows header
# is included outside the folders of that toolkit, when SOURCE_DIR holds a Python script or an
# image (src holds only what the programs link), or when the table itself contradicts the order of
# the layers.
# Run as: cmake -DSOURCE_DIR=<src> [-DTOOLS_DIR=<tools>] -P CheckLayering.cmake
#
# Folders are the first level below src/; below src/platform and src/app the second level counts
# (platform/qt, app/win32), and src/platform/platform.h, the one boundary, counts as platform.
# Everything under tools/ is the one folder tools, whose sources include their own headers as
# "tools/<tool>/<header>".
cmake_minimum_required(VERSION 3.25)

# The layers from the bottom up. Drawn with one box per folder under src/, the boxes stack in this
# order and every include points down (or stays inside its own box).
set(layer_order core platform "settings fonts version res" ui "app cli" tools)

# What each folder may include besides its own folder.
set(allowed_core "")
set(allowed_platform core)
set(allowed_platform/linux core platform)
set(allowed_platform/qt core platform platform/linux)
set(allowed_platform/win32 core platform)
set(allowed_settings core platform)
set(allowed_fonts core platform)
set(allowed_version core platform)
set(allowed_res core platform)
set(allowed_ui core platform settings fonts version res)
set(allowed_cli core platform version)
set(allowed_app/qt core platform platform/linux platform/qt settings fonts version res ui)
set(allowed_app/win32 core platform platform/win32 settings fonts version res ui)
# The generators read the tables the programs link; nothing in src/ includes them.
set(allowed_tools core platform version res)
set(known_folders core platform platform/linux platform/qt platform/win32 settings fonts version res ui cli app/qt
    app/win32 tools)

# Toolkit headers, and the folders that may include them.
set(qt_header_regex "<(Q[A-Za-z]+|Qt[A-Za-z]*/)")
set(qt_folders platform/qt app/qt)
set(windows_header_regex "<(windows\\.h|[a-z]+/windows|winuser\\.h|commctrl\\.h|shlobj\\.h|wingdi\\.h)")
set(windows_folders platform/win32 app/win32)

# folder_of(<out> <path below src>): the folder a file or include path belongs to, "" for none.
function(folder_of out path)
  if(path STREQUAL "platform/platform.h")
    set(${out} platform PARENT_SCOPE)
  elseif(path MATCHES "^(platform|app)/([^/]+)/")
    set(${out} "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}" PARENT_SCOPE)
  elseif(path MATCHES "^([^/]+)/")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# layer_of(<out> <folder>): the folder's position in layer_order (its first path level counts).
function(layer_of out folder)
  string(REGEX REPLACE "/.*" "" box "${folder}")
  set(rank 0)
  foreach(layer IN LISTS layer_order)
    string(REPLACE " " ";" boxes "${layer}")
    if(box IN_LIST boxes)
      set(${out} ${rank} PARENT_SCOPE)
      return()
    endif()
    math(EXPR rank "${rank} + 1")
  endforeach()
  message(FATAL_ERROR "layer table: folder ${folder} is in no layer")
endfunction()

# The table must follow the order: a folder may use only folders of lower layers, or of its own box.
foreach(folder IN LISTS known_folders)
  layer_of(from_layer "${folder}")
  string(REGEX REPLACE "/.*" "" from_box "${folder}")
  foreach(used IN LISTS allowed_${folder})
    layer_of(to_layer "${used}")
    string(REGEX REPLACE "/.*" "" to_box "${used}")
    if(NOT to_box STREQUAL from_box AND NOT to_layer LESS from_layer)
      message(FATAL_ERROR "layer table: ${folder} may not use ${used}, which is not below it")
    endif()
  endforeach()
endforeach()

# No build script or picture among the programs' sources: they belong in tools/ and packaging/.
set(offenders "")
file(GLOB_RECURSE strays RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.py" "${SOURCE_DIR}/*.png" "${SOURCE_DIR}/*.ico"
     "${SOURCE_DIR}/*.svg" "${SOURCE_DIR}/*.bmp" "${SOURCE_DIR}/*.jpg" "${SOURCE_DIR}/*.gif" "${SOURCE_DIR}/*.xpm")
foreach(rel IN LISTS strays)
  list(APPEND offenders "${rel}: a script or image has no place among the programs' sources")
endforeach()

# Every C++ source to check, by the name its folder is known by ("ui/main_dialog.cpp",
# "tools/dialog_rc/rc_writer.cpp"), and beside it the file's full path.
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h.in")
list(TRANSFORM sources PREPEND "${SOURCE_DIR}/" OUTPUT_VARIABLE paths)
if(DEFINED TOOLS_DIR)
  file(GLOB_RECURSE tool_sources RELATIVE "${TOOLS_DIR}" "${TOOLS_DIR}/*.h" "${TOOLS_DIR}/*.cpp")
  list(TRANSFORM tool_sources PREPEND "${TOOLS_DIR}/" OUTPUT_VARIABLE tool_paths)
  list(TRANSFORM tool_sources PREPEND "tools/")
  list(APPEND sources ${tool_sources})
  list(APPEND paths ${tool_paths})
endif()
foreach(rel path IN ZIP_LISTS sources paths)
  folder_of(from "${rel}")
  if(NOT from IN_LIST known_folders)
    list(APPEND offenders "${rel}: in no layer of the table")
    continue()
  endif()
  file(STRINGS "${path}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(target "${CMAKE_MATCH_1}")
      if(NOT target MATCHES "/")
        continue()  # a header beside the source
      endif()
      folder_of(to "${target}")
      if(NOT to STREQUAL from AND NOT to IN_LIST allowed_${from})
        list(APPEND offenders "${rel}: ${from} may not include ${target}")
      endif()
    elseif(line MATCHES "${qt_header_regex}" AND NOT from IN_LIST qt_folders)
      list(APPEND offenders "${rel}: only ${qt_folders} may include <${CMAKE_MATCH_1}>")
    elseif(line MATCHES "${windows_header_regex}" AND NOT from IN_LIST windows_folders)
      list(APPEND offenders "${rel}: only ${windows_folders} may include <${CMAKE_MATCH_1}>")
    endif()
  endforeach()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" msg "${offenders}")
  message(FATAL_ERROR "Against the layer table:\n${msg}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources include only what their layer may use")
