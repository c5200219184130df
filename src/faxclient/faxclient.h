// The fax server's client library: the 14 functions that every exchange with
// the server goes through. The vendor ships them in a closed 32-bit Windows
// DLL (RFWIN32.dll); the simulator in src/faxsim implements the same functions
// wherever that DLL is absent. The declarations here are the whole contract the
// program relies on: argument order, widths and results. Records are in
// fax_records.h.
#ifndef INKSTAMP_FAXCLIENT_FAXCLIENT_H_
#define INKSTAMP_FAXCLIENT_FAXCLIENT_H_

#include <stdint.h>

#include "faxclient/fax_records.h"

// Calling convention of the client library's functions and of the comparison
// function handed to RFaxListSort. The vendor documents neither, and on 32-bit
// Windows two are in use: __stdcall, where the function removes its arguments
// from the stack, and __cdecl, where the caller does. So there the program
// calls the DLL through wrappers of its own (library_call.h), which suit
// either convention and find out which one the DLL has; the declarations
// below are then those plain functions of the program. An implementation of
// the library (RFAX_IMPLEMENTATION: our simulator, the tests' DLLs) is built
// in one convention: __stdcall, or __cdecl with RFAX_CDECL. Its comparison
// has the functions' convention, unless RFAX_QSORT_CALLBACK declares it
// __cdecl, as a library does that hands it to its C runtime's qsort.
// Elsewhere each platform has one convention.
#if defined(_WIN32) && !defined(_WIN64)
#if defined(RFAX_IMPLEMENTATION)
#define RFAX_CALL_THUNK 0
#if defined(RFAX_CDECL)
#define RFAXAPI __cdecl
#else
#define RFAXAPI __stdcall
#endif
#if defined(RFAX_QSORT_CALLBACK)
#define RFAXCALLBACK __cdecl
#else
#define RFAXCALLBACK RFAXAPI
#endif
#else
#define RFAX_CALL_THUNK 1
#define RFAXAPI
#endif
#else
#define RFAX_CALL_THUNK 0
#define RFAXAPI
#define RFAXCALLBACK
#endif

// Functions exported by our own implementation carry RFAX_EXPORT when it is
// built; the program itself imports them undecorated.
#if defined(_WIN32) && defined(RFAX_BUILDING_LIBRARY)
#define RFAX_EXPORT __declspec(dllexport)
#elif defined(RFAX_BUILDING_LIBRARY)
#define RFAX_EXPORT __attribute__((visibility("default")))
#else
#define RFAX_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Opaque handles issued by the library; 0 is never a valid handle.
typedef uint32_t RFaxServerHandle;
typedef uint32_t RFaxListHandle;
typedef uint32_t RFaxFaxHandle;

// Signed 32-bit result of most calls; 0 is success.
typedef int32_t RFaxError;

#if RFAX_CALL_THUNK
// The comparison that the program hands to RFaxListSort is one of the
// library's convention, known only at run time (compare_function.h): an
// address that the program itself never calls.
typedef void (*RFaxCompareFunction)(void);
#else
// The comparison that RFaxListSort calls back: negative, zero or positive.
typedef int32_t(RFAXCALLBACK* RFaxCompareFunction)(const FaxListElement* left,
                                                   const FaxListElement* right);
#endif

// The library's version: a UTC time stamp in seconds since the Unix epoch.
RFAX_EXPORT int32_t RFAXAPI RFaxGetAPIVersion(void);

// Returns a server handle, or 0 with the reason in *errorCode. `flags` is 4.
RFAX_EXPORT RFaxServerHandle RFAXAPI RFaxCreateServerHandle(const char* host, int32_t flags,
                                                            RFaxError* errorCode);

// 0 when the server's release is at least `release` (0x520 is 5.20).
// `reserved` is 0.
RFAX_EXPORT RFaxError RFAXAPI RFaxVersionCheck(RFaxServerHandle server, int32_t release,
                                               int32_t reserved);

// Fills the 904-byte server-information block.
RFAX_EXPORT RFaxError RFAXAPI RFaxGetServerInfo2(RFaxServerHandle server, ServerInfo* info);

// Looks a user up and fills the 1902-byte record. The program passes
// (server, 1, 0, userId, 0, 0, 0, 0, 11, record).
RFAX_EXPORT RFaxError RFAXAPI RFaxLoadUser3(RFaxServerHandle server, int32_t mode,
                                            int32_t reserved1, const char* userId,
                                            int32_t reserved2, int32_t reserved3, int32_t reserved4,
                                            int32_t reserved5, int32_t level, UserRecord* record);

// Fetches a user's fax list in one request. The program passes
// (server, userId, 1, folder, 0, &list). Folder selectors: 0xFFFF the main
// folder, 0xFFFD every folder.
RFAX_EXPORT RFaxError RFAXAPI RFaxGetFaxList(RFaxServerHandle server, const char* userId,
                                             int32_t mode, uint16_t folder, int32_t reserved,
                                             RFaxListHandle* list);

// Sorts the list in place with the caller's comparison.
RFAX_EXPORT RFaxError RFAXAPI RFaxListSort(RFaxListHandle list, RFaxCompareFunction compare);

// Hand out a pointer to the first or next element: 0 when one was given.
// An element belongs to the list and is valid until the next request.
RFAX_EXPORT RFaxError RFAXAPI RFaxListGetFirstElementPtr(RFaxListHandle list,
                                                         FaxListElement** element);
RFAX_EXPORT RFaxError RFAXAPI RFaxListGetNextElementPtr(RFaxListHandle list,
                                                        FaxListElement** element);

// Loads one fax into a 1868-byte detail buffer. The program passes
// (server, fax, 0, 3, 0, buffer, 11).
RFAX_EXPORT RFaxError RFAXAPI RFaxLoadFax3(RFaxServerHandle server, RFaxFaxHandle fax,
                                           int32_t reserved1, int32_t mode, int32_t reserved2,
                                           void* detail, int32_t level);

// Applies one status mark (a MarkCode) to a fax.
RFAX_EXPORT RFaxError RFAXAPI InkStampFax(RFaxServerHandle server, RFaxFaxHandle fax,
                                          uint16_t markCode);

RFAX_EXPORT RFaxError RFAXAPI RFaxCloseListHandle(RFaxListHandle list);
RFAX_EXPORT RFaxError RFAXAPI RFaxCloseServerHandle(RFaxServerHandle server);

// Copies the text of an error code into `buffer` of `size` bytes.
RFAX_EXPORT RFaxError RFAXAPI RFaxStringRFaxErr(RFaxError code, char* buffer, int32_t size);

#ifdef __cplusplus
}
#endif

// Sizes of the buffers the program hands to the library.
enum {
  kFaxDetailSize = 1868,
  kErrorTextSize = 501,
};

#endif  // INKSTAMP_FAXCLIENT_FAXCLIENT_H_
