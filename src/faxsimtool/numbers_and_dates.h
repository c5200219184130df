// The numbers and dates in faxsim's arguments, read strictly, and dates and
// handles written back for the messages and listings.
//
// A number must be the whole argument and lie in the range of the column it
// is stored in: a value SQLite would silently keep as text, or a C library
// would cut short at the first bad character, is refused instead.
//
// Fax dates are seconds since 1970-01-01 00:00 UTC in a signed 32-bit column.
// faxsim reads them as a plain number or as a calendar date and writes them as
// calendar dates, always in UTC. The calendar arithmetic is our own so that
// dates before 1970 and the Windows build behave like everything else.
#ifndef INKSTAMP_FAXSIMTOOL_NUMBERS_AND_DATES_H_
#define INKSTAMP_FAXSIMTOOL_NUMBERS_AND_DATES_H_

#include <stdint.h>

#include <string>
#include <string_view>

#include "faxclient/utc_time.h"

namespace faxsimtool {

using faxclient::daysFromCivil;

// Reads a decimal integer with an optional leading '-', or a hexadecimal one
// after "0x" (releases and error codes are often written so). On failure
// `*error` says what is wrong, naming the text: "'12a' is not a number",
// "'70000' is out of range (-32768 to 32767)".
bool parseInteger(std::string_view text, int64_t min, int64_t max, int64_t* value,
                  std::string* error);

// Accepts seconds ("1228521600", "-86400") or "YYYY-MM-DD", optionally
// followed by a space or 'T' and "HH:MM" or "HH:MM:SS", read as UTC. The
// result must fit in signed 32 bits. On failure `*error` names the text.
bool parseDate(std::string_view text, int64_t* seconds, std::string* error);

// "YYYY-MM-DD HH:MM" in UTC.
std::string formatDateMinute(int64_t seconds);

// A fax handle as inkstamp and faxlist print it, in eight upper-case hex
// digits ("0000001F"), so that a handle in a message can be found in their
// output and in the listing.
std::string formatHandle(int64_t handle);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_NUMBERS_AND_DATES_H_
