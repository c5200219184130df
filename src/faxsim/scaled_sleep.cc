// Reading FAXSIM_SLEEP_SCALE strictly, and how long a pause lasts under it.
#include "faxsim/scaled_sleep.h"

namespace faxsim {

bool parsePauseScale(const char* text, double* scale) {
  *scale = 1;
  if (text == nullptr || *text == '\0')
    return true;
  // Digits with at most one decimal point, parsed by hand: strtod would also
  // take signs, exponents, "inf", "nan" and a locale's decimal comma.
  double value = 0, unit = 1;
  bool digits = false, point = false;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == '.' && !point) {
      point = true;
    } else if (*p >= '0' && *p <= '9') {
      digits = true;
      if (point) {
        unit /= 10;
        value += (*p - '0') * unit;
      } else {
        value = value * 10 + (*p - '0');
      }
    } else {
      return false;
    }
  }
  if (!digits)
    return false;
  *scale = value;
  return true;
}

double scaledPauseMs(uint32_t milliseconds, double scale) {
  // About 31 years: far past any real pause, far below the range of a
  // nanosecond clock.
  constexpr double kLongestMs = 1e12;
  double total = milliseconds * scale;
  return total < kLongestMs ? total : kLongestMs;
}

}  // namespace faxsim
