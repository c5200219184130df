# Cross toolchain for 64-bit Windows, against a 64-bit build of the client
# library (our simulator; the vendor's DLL is 32-bit only).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(MINGW_PACKAGE_ARCH x86-64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
