// Environment variables set for the length of a test and restored after.
#ifndef INKSTAMP_TESTS_SUPPORT_SCOPED_ENV_H_
#define INKSTAMP_TESTS_SUPPORT_SCOPED_ENV_H_

#include <stdlib.h>

#include <string>

namespace support {

// Sets `name` to `value`, or unsets it when `value` is null.
void setEnvironment(const char* name, const char* value);

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = getenv(name);
    had_ = old != nullptr;
    if (had_)
      old_ = old;
    setEnvironment(name, value);
  }
  ~ScopedEnv() { setEnvironment(name_.c_str(), had_ ? old_.c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  bool had_ = false;
  std::string old_;
};

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_SCOPED_ENV_H_
