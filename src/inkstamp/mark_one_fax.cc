// Marking one fax: loading it, then one InkStampFax call per requested mark
// in a fixed order.
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "faxclient/client_values.h"
#include "inkstamp/mark_program.h"

namespace {

// Constant arguments of RFaxLoadFax3, as the client library expects them.
const int32_t kLoadFaxMode = 3;
const int32_t kLoadFaxLevel = 11;

}  // namespace

bool MarkProgram::markOneFax(const FaxListElement* fax, MarkSet marks) {
  // The library wants a zeroed buffer; what it writes there is not needed.
  unsigned char detail[kFaxDetailSize];
  memset(detail, 0, sizeof detail);
  RFaxFaxHandle handle = fax->faxHandle;
  if (RFaxLoadFax3(serverHandle, handle, 0, kLoadFaxMode, 0, detail, kLoadFaxLevel) != 0) {
    fprintf(output, "Can't retrieve fax: %s (%08" PRIX32 ")\n", fax->faxId, handle);
    fflush(output);
    return false;
  }

  // A failed mark never stops the others: what can be marked is marked.
  bool allMarked = true;
  // The mark table's rows stand in sending order: body printed goes after
  // the approval marks, not in bit order.
  for (const faxclient::MarkOption& row : faxclient::kMarkOptions) {
    if ((marks & row.bit) == 0)
      continue;
    if (InkStampFax(serverHandle, handle, row.code) != 0) {
      fprintf(output, "Can't mark fax: %s (%08" PRIX32 ")\n", fax->faxId, handle);
      fflush(output);
      allMarked = false;
    }
  }
  fprintf(output, "  -> marked\n");
  fflush(output);
  return allMarked;
}
