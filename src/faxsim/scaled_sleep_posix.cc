// The POSIX stand-in for the Windows kernel's Sleep, exported by the
// simulator library with C linkage.
#include <stdlib.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "faxsim/env_warning.h"
#include "faxsim/scaled_sleep.h"
#include "faxsim/trace.h"

extern "C" void Sleep(uint32_t milliseconds) {
  // Traced before the pause, so that the trace shows it even if the process
  // is stopped during it.
  faxsim::Trace("Sleep").args(milliseconds).end();
  static std::atomic<bool> warned{false};
  const char* text = getenv("FAXSIM_SLEEP_SCALE");
  double scale = 1;
  if (!faxsim::parsePauseScale(text, &scale))
    faxsim::warnAboutVariable(&warned, "FAXSIM_SLEEP_SCALE", text,
                              "is not a non-negative decimal number; pausing unscaled");
  double pause = faxsim::scaledPauseMs(milliseconds, scale);
  if (pause > 0)
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(pause));
}
