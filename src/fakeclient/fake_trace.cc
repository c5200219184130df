// Formatting the fake client library's call trace.
#include "fakeclient/fake_trace.h"

#include <stdio.h>

namespace fakeclient {

TraceLine::TraceLine(std::string* trace, const char* name) : trace_(trace) {
  if (trace_ == nullptr)
    return;
  trace_->append(name);
  trace_->push_back('(');
}

void TraceLine::separate() {
  if (!first_)
    trace_->append(", ");
  first_ = false;
}

TraceLine& TraceLine::arg(int64_t value) {
  if (trace_ == nullptr)
    return *this;
  separate();
  char digits[24];
  snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value));
  trace_->append(digits);
  return *this;
}

TraceLine& TraceLine::arg(const char* text) {
  if (trace_ == nullptr)
    return *this;
  separate();
  if (text == nullptr) {
    trace_->append("NULL");
    return *this;
  }
  trace_->push_back('"');
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c != 0; ++c) {
    if (*c == '"' || *c == '\\') {
      trace_->push_back('\\');
      trace_->push_back(static_cast<char>(*c));
    } else if (*c < 0x20) {
      char escape[5];
      snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(*c));
      trace_->append(escape);
    } else {
      trace_->push_back(static_cast<char>(*c));
    }
  }
  trace_->push_back('"');
  return *this;
}

void TraceLine::result(int64_t value) {
  if (trace_ == nullptr)
    return;
  char digits[32];
  snprintf(digits, sizeof digits, ") = %lld\n", static_cast<long long>(value));
  trace_->append(digits);
}

void TraceLine::end() {
  if (trace_ == nullptr)
    return;
  trace_->append(")\n");
}

}  // namespace fakeclient
