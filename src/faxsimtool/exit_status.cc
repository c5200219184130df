#include "faxsimtool/exit_status.h"

namespace faxsimtool {

int report(FILE* err, int status, std::string_view message) {
  fprintf(err, "faxsim: %.*s\n", static_cast<int>(message.size()), message.data());
  fflush(err);
  return status;
}

std::string quoted(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string result = "'";
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      result += "\\x";
      result += kHex[byte >> 4];
      result += kHex[byte & 0xF];
    } else {
      result += c;
    }
  }
  result += '\'';
  return result;
}

}  // namespace faxsimtool
