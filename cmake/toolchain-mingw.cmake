# MinGW-w64 cross compilation (posix thread model) for the target KOVA_ARCH, set by
# toolchain-x86_64.cmake or toolchain-i686.cmake before they include this file.
# Third-party static libraries come from scripts/setup.sh, which links
# .cache/deps to its cache; -DKOVA_DEPS_PREFIX=<dir> points elsewhere.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KOVA_ARCH})

set(_kova_triple ${KOVA_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${_kova_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_kova_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_kova_triple}-windres)

get_filename_component(_kova_default_deps
  "${CMAKE_CURRENT_LIST_DIR}/../.cache/deps/${KOVA_ARCH}" ABSOLUTE)
set(KOVA_DEPS_PREFIX "${_kova_default_deps}" CACHE PATH
  "Prefix holding the static third-party libraries for ${KOVA_ARCH}")

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
