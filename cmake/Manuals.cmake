# The manual pages. doc/<program>.1.in in the source tree is a template: the date
# and the version in each page's header come from here, configured into
# <build>/doc/<program>.1, from which the POSIX install takes the pages and the
# Windows archives their HTML renderings.

# The day the manual pages were last revised, in the form that man(1) and
# mandoc parse. Change it with the pages.
set(INKSTAMP_MANUAL_DATE 2026-12-09)

set(INKSTAMP_MANUAL_DIR ${CMAKE_BINARY_DIR}/doc)
set(inkstamp_manual_pages inkstamp faxlist faxsim)
foreach(page IN LISTS inkstamp_manual_pages)
  configure_file(${PROJECT_SOURCE_DIR}/doc/${page}.1.in ${INKSTAMP_MANUAL_DIR}/${page}.1 @ONLY)
endforeach()

# Renders each <build>/doc/<page>.1 as <build>/doc/<page>.html at build time,
# with Windows line ends (the HTML is read on Windows), as the target
# `manuals_html`, which `all` builds. `out_var` receives the HTML files' paths.
function(inkstamp_html_manuals out_var)
  find_program(INKSTAMP_MANDOC mandoc)
  if(NOT INKSTAMP_MANDOC)
    message(FATAL_ERROR "mandoc renders the manual pages for the Windows archives: "
                        "install it (Debian package mandoc) or set INKSTAMP_MANDOC")
  endif()
  set(htmls "")
  foreach(page IN LISTS ARGN)
    set(html ${INKSTAMP_MANUAL_DIR}/${page}.html)
    add_custom_command(OUTPUT ${html}
      COMMAND ${CMAKE_COMMAND} -DMANDOC=${INKSTAMP_MANDOC} -DPAGE=${INKSTAMP_MANUAL_DIR}/${page}.1
              -DOUT=${html} -P ${PROJECT_SOURCE_DIR}/cmake/RenderManual.cmake
      DEPENDS ${INKSTAMP_MANUAL_DIR}/${page}.1 ${PROJECT_SOURCE_DIR}/cmake/RenderManual.cmake
      COMMENT "Rendering the manual page ${page}.1 as HTML")
    list(APPEND htmls ${html})
  endforeach()
  add_custom_target(manuals_html ALL DEPENDS ${htmls})
  set(${out_var} ${htmls} PARENT_SCOPE)
endfunction()
