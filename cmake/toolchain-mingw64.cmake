# Cross-compiles Hexcribe for 64-bit Windows with mingw-w64; CTest runs the programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HEXCRIBE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HEXCRIBE_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${HEXCRIBE_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${HEXCRIBE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HEXCRIBE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Unicode build of every Windows API call (the W functions, wide TCHAR).
set(CMAKE_C_FLAGS_INIT "-DUNICODE -D_UNICODE")
set(CMAKE_CXX_FLAGS_INIT "-DUNICODE -D_UNICODE")
# Static runtime: the programs need nothing but the system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Every test program runs under Wine in Hexcribe's own quiet prefix, under a hard time limit.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh")
