# Cross-build for 64-bit Windows with mingw-w64 (posix thread model). Used for the unit tests where
# the machine cannot run Wine's 32-bit loader natively; the stub itself is always 32-bit.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run under Wine's 64-bit loader, which needs no 32-bit support from the kernel.
find_program(WINE64_LOADER wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(WINE64_LOADER wine64)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE64_LOADER})
