// Injected failures: which row of the store's faults table fires for a call,
// and the count-down of a fault that fires a limited number of times.
#ifndef INKSTAMP_FAXSIM_FAULTS_H_
#define INKSTAMP_FAXSIM_FAULTS_H_

#include <stdint.h>

#include <optional>
#include <string_view>

#include "faxsim/store.h"

namespace faxsim {

// What a call offers to the faults table. `target` is the fax ID of a
// load_fax or mark call, or the decimal index of an element request; the
// other operations have neither a target nor a mark code.
struct FaultCall {
  const char* operation;
  std::string_view host;
  std::optional<std::string_view> target;
  std::optional<int64_t> markCode;
};

// Finds the fault that fires for `call` (the lowest matching rowid that is
// not spent) and counts it down. *error is its error code, or 0 when none
// fires. false when the store failed. A write transaction is taken only when
// a counted fault fires, so the common path is one read.
bool fireFault(Store& store, const FaultCall& call, int32_t* error);

// As fireFault(), for a caller that already holds a write transaction, so
// that the count-down commits together with the caller's own change.
bool fireFaultInTransaction(Store& store, const FaultCall& call, int32_t* error);

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_FAULTS_H_
