# SPDX-License-Identifier: MIT
# Cross-building for 64-bit Windows with Debian's mingw-w64, and running the
# results under wine. Used by `make test-windows`.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# The posix flavour: std::thread and friends on the standard library.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The compiler's own runtime goes into each executable, so that it starts
# with nothing beside it, as it would on a Windows machine without mingw.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
find_program(ZEMBRA_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ZEMBRA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEMBRA_WINE})
endif()
