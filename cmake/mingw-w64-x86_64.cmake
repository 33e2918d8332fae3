# Builds for 64-bit Windows with Debian's MinGW-w64 compilers (the POSIX
# thread model, which GoogleTest needs), and runs what it builds under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# A Qt for Windows, where one is used, is given in CMAKE_FIND_ROOT_PATH too.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No link time in the programs and libraries: the same sources give the
# same files whenever they are built. The compiler's runtime is linked in
# where a program runs alone (the windows preset's -static) and shipped
# beside the game where it runs with Qt's libraries, which use it too.
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
endforeach()

# Wine in a prefix of the build's own, made at its first start, quiet, and
# without the .NET and browser engines it would offer to download.
find_program(CROQUEL_WINE64 NAMES wine64 wine PATHS /usr/lib/wine)
if(NOT CROQUEL_WINE64)
    message(FATAL_ERROR "Wine runs what this build makes, and it is not installed (Debian package wine64)")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
                                  WINEDLLOVERRIDES=mscoree,mshtml= ${CROQUEL_WINE64})
