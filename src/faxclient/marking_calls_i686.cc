// The wrappers of the two client functions that load and mark a fax, in a
// file of their own: a program that makes neither call links neither
// wrapper, and so does not import the functions from RFWIN32.dll at all.
#include "faxclient/faxclient.h"
#include "faxclient/library_call.h"

RFAX_IMPORTED(RFaxLoadFax3);
RFAX_IMPORTED(InkStampFax);

using faxclient::callLibrary;

RFaxError RFaxLoadFax3(RFaxServerHandle server, RFaxFaxHandle fax, int32_t reserved1, int32_t mode,
                       int32_t reserved2, void* detail, int32_t level) {
  return static_cast<RFaxError>(callLibrary("RFaxLoadFax3", rfaxImported_RFaxLoadFax3, server, fax,
                                            reserved1, mode, reserved2, detail, level));
}

RFaxError InkStampFax(RFaxServerHandle server, RFaxFaxHandle fax, uint16_t markCode) {
  return static_cast<RFaxError>(
      callLibrary("InkStampFax", rfaxImported_InkStampFax, server, fax, markCode));
}
