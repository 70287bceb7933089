# The MinGW-w64 cross toolchain (Debian packages) for the target the including
# toolchain file names in _prefix (i686-w64-mingw32, x86_64-w64-mingw32).
set(CMAKE_SYSTEM_NAME Windows)
find_program(_cxx NAMES ${_prefix}-g++-posix ${_prefix}-g++ REQUIRED)
find_program(_cc NAMES ${_prefix}-gcc-posix ${_prefix}-gcc REQUIRED)
set(CMAKE_CXX_COMPILER ${_cxx})
set(CMAKE_C_COMPILER ${_cc})
set(CMAKE_RC_COMPILER ${_prefix}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Test programs run under Wine with code page 936.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
