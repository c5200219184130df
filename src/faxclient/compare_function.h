// The comparison that the program hands to RFaxListSort, made from a plain
// function of the program. The library calls it back in its own convention:
// on 32-bit Windows that is known only once the first call with arguments
// has shown it, so there the comparison is compiled for both conventions and
// the one that suits the library is handed over.
#ifndef INKSTAMP_FAXCLIENT_COMPARE_FUNCTION_H_
#define INKSTAMP_FAXCLIENT_COMPARE_FUNCTION_H_

#include "faxclient/calling_convention.h"
#include "faxclient/faxclient.h"

namespace faxclient {

using PlainCompare = int32_t (*)(const FaxListElement* left, const FaxListElement* right);

#if RFAX_CALL_THUNK
template <PlainCompare compare>
struct CompareIn {
  static int32_t __stdcall stdcallCompare(const FaxListElement* left, const FaxListElement* right) {
    return compare(left, right);
  }
  static int32_t __cdecl cdeclCompare(const FaxListElement* left, const FaxListElement* right) {
    return compare(left, right);
  }
};

// Before any call has shown the convention, the one of the vendor's DLLs as
// known so far: __stdcall.
template <PlainCompare compare>
RFaxCompareFunction libraryCompare() {
  if (libraryConvention().convention() == Convention::kCdecl)
    return reinterpret_cast<RFaxCompareFunction>(&CompareIn<compare>::cdeclCompare);
  return reinterpret_cast<RFaxCompareFunction>(&CompareIn<compare>::stdcallCompare);
}
#else
template <PlainCompare compare>
RFaxCompareFunction libraryCompare() {
  return compare;
}
#endif

}  // namespace faxclient

#endif  // INKSTAMP_FAXCLIENT_COMPARE_FUNCTION_H_
