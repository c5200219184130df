// The call trace's lines, appended to the file that FAXSIM_TRACE names.
#include "faxsim/trace.h"

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <atomic>

#include "faxsim/env_warning.h"

namespace faxsim {
namespace {

std::string tracePath() {
  const char* path = getenv("FAXSIM_TRACE");
  return path == nullptr ? std::string() : std::string(path);
}

}  // namespace

Trace::Trace(const char* name)
    : path_(tracePath()), call_(path_.empty() ? nullptr : &line_, name) {}

void Trace::result(int64_t value) {
  call_.result(value);
  write();
}

void Trace::end() {
  call_.end();
  write();
}

// The file is opened for each line: a test or a script may move or remove
// it between calls, and several processes may append to one trace. A line
// goes out in one write in append mode, so lines of different processes do
// not interleave. A trace that can't be written is skipped, since tracing
// must never change what a call does, but said once on standard error.
void Trace::write() {
  if (path_.empty())
    return;
  FILE* file = fopen(path_.c_str(), "ab");
  if (file == nullptr) {
    static std::atomic<bool> warned{false};
    std::string problem = std::string("can't be opened for appending (") + strerror(errno) +
                          "); calls are not traced";
    warnAboutVariable(&warned, "FAXSIM_TRACE", path_.c_str(), problem);
    return;
  }
  fwrite(line_.data(), 1, line_.size(), file);
  fclose(file);
}

}  // namespace faxsim
