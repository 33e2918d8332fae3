# Builds for 64-bit ARM Linux (Debian's arm64: the Raspberry Pi 4 and 5,
# arm64 laptops and boards) with Debian's cross compilers, against the arm64
# libraries that multiarch installs beside the machine's own, and runs what
# it builds under qemu-user. Qt's tools (moc, rcc, uic) are the machine's
# own. scripts/package --arch arm64 installs all of it.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# Libraries, CMake packages and pkg-config files are those of multiarch's
# arm64 folder, not the machine's own.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
execute_process(COMMAND dpkg-architecture -q DEB_BUILD_MULTIARCH OUTPUT_VARIABLE build_multiarch
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${build_multiarch}/cmake)

find_program(CROQUEL_QEMU_AARCH64 qemu-aarch64)
if(NOT CROQUEL_QEMU_AARCH64)
    message(FATAL_ERROR "qemu-aarch64 runs what this build makes, and it is not installed (Debian package qemu-user)")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CROQUEL_QEMU_AARCH64})
