// The once-per-process warning about an unusable environment variable.
#include "faxsim/env_warning.h"

#include <stdio.h>

#include <string>

namespace faxsim {

void warnAboutVariable(std::atomic<bool>* warned, const char* name, const char* value,
                       std::string_view problem) {
  if (warned->exchange(true))
    return;
  std::string line = std::string("faxsim library: ") + name + "=\"";
  for (const char* p = value; *p != '\0'; ++p) {
    unsigned char byte = static_cast<unsigned char>(*p);
    if (byte < 0x20) {
      char escaped[8];
      snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      line += escaped;
    } else {
      line += *p;
    }
  }
  line += "\" ";
  line += problem;
  line += '\n';
  // One write, so that the line does not interleave with the program's.
  fwrite(line.data(), 1, line.size(), stderr);
  fflush(stderr);
}

}  // namespace faxsim
