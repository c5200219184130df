// The pause between two connection tries. Windows has the kernel's Sleep; on
// POSIX the fax client library (the simulator) exports a Sleep of its own, so
// that tests and scripts can scale or record the wait.
#ifndef INKSTAMP_RFAXPROGRAM_PAUSE_H_
#define INKSTAMP_RFAXPROGRAM_PAUSE_H_

#include <stdint.h>

// Blocks the calling thread for about `milliseconds`.
void pauseMilliseconds(uint32_t milliseconds);

#endif  // INKSTAMP_RFAXPROGRAM_PAUSE_H_
