// The pause that the program takes between connection tries. Windows has
// the kernel's Sleep; on POSIX the simulator library exports a Sleep of its
// own that scales every pause by FAXSIM_SLEEP_SCALE, so that tests need not
// wait out real pauses.
#ifndef INKSTAMP_FAXSIM_SCALED_SLEEP_H_
#define INKSTAMP_FAXSIM_SCALED_SLEEP_H_

#include <stdint.h>

#include "faxclient/faxclient.h"

namespace faxsim {

// The factor in FAXSIM_SLEEP_SCALE's text, a non-negative decimal number such
// as "0", "2" or "0.25", in `*scale`. Unset or empty gives 1; anything else
// gives 1 too, and false, so that the caller can say so.
bool parsePauseScale(const char* text, double* scale);

// How long a pause of `milliseconds` lasts under `scale`, in milliseconds,
// bounded so that no scale can overflow a clock's duration.
double scaledPauseMs(uint32_t milliseconds, double scale);

}  // namespace faxsim

#ifndef _WIN32
extern "C" RFAX_EXPORT void Sleep(uint32_t milliseconds);
#endif

#endif  // INKSTAMP_FAXSIM_SCALED_SLEEP_H_
