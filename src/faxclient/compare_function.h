// The comparison that the program hands to RFaxListSort, made from a plain
// function of the program. The library calls it back in its own convention:
// on 32-bit Windows that is known only once a call has shown it, so there
// the program hands over an adapter (compare_adapter.h) that returns as its
// caller wants.
#ifndef INKSTAMP_FAXCLIENT_COMPARE_FUNCTION_H_
#define INKSTAMP_FAXCLIENT_COMPARE_FUNCTION_H_

#include "faxclient/faxclient.h"

#if RFAX_CALL_THUNK
#include "faxclient/compare_adapter.h"
#endif

namespace faxclient {

using PlainCompare = int32_t (*)(const FaxListElement* left, const FaxListElement* right);

#if RFAX_CALL_THUNK
// Points the adapter at `compare`: the library's next sort calls it.
template <PlainCompare compare>
RFaxCompareFunction libraryCompare() {
  faxclientSortCompare = [](const void* left, const void* right) {
    return compare(static_cast<const FaxListElement*>(left),
                   static_cast<const FaxListElement*>(right));
  };
  return &faxclientLibraryCompare;
}
#else
template <PlainCompare compare>
RFaxCompareFunction libraryCompare() {
  return compare;
}
#endif

}  // namespace faxclient

#endif  // INKSTAMP_FAXCLIENT_COMPARE_FUNCTION_H_
