// Strict integers, and dates read and written in UTC.
#include "faxsimtool/numbers_and_dates.h"

#include <stdio.h>

#include <charconv>
#include <chrono>

#include "faxsimtool/command.h"

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

// Whether the day exists in the Gregorian calendar: no 30 February, and
// 29 February only in a leap year.
bool isRealDay(int year, int month, int day) {
  using namespace std::chrono;
  return year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                        std::chrono::day{static_cast<unsigned>(day)}}
      .ok();
}

// Reads exactly `width` decimal digits at `*pos`.
bool readField(std::string_view text, size_t* pos, size_t width, int* value) {
  if (*pos + width > text.size())
    return false;
  int result = 0;
  for (size_t i = 0; i < width; ++i) {
    char c = text[*pos + i];
    if (c < '0' || c > '9')
      return false;
    result = result * 10 + (c - '0');
  }
  *pos += width;
  *value = result;
  return true;
}

bool expect(std::string_view text, size_t* pos, char c) {
  if (*pos >= text.size() || text[*pos] != c)
    return false;
  ++*pos;
  return true;
}

// The calendar form; false when the text is not one or names no real day.
bool parseCalendar(std::string_view text, int64_t* seconds) {
  size_t pos = 0;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!readField(text, &pos, 4, &year) || !expect(text, &pos, '-') ||
      !readField(text, &pos, 2, &month) || !expect(text, &pos, '-') ||
      !readField(text, &pos, 2, &day))
    return false;
  if (pos < text.size()) {
    if (text[pos] != ' ' && text[pos] != 'T')
      return false;
    ++pos;
    if (!readField(text, &pos, 2, &hour) || !expect(text, &pos, ':') ||
        !readField(text, &pos, 2, &minute))
      return false;
    if (pos < text.size() && (!expect(text, &pos, ':') || !readField(text, &pos, 2, &second)))
      return false;
    if (pos != text.size())
      return false;
  }
  if (!isRealDay(year, month, day) || hour > 23 || minute > 59 || second > 59)
    return false;
  *seconds = daysFromCivil(year, month, day) * faxclient::kSecondsPerDay + hour * 3600 +
             minute * 60 + second;
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

// The forms a date takes, for the message that refuses one.
const char kNotADate[] =
    " is not a date (YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS] in UTC, or seconds since 1970)";

bool parseDate(std::string_view text, int64_t* seconds, std::string* error) {
  int64_t value = 0;
  bool looksCalendar = text.size() > 4 && text[4] == '-';
  if (looksCalendar) {
    if (!parseCalendar(text, &value)) {
      *error = quoted(text) + kNotADate;
      return false;
    }
    if (value < INT32_MIN || value > INT32_MAX) {
      *error = quoted(text) + " is out of range (1901-12-13 20:45:52 to 2038-01-19 03:14:07)";
      return false;
    }
  } else if (!parseInteger(text, INT32_MIN, INT32_MAX, &value, error)) {
    // "tomorrow" is no number, but the user meant a date: say which forms
    // one takes. A number out of range keeps its own message.
    int64_t anyInteger = 0;
    std::string notANumber;
    if (!parseInteger(text, INT64_MIN, INT64_MAX, &anyInteger, &notANumber))
      *error = quoted(text) + kNotADate;
    return false;
  }
  *seconds = value;
  return true;
}

std::string formatDateMinute(int64_t seconds) {
  faxclient::UtcTime time = faxclient::splitUtcTime(seconds);
  char text[48];
  snprintf(text, sizeof text, "%04lld-%02d-%02d %02d:%02d", static_cast<long long>(time.year),
           time.month, time.day, time.hour, time.minute);
  return text;
}

std::string formatHandle(int64_t handle) {
  char text[24];
  snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(handle));
  return text;
}

}  // namespace faxsimtool
