// What the program's wrappers of the 14 client functions share on 32-bit
// Windows: the DLL's functions as its import table holds them, and one call
// through the thunk that notes what the call showed of their convention.
#ifndef INKSTAMP_FAXCLIENT_LIBRARY_CALL_H_
#define INKSTAMP_FAXCLIENT_LIBRARY_CALL_H_

#include <stdint.h>

#include <type_traits>

#include "faxclient/call_thunk.h"
#include "faxclient/calling_convention.h"

// The import table's entry of a function of RFWIN32.dll: the address that the
// loader put there, under the entry's own symbol (__imp__Name). The import
// library takes each name as DATA, so that no code stub of its own claims the
// plain name, which the wrapper carries.
#define RFAX_IMPORTED(name) \
  extern "C" const LibraryFunction rfaxImported_##name __asm__("__imp__" #name)

namespace faxclient {

// An argument as the 32-bit word that both conventions push for it. Every
// argument of the client functions is at most 32 bits wide; narrower
// integers are widened as their type says.
template <typename Argument>
uint32_t argumentWord(Argument argument) {
  static_assert(sizeof(Argument) <= sizeof(uint32_t), "a client function's argument is 32-bit");
  if constexpr (std::is_pointer_v<Argument>) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(argument));
  } else {
    return static_cast<uint32_t>(argument);
  }
}

// Calls `function` of the library, named `name`, with `arguments`.
template <typename... Arguments>
uint32_t callLibrary(const char* name, LibraryFunction function, Arguments... arguments) {
  // One word more than the arguments, so that no call makes an empty array.
  const uint32_t words[] = {argumentWord(arguments)..., 0};
  const uint32_t count = sizeof...(Arguments);
  int32_t removedBytes = 0;
  uint32_t result = faxclientCallThunk(function, words, count, &removedBytes);
  libraryConvention().noteCall(name, static_cast<int32_t>(count * 4), removedBytes);
  return result;
}

}  // namespace faxclient

#endif  // INKSTAMP_FAXCLIENT_LIBRARY_CALL_H_
