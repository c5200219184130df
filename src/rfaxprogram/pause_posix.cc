// The pause on POSIX: the fax client library's own Sleep, which the simulator
// exports with C linkage (and which a fake library records instead of
// waiting).
#include "rfaxprogram/pause.h"

extern "C" void Sleep(uint32_t milliseconds);

void pauseMilliseconds(uint32_t milliseconds) {
  Sleep(milliseconds);
}
