# Windows version resources and application manifests, so that Explorer's
# Properties page and inventory tools can tell what a file is and which
# release it comes from.
#
# inkstamp_version_resource(<target> DESCRIPTION <text> ORIGINAL_NAME <file>)
#   Gives a Windows executable or DLL target a version resource: product name,
#   file description, file and product version, original file name and
#   internal name (the file name without its extension). An executable also
#   gets an application manifest: run as the invoking user, and declared
#   compatible with Windows Vista to 10/11. The active code page is left to
#   the system: the programs work in the ANSI code page. Does nothing outside
#   Windows.
#
# INKSTAMP_FILE_VERSION: the project version with four parts (1.0 is 1.0.0.0),
# the one version every resource carries.

set(inkstamp_version_parts "")
foreach(part MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND inkstamp_version_parts 0)
  else()
    list(APPEND inkstamp_version_parts ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN inkstamp_version_parts "." INKSTAMP_FILE_VERSION)
list(JOIN inkstamp_version_parts "," inkstamp_version_commas)

set(inkstamp_version_resource_dir ${CMAKE_CURRENT_LIST_DIR})

function(inkstamp_version_resource target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "DESCRIPTION;ORIGINAL_NAME" "")
  if(NOT WIN32)
    return()
  endif()
  if(NOT arg_DESCRIPTION OR NOT arg_ORIGINAL_NAME)
    message(FATAL_ERROR "inkstamp_version_resource(${target}): DESCRIPTION and ORIGINAL_NAME are required")
  endif()

  # Values for the template; a double quote in a resource string is doubled.
  set(PRODUCT_NAME "${PROJECT_NAME}")
  set(FILE_VERSION "${INKSTAMP_FILE_VERSION}")
  set(FILE_VERSION_COMMAS "${inkstamp_version_commas}")
  string(REPLACE "\"" "\"\"" FILE_DESCRIPTION "${arg_DESCRIPTION}")
  set(ORIGINAL_NAME "${arg_ORIGINAL_NAME}")
  get_filename_component(INTERNAL_NAME "${arg_ORIGINAL_NAME}" NAME_WE)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(FILE_TYPE VFT_APP)
    set(MANIFEST_LINE "1 RT_MANIFEST \"${inkstamp_version_resource_dir}/program.manifest\"")
  else()
    set(FILE_TYPE VFT_DLL)
    set(MANIFEST_LINE "")
  endif()

  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${inkstamp_version_resource_dir}/version_resource.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
               ${inkstamp_version_resource_dir}/program.manifest)
endfunction()
