# cmake -DGCC=... -DLD=... -DOBJCOPY=... -DNM=... -DSOURCES=a.s;b.s -DWORK=dir
#       -DOUTPUT=i686_code.h -P i686_code.cmake
#
# The i686 machine code of the call thunk and the comparison's adapter, for
# the native tests that run it under an emulator: the very assembly files
# that the 32-bit Windows build links, assembled by MinGW-w64, linked into
# one image (so that the adapter's references to its data are resolved),
# cut out of it with objcopy, and written as a C++ header with the image's
# address and each routine's.
set(objects "")
foreach(source IN LISTS SOURCES)
  get_filename_component(name ${source} NAME_WE)
  set(object ${WORK}/${name}.o)
  execute_process(COMMAND ${GCC} -c ${source} -o ${object} COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND objects ${object})
endforeach()
execute_process(COMMAND ${LD} -o ${WORK}/i686_code.exe -e _faxclientCallThunk ${objects}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OBJCOPY} -O binary -j .text -j .data ${WORK}/i686_code.exe
                        ${WORK}/i686_code.bin COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${NM} ${WORK}/i686_code.exe OUTPUT_VARIABLE symbols
                COMMAND_ERROR_IS_FATAL ANY)

# The image starts with .text; objcopy lays the sections out from there.
function(symbol_address name out)
  if(NOT symbols MATCHES "([0-9a-fA-F]+) [tTdD] ${name}\n")
    message(FATAL_ERROR "${name} is not in the i686 code")
  endif()
  set(${out} "0x${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()
symbol_address(\\.text base)
set(declarations "")
foreach(pair
    kCallThunk:_faxclientCallThunk
    kLibraryCompare:_faxclientLibraryCompare
    kCdeclCompare:_faxclientCdeclCompare
    kStdcallCompare:_faxclientStdcallCompare
    kCallerPops:_faxclientCallerPops
    kSortCompare:_faxclientSortCompare
    kExportsPop:_faxclientExportsPop
    kSortPop:_faxclientSortPop)
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 constant)
  list(GET pair 1 symbol)
  symbol_address(${symbol} address)
  string(APPEND declarations "inline constexpr uint32_t ${constant} = ${address};\n")
endforeach()

file(READ ${WORK}/i686_code.bin hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x..," 16 sixteen)
string(REGEX REPLACE "(${sixteen})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}.new "// Made by i686_code.cmake from ${SOURCES}.
#include <stdint.h>
namespace i686_code {
inline constexpr uint32_t kBase = ${base};
inline constexpr unsigned char kBytes[] = {
${bytes}};
${declarations}}  // namespace i686_code
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
