// Names of the fax status codes.
#include <stdio.h>

#include "rfaxprogram/fax_program.h"

const char* FaxProgram::statusName(int32_t code) {
  static const char* const kNames[] = {
      "Unborn",      "Needs FCS", "Needs conversion", "Needs to be sent", "In conversion",
      "In send",     "Okay",      "Manual FCS",       "In schedule",      "Done error",
      "Duplicate",   "Error",     "Attention",        "Needs attachment", "Held",
      "In OCR",      "In print",  "Queued for print", "Queued for OCR",   "In validate",
      "In approval",
  };
  const int32_t kNameCount = static_cast<int32_t>(sizeof kNames / sizeof kNames[0]);
  if (code >= 0 && code < kNameCount)
    return kNames[code];

  // One buffer for the whole process: the next unnamed code overwrites it.
  static char number[12];  // "-2147483648" and its terminator
  snprintf(number, sizeof number, "%d", static_cast<int>(code));
  return number;
}
