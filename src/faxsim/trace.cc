#include "faxsim/trace.h"

#include <stdio.h>
#include <stdlib.h>

namespace faxsim {

Trace::Trace(const char* name) {
  const char* path = getenv("FAXSIM_TRACE");
  if (path == nullptr || *path == '\0')
    return;
  path_ = path;
  line_ = name;
  line_ += '(';
}

void Trace::separate() {
  if (!first_)
    line_ += ", ";
  first_ = false;
}

Trace& Trace::number(int64_t value) {
  if (path_.empty())
    return *this;
  separate();
  line_ += std::to_string(value);
  return *this;
}

Trace& Trace::text(const char* value) {
  if (path_.empty())
    return *this;
  separate();
  if (value == nullptr) {
    line_ += "NULL";
    return *this;
  }
  static const char kHex[] = "0123456789ABCDEF";
  line_ += '"';
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(value); *p != 0; ++p) {
    if (*p == '"' || *p == '\\') {
      line_ += '\\';
      line_ += static_cast<char>(*p);
    } else if (*p < 0x20) {
      line_ += "\\x";
      line_ += kHex[*p >> 4];
      line_ += kHex[*p & 0xF];
    } else {
      line_ += static_cast<char>(*p);
    }
  }
  line_ += '"';
  return *this;
}

void Trace::result(int64_t value) {
  if (path_.empty())
    return;
  line_ += ") = ";
  line_ += std::to_string(value);
  line_ += '\n';
  write();
}

void Trace::end() {
  if (path_.empty())
    return;
  line_ += ")\n";
  write();
}

// The file is opened for each line: a test or a script may move or remove
// it between calls, and several processes may append to one trace. A line
// goes out in one write in append mode, so lines of different processes do
// not interleave. A trace that can't be written is silently skipped: tracing
// must never change what a call does.
void Trace::write() {
  FILE* file = fopen(path_.c_str(), "ab");
  if (file == nullptr)
    return;
  fwrite(line_.data(), 1, line_.size(), file);
  fclose(file);
}

}  // namespace faxsim
