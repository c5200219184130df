// The comparison that the program hands to RFaxListSort on 32-bit Windows
// (compare_adapter_i686.s): one address that serves a library calling back
// in either convention. At the first call of a sort it reads the caller's
// instructions after the call; where they don't tell, the convention of the
// library's exports decides.
#ifndef INKSTAMP_FAXCLIENT_COMPARE_ADAPTER_H_
#define INKSTAMP_FAXCLIENT_COMPARE_ADAPTER_H_

#include <stdint.h>

extern "C" {

// What the adapter calls: the program's plain comparison, __cdecl.
typedef int32_t (*PlainCompareFunction)(const void* left, const void* right);

// The comparison of the sort under way.
extern PlainCompareFunction faxclientSortCompare;
// The bytes that a callback of the exports' convention removes: 8
// (__stdcall) or 0 (__cdecl). For a caller whose code doesn't tell.
extern int32_t faxclientExportsPop;
// The bytes the adapter removes in this sort: -1 until its first call has
// decided, then 8 or 0 for the rest of the sort.
extern int32_t faxclientSortPop;

// The address handed to the library. Never called by the program.
void faxclientLibraryCompare(void);

// The bytes that the code at `returnAddress` expects a callee of two
// arguments to remove: 0 when it removes them itself, 8 when it re-reserves
// them after the call (a __stdcall callee), -1 when its code doesn't tell.
int32_t faxclientCallerPops(const uint8_t* returnAddress);
}

#endif  // INKSTAMP_FAXCLIENT_COMPARE_ADAPTER_H_
