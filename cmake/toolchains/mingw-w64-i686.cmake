# Cross-compiles for 32-bit Windows with MinGW-w64: the build that users run, since it must load
# their 32-bit start-up library. This machine cannot run 32-bit code, natively or under Wine, so
# there is no emulator: the programs build and link here and run on a 32-bit capable Windows.
#
# Example:
#   cmake -S . -B build/windows-i686 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUORVANE_WINDOWS_TARGET i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
