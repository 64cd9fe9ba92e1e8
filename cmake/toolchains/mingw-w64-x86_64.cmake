# Cross-compiles for 64-bit Windows with MinGW-w64. Test programs run on this machine under Wine's
# 64-bit loader, through tools/wine-session.sh, which keeps one Wine session per prefix alive so
# that ctest does not wait on Wine's background services.
#
# Example:
#   cmake -S . -B build/windows-x86_64 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUORVANE_WINDOWS_TARGET x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# The prefix is fixed when the build tree is configured, so that ctest uses the same Wine prefix
# whatever the environment it runs in.
get_filename_component(quorvane_wine_session "${CMAKE_CURRENT_LIST_DIR}/../../tools/wine-session.sh"
                       ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env "QUORVANE_WINE_PREFIX=${QUORVANE_WINDOWS_CACHE}/wine-prefix" "${quorvane_wine_session}" run)
unset(quorvane_wine_session)
