// The one way the program calls into the client library on 32-bit Windows,
// where the library's functions may be __stdcall or __cdecl.
#ifndef INKSTAMP_FAXCLIENT_CALL_THUNK_H_
#define INKSTAMP_FAXCLIENT_CALL_THUNK_H_

#include <stdint.h>

extern "C" {

// A function of the library, of either convention: the program never calls
// one through this type, only through the thunk.
typedef void (*LibraryFunction)(void);

// Calls `function` with the `count` 32-bit words of `arguments` (the first
// argument first, at the lowest address, as both conventions lay them out)
// and returns its 32-bit result. The stack pointer is kept in a callee-saved
// register while the arguments are pushed and restored after the call, so a
// function that removes its arguments and one that leaves them return alike;
// *removedBytes says how many bytes the function took off the stack.
uint32_t faxclientCallThunk(LibraryFunction function, const uint32_t* arguments, uint32_t count,
                            int32_t* removedBytes);
}

#endif  // INKSTAMP_FAXCLIENT_CALL_THUNK_H_
