# Cross-compiles Hexcribe for 64-bit ARM Linux with Debian's cross compiler against the arm64
# libraries installed beside the build machine's own (multiarch: qt6-base-dev:arm64 and friends);
# Qt's code generators (moc, uic, rcc) are the build machine's. CTest runs the programs under qemu.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(HEXCRIBE_CROSS_TRIPLE aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${HEXCRIBE_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${HEXCRIBE_CROSS_TRIPLE}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${HEXCRIBE_CROSS_TRIPLE})

# Libraries, headers and CMake packages of the arm64 architecture only: never the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${HEXCRIBE_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${HEXCRIBE_CROSS_TRIPLE}/pkgconfig:/usr/share/pkgconfig)
# Qt's tools run on the build machine.
set(QT_HOST_PATH /usr)

# Every test program runs under the user-mode emulator, which finds the arm64 loader and
# libraries where multiarch put them (-L /). The programs sign their return addresses
# (-mbranch-protection): the emulated processor checks the signatures with its own cheap algorithm
# (pauth-impdef) rather than the architecture's cipher, which emulated makes every call ten times
# slower.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static -cpu max,pauth-impdef=on -L /)
