#include "faxsimtool/values.h"

#include <charconv>

#include "faxsimtool/exit_status.h"

namespace faxsimtool {

namespace {

// from_chars into a wider type first, so that an out-of-range value is told
// apart from a malformed one.
bool readDigits(std::string_view digits, int base, bool negative, int64_t* value) {
  if (digits.empty())
    return false;
  uint64_t magnitude = 0;
  const char* end = digits.data() + digits.size();
  auto [ptr, ec] = std::from_chars(digits.data(), end, magnitude, base);
  if (ptr != end)
    return false;
  if (ec == std::errc::result_out_of_range || magnitude > (uint64_t{1} << 63)) {
    *value = negative ? INT64_MIN : INT64_MAX;
    return true;
  }
  if (negative)
    *value = magnitude == (uint64_t{1} << 63) ? INT64_MIN : -static_cast<int64_t>(magnitude);
  else
    *value = magnitude == (uint64_t{1} << 63) ? INT64_MAX : static_cast<int64_t>(magnitude);
  return true;
}

}  // namespace

bool parseInteger(std::string_view text, int64_t min, int64_t max, int64_t* value,
                  std::string* error) {
  std::string_view rest = text;
  bool negative = !rest.empty() && rest[0] == '-';
  if (negative)
    rest.remove_prefix(1);
  int base = 10;
  if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    base = 16;
    rest.remove_prefix(2);
  }
  // from_chars would take a second sign; a number has only the one above.
  int64_t parsed = 0;
  if (rest.empty() || rest[0] == '-' || rest[0] == '+' ||
      !readDigits(rest, base, negative, &parsed)) {
    *error = quoted(text) + " is not a number";
    return false;
  }
  if (parsed < min || parsed > max) {
    *error = quoted(text) + " is out of range (" + std::to_string(min) + " to " +
             std::to_string(max) + ")";
    return false;
  }
  *value = parsed;
  return true;
}

}  // namespace faxsimtool
