# Shared part of the MinGW-w64 cross toolchains. The including file sets
# MINGW_TRIPLET (i686-w64-mingw32 or x86_64-w64-mingw32) and
# CMAKE_SYSTEM_PROCESSOR first.
#
# The "-posix" compiler variants are used on purpose: their libstdc++ has the
# full <thread>/<mutex> support. The C and C++ runtimes, winpthread included,
# are linked statically so that inkstamp.exe needs no DLL but the fax client
# library and the system's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)

foreach(variant posix "")
  if(variant)
    set(suffix "-${variant}")
  else()
    set(suffix "")
  endif()
  find_program(mingw_cc NAMES ${MINGW_TRIPLET}-gcc${suffix})
  find_program(mingw_cxx NAMES ${MINGW_TRIPLET}-g++${suffix})
  if(mingw_cc AND mingw_cxx)
    break()
  endif()
  unset(mingw_cc CACHE)
  unset(mingw_cxx CACHE)
endforeach()
if(NOT mingw_cc OR NOT mingw_cxx)
  message(FATAL_ERROR "The MinGW-w64 compilers for ${MINGW_TRIPLET} are not installed "
                      "(Debian: g++-mingw-w64-${MINGW_PACKAGE_ARCH}).")
endif()
set(CMAKE_C_COMPILER ${mingw_cc})
set(CMAKE_CXX_COMPILER ${mingw_cxx})
find_program(CMAKE_RC_COMPILER NAMES ${MINGW_TRIPLET}-windres)
find_program(CMAKE_DLLTOOL NAMES ${MINGW_TRIPLET}-dlltool REQUIRED)
find_program(CMAKE_OBJDUMP NAMES ${MINGW_TRIPLET}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
