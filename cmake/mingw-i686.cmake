# Cross-compiles the suite to 32-bit Windows with MinGW-w64 (Debian packages).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(_prefix i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
