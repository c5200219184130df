// Formatting one line of the call trace.
#include "faxclient/call_trace.h"

namespace faxclient {

CallTrace::CallTrace(std::string* sink, const char* name) : sink_(sink) {
  if (sink_ == nullptr)
    return;
  sink_->append(name);
  sink_->push_back('(');
}

void CallTrace::separate() {
  if (!first_)
    sink_->append(", ");
  first_ = false;
}

void CallTrace::add(int64_t value) {
  if (sink_ == nullptr)
    return;
  separate();
  sink_->append(std::to_string(value));
}

void CallTrace::add(const char* value) {
  if (sink_ == nullptr)
    return;
  separate();
  if (value == nullptr) {
    sink_->append("NULL");
    return;
  }
  static const char kHex[] = "0123456789ABCDEF";
  sink_->push_back('"');
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(value); *p != 0; ++p) {
    if (*p == '"' || *p == '\\') {
      sink_->push_back('\\');
      sink_->push_back(static_cast<char>(*p));
    } else if (*p < 0x20) {
      sink_->append("\\x");
      sink_->push_back(kHex[*p >> 4]);
      sink_->push_back(kHex[*p & 0xF]);
    } else {
      sink_->push_back(static_cast<char>(*p));
    }
  }
  sink_->push_back('"');
}

void CallTrace::result(int64_t value) {
  if (sink_ == nullptr)
    return;
  sink_->append(") = ");
  sink_->append(std::to_string(value));
  sink_->push_back('\n');
}

void CallTrace::end() {
  if (sink_ == nullptr)
    return;
  sink_->append(")\n");
}

}  // namespace faxclient
