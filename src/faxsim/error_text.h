// The texts of the simulated client library's error codes. A store may
// override any text through its error_texts table.
#ifndef INKSTAMP_FAXSIM_ERROR_TEXT_H_
#define INKSTAMP_FAXSIM_ERROR_TEXT_H_

#include <stdint.h>

#include <string>
#include <string_view>

#include "faxclient/client_values.h"

namespace faxsim {

// The codes themselves belong to the client contract.
using enum faxclient::ErrorCode;

// The text a caller sees for `code`: the store's error_texts row when the
// store can be read and has one, else the built-in text, else
// "Unknown error N".
std::string errorText(int32_t code);

// Copies `text` into a caller's buffer of `size` bytes, cut to size - 1 bytes
// and always terminated. A size of 0 or less writes nothing.
void copyErrorText(std::string_view text, char* buffer, int32_t size);

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_ERROR_TEXT_H_
