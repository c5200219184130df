# Removes every file that the last `cmake --install` of a build folder put
# there, as that install listed them in the folder's install_manifest.txt: the
# `uninstall` target (cmake/Install.cmake). Folders stay, even empty ones: a
# prefix such as ~/.local holds other programs' files too, and the install
# does not list the folders that it made.
#
# cmake -DMANIFEST=<build>/install_manifest.txt -P Uninstall.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: no install from this build folder is recorded "
                      "(${MANIFEST} does not exist; cmake --install writes it).")
endif()

file(STRINGS "${MANIFEST}" installed)
set(left "")
foreach(file IN LISTS installed)
  if(IS_SYMLINK "${file}" OR EXISTS "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
    if(IS_SYMLINK "${file}" OR EXISTS "${file}")
      list(APPEND left "${file}")
    endif()
  else()
    message(STATUS "Already gone: ${file}")
  endif()
endforeach()
# A file that stays would pass for part of an installed tool: say which.
if(left)
  list(JOIN left "\n  " shown)
  message(FATAL_ERROR "Could not remove these installed files:\n  ${shown}")
endif()
