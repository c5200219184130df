// Signal handlers that unlink the temporary file and then let the signal end
// the process as it would have. A signal that was ignored when the program
// started (nohup, a background job) stays ignored.
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "faxlist/interrupt_cleanup.h"

namespace {

const int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// What the handler may touch: a fixed buffer and a flag.
char pathToRemove[4096];
volatile sig_atomic_t armed = 0;
bool installed = false;

void onSignal(int signalNumber) {
  if (armed != 0)
    unlink(pathToRemove);
  // SA_RESETHAND has restored the default action; once this handler
  // returns, the raised signal ends the process with it.
  raise(signalNumber);
}

void installHandlers() {
  for (int signalNumber : kSignals) {
    struct sigaction old;
    if (sigaction(signalNumber, nullptr, &old) != 0 || old.sa_handler == SIG_IGN)
      continue;
    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_handler = onSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int other : kSignals)
      sigaddset(&action.sa_mask, other);
    sigaction(signalNumber, &action, nullptr);
  }
}

}  // namespace

bool removeOnInterrupt(const char* path) {
  armed = 0;
  if (strlen(path) >= sizeof pathToRemove)
    return false;
  memcpy(pathToRemove, path, strlen(path) + 1);
  if (!installed) {
    installHandlers();
    installed = true;
  }
  armed = 1;
  return true;
}

void keepOnInterrupt() {
  armed = 0;
}
