# Cross-compiling for 32-bit Windows with MinGW-w64 (posix thread model).
#   cmake -S . -B build/i686 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686.cmake
# Third-party static libraries come from scripts/setup.sh, which links
# .cache/deps to its cache; -DKOVA_DEPS_PREFIX=<dir> points elsewhere.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(_kova_triple i686-w64-mingw32)
set(CMAKE_C_COMPILER ${_kova_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_kova_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_kova_triple}-windres)

get_filename_component(_kova_default_deps
  "${CMAKE_CURRENT_LIST_DIR}/../.cache/deps/i686" ABSOLUTE)
set(KOVA_DEPS_PREFIX "${_kova_default_deps}" CACHE PATH
  "Prefix holding the static third-party libraries for i686")

# try_compile() projects read this file again; hand them the same prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KOVA_DEPS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${_kova_triple} "${KOVA_DEPS_PREFIX}")
list(FIND CMAKE_PREFIX_PATH "${KOVA_DEPS_PREFIX}" _kova_at)
if(_kova_at EQUAL -1)
  list(APPEND CMAKE_PREFIX_PATH "${KOVA_DEPS_PREFIX}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
