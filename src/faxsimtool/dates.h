// Fax dates: seconds since 1970-01-01 00:00 UTC in a signed 32-bit column.
// faxsim reads them as a plain number or as a calendar date and writes them as
// calendar dates, always in UTC. The calendar arithmetic is our own so that
// dates before 1970 and the Windows build behave like everything else.
#ifndef INKSTAMP_FAXSIMTOOL_DATES_H_
#define INKSTAMP_FAXSIMTOOL_DATES_H_

#include <stdint.h>

#include <string>
#include <string_view>

namespace faxsimtool {

// Days from 1970-01-01 to the given day of the proleptic Gregorian calendar.
int64_t daysFromCivil(int64_t year, int month, int day);

// Accepts seconds ("1228521600", "-86400") or "YYYY-MM-DD", optionally
// followed by a space or 'T' and "HH:MM" or "HH:MM:SS", read as UTC. The
// result must fit in signed 32 bits. On failure `*error` names the text.
bool parseDate(std::string_view text, int64_t* seconds, std::string* error);

// "YYYY-MM-DD HH:MM" in UTC.
std::string formatDateMinute(int64_t seconds);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_DATES_H_
