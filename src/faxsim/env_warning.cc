// The once-per-process warnings of the library.
#include "faxsim/env_warning.h"

#include <stdio.h>

#include <string>

namespace faxsim {

void warnOnce(std::atomic<bool>* warned, std::string_view message) {
  if (warned->exchange(true))
    return;
  std::string line = "faxsim library: ";
  for (char c : message) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20) {
      char escaped[8];
      snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      line += escaped;
    } else {
      line += c;
    }
  }
  line += '\n';
  // One write, so that the line does not interleave with the program's.
  fwrite(line.data(), 1, line.size(), stderr);
  fflush(stderr);
}

void warnAboutVariable(std::atomic<bool>* warned, const char* name, const char* value,
                       std::string_view problem) {
  warnOnce(warned, std::string(name) + "=\"" + value + "\" " + std::string(problem));
}

}  // namespace faxsim
