# Cross-compiling for 64-bit Windows with MinGW-w64 (Debian's
# g++-mingw-w64-x86-64-posix, the variant with std::thread), running the
# programs it builds under Wine:
#
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake -DPLUVIK_CALC_ONLY=ON
#
# `make test-windows` does this and runs the calculation tests.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Libraries and headers of the target only; programs of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime (libgcc, libstdc++, winpthread) linked into each
# program, so that a program needs no DLL beside it, neither under Wine nor
# on a Windows machine.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Programs built here (the tests, listed when CTest starts) run under Wine
# (cmake/wine_tests.cmake).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
