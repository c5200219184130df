// Strict reading of the numbers that faxsim's arguments carry. A number must
// be the whole argument and lie in the range of the column it is stored in:
// a value SQLite would silently keep as text, or a C library would cut short
// at the first bad character, is refused instead.
#ifndef INKSTAMP_FAXSIMTOOL_VALUES_H_
#define INKSTAMP_FAXSIMTOOL_VALUES_H_

#include <stdint.h>

#include <string>
#include <string_view>

namespace faxsimtool {

// Reads a decimal integer with an optional leading '-', or a hexadecimal one
// after "0x" (releases and error codes are often written so). On failure
// `*error` says what is wrong, naming the text: "'12a' is not a number",
// "'70000' is out of range (-32768 to 32767)".
bool parseInteger(std::string_view text, int64_t min, int64_t max, int64_t* value,
                  std::string* error);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_VALUES_H_
