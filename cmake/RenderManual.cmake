# Renders one manual page as HTML with mandoc, with Windows line ends.
# Run at build time by the target `manuals_html` (cmake/Manuals.cmake):
#
# cmake -DMANDOC=<mandoc> -DPAGE=<page.1> -DOUT=<page.html> -P RenderManual.cmake
execute_process(COMMAND ${MANDOC} -Thtml ${PAGE}
                RESULT_VARIABLE status OUTPUT_VARIABLE html ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "mandoc -Thtml ${PAGE} failed (${status}):\n${errors}")
endif()
string(REPLACE "\n" "\r\n" html "${html}")
file(WRITE "${OUT}.tmp" "${html}")
file(RENAME "${OUT}.tmp" "${OUT}")
