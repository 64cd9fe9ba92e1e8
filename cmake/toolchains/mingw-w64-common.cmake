# Shared part of the MinGW-w64 tool chains: the posix-thread-model compilers of one target, a fully
# static runtime, and a search root that holds the Windows builds of the dependencies that
# tools/build-windows.sh made. Included by mingw-w64-<target>.cmake after it has set
# QUORVANE_WINDOWS_TARGET (i686 or x86_64) and CMAKE_SYSTEM_PROCESSOR.
#
# The dependencies live in a cache outside the build tree:
#   $QUORVANE_WINDOWS_CACHE, else $XDG_CACHE_HOME/quorvane/windows, else ~/.cache/quorvane/windows
# The script writes <cache>/<target>/prefixes.cmake, which lists the install prefix of every pinned
# dependency; each of them becomes a search root, so find_package(PCRE2), find_package(CURL) and
# find_package(GTest) find the Windows builds and never the Linux ones in /usr; pkg-config sees
# only their .pc files too.

set(CMAKE_SYSTEM_NAME Windows)
set(QUORVANE_MINGW_TRIPLE ${QUORVANE_WINDOWS_TARGET}-w64-mingw32)

# The win32 thread model has no std::thread, std::mutex or std::condition_variable.
set(CMAKE_C_COMPILER ${QUORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVANE_MINGW_TRIPLE}-g++-posix)
# CMake cannot derive the binutils' prefix from a compiler name that ends in -posix, and would take
# the build machine's ar and strip.
set(CMAKE_RC_COMPILER ${QUORVANE_MINGW_TRIPLE}-windres)
foreach(tool AR RANLIB STRIP NM OBJCOPY OBJDUMP)
  string(TOLOWER ${tool} tool_name)
  set(CMAKE_${tool} /usr/bin/${QUORVANE_MINGW_TRIPLE}-${tool_name} CACHE FILEPATH "MinGW-w64 ${tool_name}")
endforeach()
unset(tool_name)

# One .exe (or .dll) that needs no runtime DLLs beside it: libgcc, libstdc++ and winpthreads
# are linked in, so the program imports only system DLLs.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endforeach()

if(DEFINED ENV{QUORVANE_WINDOWS_CACHE} AND NOT "$ENV{QUORVANE_WINDOWS_CACHE}" STREQUAL "")
  set(QUORVANE_WINDOWS_CACHE "$ENV{QUORVANE_WINDOWS_CACHE}")
elseif(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
  set(QUORVANE_WINDOWS_CACHE "$ENV{XDG_CACHE_HOME}/quorvane/windows")
else()
  set(QUORVANE_WINDOWS_CACHE "$ENV{HOME}/.cache/quorvane/windows")
endif()

set(QUORVANE_WINDOWS_PREFIXES)
set(prefixes_file "${QUORVANE_WINDOWS_CACHE}/${QUORVANE_WINDOWS_TARGET}/prefixes.cmake")
if(EXISTS "${prefixes_file}")
  include("${prefixes_file}")
endif()
unset(prefixes_file)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVANE_MINGW_TRIPLE} ${QUORVANE_WINDOWS_PREFIXES})
# Programs run on the build machine; libraries, headers and packages come only from the roots.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# FindPkgConfig runs the build machine's pkg-config: point it at the roots' .pc files alone, so that
# pkg_check_modules() finds the Windows builds or nothing, never a Linux library.
set(pkg_config_directories)
foreach(root IN LISTS CMAKE_FIND_ROOT_PATH)
  list(APPEND pkg_config_directories "${root}/lib/pkgconfig" "${root}/share/pkgconfig")
endforeach()
list(JOIN pkg_config_directories ":" pkg_config_directories)
set(ENV{PKG_CONFIG_LIBDIR} "${pkg_config_directories}")
set(ENV{PKG_CONFIG_PATH} "")
unset(ENV{PKG_CONFIG_SYSROOT_DIR})
unset(pkg_config_directories)
