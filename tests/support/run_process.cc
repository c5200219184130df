// The platform-neutral part of running a program: how a run is described.
#include "support/run_process.h"

namespace support {

std::string ProcessResult::describe() const {
  std::string text;
  if (!started)
    return "not started: " + problem;
  if (timedOut)
    text = "killed after the timeout";
  else if (signal != 0)
    text = "ended by signal " + std::to_string(signal);
  else
    text = "exited with status " + std::to_string(exitStatus);
  if (!problem.empty())
    text += " (" + problem + ")";
  if (!err.empty())
    text += "; standard error:\n" + err;
  return text;
}

}  // namespace support
