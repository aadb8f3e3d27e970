# Cross build for 64-bit Windows, used only to run the tests on machines that cannot execute
# 32-bit code (and so cannot run 32-bit Wine). The product itself is the 32-bit build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
