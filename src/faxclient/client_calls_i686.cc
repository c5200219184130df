// The program's wrappers of the client functions on 32-bit Windows, all but
// the two that load and mark a fax (marking_calls_i686.cc): each calls the
// DLL's function of the same name through the call thunk.
#include "faxclient/compare_adapter.h"
#include "faxclient/faxclient.h"
#include "faxclient/library_call.h"

RFAX_IMPORTED(RFaxGetAPIVersion);
RFAX_IMPORTED(RFaxCreateServerHandle);
RFAX_IMPORTED(RFaxVersionCheck);
RFAX_IMPORTED(RFaxGetServerInfo2);
RFAX_IMPORTED(RFaxLoadUser3);
RFAX_IMPORTED(RFaxGetFaxList);
RFAX_IMPORTED(RFaxListSort);
RFAX_IMPORTED(RFaxListGetFirstElementPtr);
RFAX_IMPORTED(RFaxListGetNextElementPtr);
RFAX_IMPORTED(RFaxCloseListHandle);
RFAX_IMPORTED(RFaxCloseServerHandle);
RFAX_IMPORTED(RFaxStringRFaxErr);

using faxclient::callLibrary;

int32_t RFaxGetAPIVersion(void) {
  return static_cast<int32_t>(callLibrary("RFaxGetAPIVersion", rfaxImported_RFaxGetAPIVersion));
}

RFaxServerHandle RFaxCreateServerHandle(const char* host, int32_t flags, RFaxError* errorCode) {
  return callLibrary("RFaxCreateServerHandle", rfaxImported_RFaxCreateServerHandle, host, flags,
                     errorCode);
}

RFaxError RFaxVersionCheck(RFaxServerHandle server, int32_t release, int32_t reserved) {
  return static_cast<RFaxError>(
      callLibrary("RFaxVersionCheck", rfaxImported_RFaxVersionCheck, server, release, reserved));
}

RFaxError RFaxGetServerInfo2(RFaxServerHandle server, ServerInfo* info) {
  return static_cast<RFaxError>(
      callLibrary("RFaxGetServerInfo2", rfaxImported_RFaxGetServerInfo2, server, info));
}

RFaxError RFaxLoadUser3(RFaxServerHandle server, int32_t mode, int32_t reserved1,
                        const char* userId, int32_t reserved2, int32_t reserved3, int32_t reserved4,
                        int32_t reserved5, int32_t level, UserRecord* record) {
  return static_cast<RFaxError>(callLibrary("RFaxLoadUser3", rfaxImported_RFaxLoadUser3, server,
                                            mode, reserved1, userId, reserved2, reserved3,
                                            reserved4, reserved5, level, record));
}

RFaxError RFaxGetFaxList(RFaxServerHandle server, const char* userId, int32_t mode, uint16_t folder,
                         int32_t reserved, RFaxListHandle* list) {
  return static_cast<RFaxError>(callLibrary("RFaxGetFaxList", rfaxImported_RFaxGetFaxList, server,
                                            userId, mode, folder, reserved, list));
}

RFaxError RFaxListSort(RFaxListHandle list, RFaxCompareFunction compare) {
  // Each sort decides afresh how the comparison returns: a caller that
  // doesn't tell gets the exports' convention, __stdcall until a call has
  // shown otherwise.
  faxclientSortPop = -1;
  faxclientExportsPop =
      faxclient::libraryConvention().convention() == faxclient::Convention::kCdecl ? 0 : 8;
  return static_cast<RFaxError>(
      callLibrary("RFaxListSort", rfaxImported_RFaxListSort, list, compare));
}

RFaxError RFaxListGetFirstElementPtr(RFaxListHandle list, FaxListElement** element) {
  return static_cast<RFaxError>(callLibrary(
      "RFaxListGetFirstElementPtr", rfaxImported_RFaxListGetFirstElementPtr, list, element));
}

RFaxError RFaxListGetNextElementPtr(RFaxListHandle list, FaxListElement** element) {
  return static_cast<RFaxError>(callLibrary("RFaxListGetNextElementPtr",
                                            rfaxImported_RFaxListGetNextElementPtr, list, element));
}

RFaxError RFaxCloseListHandle(RFaxListHandle list) {
  return static_cast<RFaxError>(
      callLibrary("RFaxCloseListHandle", rfaxImported_RFaxCloseListHandle, list));
}

RFaxError RFaxCloseServerHandle(RFaxServerHandle server) {
  return static_cast<RFaxError>(
      callLibrary("RFaxCloseServerHandle", rfaxImported_RFaxCloseServerHandle, server));
}

RFaxError RFaxStringRFaxErr(RFaxError code, char* buffer, int32_t size) {
  return static_cast<RFaxError>(
      callLibrary("RFaxStringRFaxErr", rfaxImported_RFaxStringRFaxErr, code, buffer, size));
}
