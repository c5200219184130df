// Calls small functions of both conventions with 0 to 10 arguments through
// the call thunk, and one that removes the wrong number of bytes, and checks
// each call's result, the convention that the bytes it removed tell, and
// that the thunk hands back the stack pointer and the callee-saved
// registers as it found them. Prints each fault; exit status 0 when there is
// none. 32-bit Windows only.
#include <stdint.h>
#include <stdio.h>

#include <utility>

#include "faxclient/call_thunk.h"
#include "faxclient/calling_convention.h"

using faxclient::Convention;

extern "C" {
// Calls the thunk as the program does and returns by how much the stack
// pointer moved across the call (0 when restored), or 0x7FFFFFFF when %ebx,
// %esi or %edi came back changed. The thunk's result goes to *result.
int32_t stackShiftAcrossThunk(LibraryFunction function, const uint32_t* arguments, uint32_t count,
                              int32_t* removedBytes, uint32_t* result);
// Adds its first two of three arguments, and removes only 8 of their 12
// bytes from the stack.
void removesEightOfTwelve(void);
}

asm(R"(
	.text
	.globl	_stackShiftAcrossThunk
_stackShiftAcrossThunk:
	pushl	%ebp
	movl	%esp, %ebp
	pushl	%ebx
	pushl	%esi
	pushl	%edi
	movl	$0x5EB5EB5E, %ebx
	movl	$0x51515151, %esi
	movl	$0xD1D1D1D1, %edi
	pushl	20(%ebp)
	pushl	16(%ebp)
	pushl	12(%ebp)
	pushl	8(%ebp)
	call	_faxclientCallThunk
	addl	$16, %esp
	movl	24(%ebp), %edx
	movl	%eax, (%edx)
	leal	-12(%ebp), %eax
	subl	%esp, %eax
	negl	%eax
	cmpl	$0x5EB5EB5E, %ebx
	jne	1f
	cmpl	$0x51515151, %esi
	jne	1f
	cmpl	$0xD1D1D1D1, %edi
	je	2f
1:	movl	$0x7FFFFFFF, %eax
2:	leal	-12(%ebp), %esp
	popl	%edi
	popl	%esi
	popl	%ebx
	popl	%ebp
	ret

	.globl	_removesEightOfTwelve
_removesEightOfTwelve:
	movl	4(%esp), %eax
	addl	8(%esp), %eax
	ret	$8
)");

namespace {

// A result that depends on every argument and on their order.
template <typename... Words>
uint32_t mix(Words... words) {
  uint32_t result = 7;
  ((result = result * 31 + words), ...);
  return result;
}

template <typename... Words>
uint32_t __stdcall stdcallMix(Words... words) {
  return mix(words...);
}

template <typename... Words>
uint32_t __cdecl cdeclMix(Words... words) {
  return mix(words...);
}

template <size_t>
using Word = uint32_t;

const uint32_t kArguments[] = {0x01010101, 0x02020202, 0x03030303, 0x04040404, 0x05050505,
                               0x06060606, 0x07070707, 0x08080808, 0x09090909, 0x0A0A0A0A};

int faults = 0;

void check(bool good, const char* what, const char* convention, size_t count) {
  if (good)
    return;
  printf("%s with %u arguments: %s\n", convention, static_cast<unsigned>(count), what);
  ++faults;
}

void checkCall(LibraryFunction function, size_t count, uint32_t expected, int32_t removedExpected,
               Convention conventionExpected, const char* convention) {
  int32_t removed = -1;
  uint32_t result = 0;
  int32_t shift =
      stackShiftAcrossThunk(function, kArguments, static_cast<uint32_t>(count), &removed, &result);
  check(result == expected, "wrong result", convention, count);
  check(removed == removedExpected, "wrong bytes removed", convention, count);
  check(faxclient::conventionOf(static_cast<int32_t>(count * 4), removed) == conventionExpected,
        "wrong convention told", convention, count);
  check(shift == 0, "stack pointer or callee-saved register not restored", convention, count);
}

template <size_t... I>
void checkBoth(std::index_sequence<I...>) {
  const size_t count = sizeof...(I);
  const uint32_t expected = mix(kArguments[I]...);
  const int32_t bytes = static_cast<int32_t>(count * 4);
  checkCall(reinterpret_cast<LibraryFunction>(&stdcallMix<Word<I>...>), count, expected, bytes,
            count == 0 ? Convention::kUnknown : Convention::kStdcall, "__stdcall");
  checkCall(reinterpret_cast<LibraryFunction>(&cdeclMix<Word<I>...>), count, expected, 0,
            count == 0 ? Convention::kUnknown : Convention::kCdecl, "__cdecl");
}

template <size_t... Counts>
void checkEveryCount(std::index_sequence<Counts...>) {
  (checkBoth(std::make_index_sequence<Counts>()), ...);
}

}  // namespace

int main() {
  checkEveryCount(std::make_index_sequence<11>());
  checkCall(&removesEightOfTwelve, 3, kArguments[0] + kArguments[1], 8, Convention::kNeither,
            "a function removing 8 bytes");
  printf("%d faults in 23 calls through the thunk\n", faults);
  return faults == 0 ? 0 : 1;
}
