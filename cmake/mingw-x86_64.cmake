# Cross-compiles the suite to 64-bit Windows with MinGW-w64 (Debian packages):
# the test build where Wine cannot run 32-bit code (tools/windows-target.sh).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_prefix x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
