# The manual pages. doc/<program>.1.in in the source tree is a template: the date
# and the version in each page's header come from here, configured into
# <build>/doc/<program>.1, from which the POSIX install takes the pages, and into
# <build>/doc/windows/<program>.1, the Windows flavour, from which the Windows
# archives take their HTML renderings.

# The day the manual pages were last revised, in the form that man(1) and
# mandoc parse. Change it with the pages.
set(INKSTAMP_MANUAL_DATE 2026-12-09)

set(INKSTAMP_MANUAL_DIR ${CMAKE_BINARY_DIR}/doc)
set(INKSTAMP_WINDOWS_MANUAL_DIR ${INKSTAMP_MANUAL_DIR}/windows)
# In the order in which a reader meets them: the examples' test follows them
# so, one after another.
set(inkstamp_manual_pages inkstamp faxlist faxsim)

# What the examples write in a shell's own words. The POSIX pages' examples are
# run as written by tests/docs; the Windows pages' are the same commands for
# cmd.exe, whose prompt ends in ">" and whose `set` takes no quotes.
set(inkstamp_posix_manual_words
  INKSTAMP_MANUAL_SET_STORE "export FAXSIM_STORE=$PWD/my.db"
  INKSTAMP_MANUAL_MY_STORE ".../my.db")
set(inkstamp_windows_manual_words
  INKSTAMP_MANUAL_SET_STORE "set FAXSIM_STORE=%CD%\\emy.db"
  INKSTAMP_MANUAL_MY_STORE "...\\emy.db")

# Configures `template` into `out` with the words of one flavour (a list of
# names and values); for Windows the examples' "$ " prompts become "> ".
function(inkstamp_configure_manual template out flavour)
  set(words ${inkstamp_${flavour}_manual_words})
  while(words)
    list(POP_FRONT words name value)
    set(${name} "${value}")
  endwhile()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${template}")
  file(READ "${template}" text)
  if(flavour STREQUAL "windows")
    string(REGEX REPLACE "\n\\$ " "\n> " text "${text}")
  endif()
  file(CONFIGURE OUTPUT "${out}" CONTENT "${text}" @ONLY)
endfunction()

foreach(page IN LISTS inkstamp_manual_pages)
  inkstamp_configure_manual(${PROJECT_SOURCE_DIR}/doc/${page}.1.in ${INKSTAMP_MANUAL_DIR}/${page}.1
                            posix)
  inkstamp_configure_manual(${PROJECT_SOURCE_DIR}/doc/${page}.1.in
                            ${INKSTAMP_WINDOWS_MANUAL_DIR}/${page}.1 windows)
endforeach()

# Renders each Windows page <build>/doc/windows/<page>.1 as <build>/doc/<page>.html
# at build time, with Windows line ends (the HTML is read on Windows), as the
# target `manuals_html`, which `all` builds. `out_var` receives the HTML files'
# paths.
function(inkstamp_html_manuals out_var)
  find_program(INKSTAMP_MANDOC mandoc)
  if(NOT INKSTAMP_MANDOC)
    message(FATAL_ERROR "mandoc renders the manual pages for the Windows archives: "
                        "install it (Debian package mandoc) or set INKSTAMP_MANDOC")
  endif()
  set(htmls "")
  foreach(page IN LISTS ARGN)
    set(html ${INKSTAMP_MANUAL_DIR}/${page}.html)
    set(source ${INKSTAMP_WINDOWS_MANUAL_DIR}/${page}.1)
    add_custom_command(OUTPUT ${html}
      COMMAND ${CMAKE_COMMAND} -DMANDOC=${INKSTAMP_MANDOC} -DPAGE=${source}
              -DOUT=${html} -P ${PROJECT_SOURCE_DIR}/cmake/RenderManual.cmake
      DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/RenderManual.cmake
      COMMENT "Rendering the manual page ${page}.1 as HTML for Windows")
    list(APPEND htmls ${html})
  endforeach()
  add_custom_target(manuals_html ALL DEPENDS ${htmls})
  set(${out_var} ${htmls} PARENT_SCOPE)
endfunction()
