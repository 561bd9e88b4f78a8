# Cross-build for 32-bit Windows with mingw-w64: the stub, and the tests where Wine runs 32-bit
# programs.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Test programs run under Wine through CTest.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
