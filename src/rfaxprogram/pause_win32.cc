// The pause on Windows: the kernel's Sleep.
#include "rfaxprogram/pause.h"

#include <windows.h>

void pauseMilliseconds(uint32_t milliseconds) {
  Sleep(static_cast<DWORD>(milliseconds));
}
