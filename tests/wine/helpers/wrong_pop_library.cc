// A client library that is not what the declarations say: its
// RFaxCreateServerHandle removes 8 of its 12 bytes of arguments from the
// stack, as neither convention would. The program must refuse it before it
// calls anything else; any other function ends the process with status 70,
// which the tests would see in place of the program's own.
#include <windows.h>

#include "faxclient/client_values.h"
#include "faxclient/faxclient.h"

// Returns handle 1 and removes 8 bytes. Its symbol is the one that the .def
// names in either build of this DLL.
asm(R"(
	.text
	.globl	_RFaxCreateServerHandle@12
	.globl	_RFaxCreateServerHandle
_RFaxCreateServerHandle@12:
_RFaxCreateServerHandle:
	movl	$1, %eax
	ret	$8
)");

namespace {

const UINT kCalledAfterTheRefusal = 70;

[[noreturn]] void calledAfterTheRefusal() {
  ExitProcess(kCalledAfterTheRefusal);
}

}  // namespace

int32_t RFAXAPI RFaxGetAPIVersion(void) {
  return faxclient::kBuiltInApiVersion;
}

RFaxError RFAXAPI RFaxVersionCheck(RFaxServerHandle, int32_t, int32_t) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxGetServerInfo2(RFaxServerHandle, ServerInfo*) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxLoadUser3(RFaxServerHandle, int32_t, int32_t, const char*, int32_t, int32_t,
                                int32_t, int32_t, int32_t, UserRecord*) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxGetFaxList(RFaxServerHandle, const char*, int32_t, uint16_t, int32_t,
                                 RFaxListHandle*) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxListSort(RFaxListHandle, RFaxCompareFunction) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxListGetFirstElementPtr(RFaxListHandle, FaxListElement**) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxListGetNextElementPtr(RFaxListHandle, FaxListElement**) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxLoadFax3(RFaxServerHandle, RFaxFaxHandle, int32_t, int32_t, int32_t, void*,
                               int32_t) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI InkStampFax(RFaxServerHandle, RFaxFaxHandle, uint16_t) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxCloseListHandle(RFaxListHandle) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxCloseServerHandle(RFaxServerHandle) {
  calledAfterTheRefusal();
}
RFaxError RFAXAPI RFaxStringRFaxErr(RFaxError, char*, int32_t) {
  calledAfterTheRefusal();
}
