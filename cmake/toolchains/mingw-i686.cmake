# Cross toolchain for 32-bit Windows (the deployment target: the vendor's
# client library is a 32-bit DLL).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLET i686-w64-mingw32)
set(MINGW_PACKAGE_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
