# Cross-build for 64-bit Windows with mingw-w64. Used for the unit tests where the machine cannot
# run Wine's 32-bit loader natively; the stub itself is always 32-bit.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Test programs run under Wine's 64-bit loader, which needs no 32-bit support from the kernel.
find_program(WINE64_LOADER wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(WINE64_LOADER wine64)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE64_LOADER})
