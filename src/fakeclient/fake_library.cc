// The fake client library's functions: the 14 calls of faxclient.h and, on
// POSIX, the library's Sleep, over the state that fake_client.cc sets up.
#include <stdio.h>
#include <string.h>

#include <algorithm>

#include "fakeclient/fake_state.h"
#include "faxclient/call_trace.h"
#include "faxclient/client_values.h"
#include "faxclient/faxclient.h"

using fakeclient::FakeState;
using fakeclient::state;
using faxclient::CallTrace;

namespace {

// The fake numbers its failures as the simulator does.
using enum faxclient::ErrorCode;
using faxclient::kAllFolders;
using faxclient::kMainFolder;

bool serverIsOpen(RFaxServerHandle server) {
  return server != 0 && server == state().openServer;
}

bool listIsOpenAs(RFaxListHandle list) {
  return state().listOpen && list == fakeclient::kListHandle;
}

bool faxIsListed(RFaxFaxHandle fax) {
  for (const FaxListElement& element : state().list) {
    if (element.faxHandle == fax)
      return true;
  }
  return false;
}

bool isZeroFilled(const void* buffer, size_t size) {
  const unsigned char* bytes = static_cast<const unsigned char*>(buffer);
  for (size_t i = 0; i < size; ++i) {
    if (bytes[i] != 0)
      return false;
  }
  return true;
}

RFaxError elementFault(size_t index) {
  for (const fakeclient::ElementFault& fault : state().elementFaults) {
    if (fault.index == index)
      return fault.code;
  }
  return 0;
}

// Hands out the element at `index`, or says why not.
RFaxError handOutElement(size_t index, FaxListElement** element) {
  FakeState& s = state();
  if (index >= s.list.size())
    return kEndOfList;
  RFaxError fault = elementFault(index);
  if (fault != 0)
    return fault;
  *element = &s.list[index];
  s.nextElement = index + 1;
  return 0;
}

}  // namespace

extern "C" {

int32_t RFAXAPI RFaxGetAPIVersion(void) {
  int32_t version = state().apiVersion;
  CallTrace(state().traceSink(), "RFaxGetAPIVersion").result(version);
  return version;
}

RFaxServerHandle RFAXAPI RFaxCreateServerHandle(const char* host, int32_t flags,
                                                RFaxError* errorCode) {
  FakeState& s = state();
  RFaxServerHandle handle = 0;
  RFaxError code = 0;
  if (host == nullptr || flags != 4 || errorCode == nullptr) {
    code = kInvalidArgument;
  } else if (s.connectFailuresLeft > 0) {
    --s.connectFailuresLeft;
    code = s.connectFailureCode;
  } else {
    handle = s.serverHandle;
    s.openServer = handle;
  }
  if (handle == 0 && errorCode != nullptr)
    *errorCode = code;
  CallTrace(s.traceSink(), "RFaxCreateServerHandle").args(host, flags).result(handle);
  return handle;
}

RFaxError RFAXAPI RFaxVersionCheck(RFaxServerHandle server, int32_t release, int32_t reserved) {
  RFaxError result = kInvalidHandle;
  if (serverIsOpen(server)) {
    result = reserved != 0 ? kInvalidArgument : state().releaseCheckResult;
  }
  CallTrace(state().traceSink(), "RFaxVersionCheck").args(server, release, reserved).result(result);
  return result;
}

RFaxError RFAXAPI RFaxGetServerInfo2(RFaxServerHandle server, ServerInfo* info) {
  FakeState& s = state();
  RFaxError result = kInvalidHandle;
  if (serverIsOpen(server)) {
    result = info == nullptr ? kInvalidArgument : s.serverInfoResult;
  }
  if (result == 0)
    memcpy(info, &s.serverInfo, sizeof *info);
  CallTrace(s.traceSink(), "RFaxGetServerInfo2").args(server).result(result);
  return result;
}

RFaxError RFAXAPI RFaxLoadUser3(RFaxServerHandle server, int32_t mode, int32_t reserved1,
                                const char* userId, int32_t reserved2, int32_t reserved3,
                                int32_t reserved4, int32_t reserved5, int32_t level,
                                UserRecord* record) {
  FakeState& s = state();
  RFaxError result = kInvalidHandle;
  if (serverIsOpen(server)) {
    bool argumentsValid = mode == 1 && reserved1 == 0 && userId != nullptr && reserved2 == 0 &&
                          reserved3 == 0 && reserved4 == 0 && reserved5 == 0 && level == 11 &&
                          record != nullptr && isZeroFilled(record, sizeof *record);
    result = argumentsValid ? s.loadUserResult : kInvalidArgument;
  }
  if (result == 0)
    memcpy(record, &s.userRecord, sizeof *record);
  CallTrace(s.traceSink(), "RFaxLoadUser3")
      .args(server, mode, reserved1, userId, reserved2, reserved3, reserved4, reserved5, level)
      .result(result);
  return result;
}

RFaxError RFAXAPI RFaxGetFaxList(RFaxServerHandle server, const char* userId, int32_t mode,
                                 uint16_t folder, int32_t reserved, RFaxListHandle* list) {
  FakeState& s = state();
  RFaxError result = kInvalidHandle;
  if (serverIsOpen(server)) {
    bool argumentsValid = userId != nullptr && mode == 1 &&
                          (folder == kMainFolder || folder == kAllFolders) && reserved == 0 &&
                          list != nullptr;
    result = argumentsValid ? s.faxListResult : kInvalidArgument;
  }
  if (result == 0) {
    s.listOpen = true;
    s.nextElement = 0;
    *list = fakeclient::kListHandle;
  }
  CallTrace(s.traceSink(), "RFaxGetFaxList")
      .args(server, userId, mode, folder, reserved)
      .result(result);
  return result;
}

RFaxError RFAXAPI RFaxListSort(RFaxListHandle list, RFaxCompareFunction compare) {
  FakeState& s = state();
  RFaxError result = kInvalidHandle;
  if (listIsOpenAs(list))
    result = compare == nullptr ? kInvalidArgument : s.sortResult;
  if (result == 0) {
    std::stable_sort(s.list.begin(), s.list.end(),
                     [compare](const FaxListElement& left, const FaxListElement& right) {
                       return compare(&left, &right) < 0;
                     });
  }
  CallTrace(s.traceSink(), "RFaxListSort").args(list).result(result);
  return result;
}

RFaxError RFAXAPI RFaxListGetFirstElementPtr(RFaxListHandle list, FaxListElement** element) {
  RFaxError result = kInvalidHandle;
  if (listIsOpenAs(list))
    result = element == nullptr ? kInvalidArgument : handOutElement(0, element);
  CallTrace(state().traceSink(), "RFaxListGetFirstElementPtr").args(list).result(result);
  return result;
}

RFaxError RFAXAPI RFaxListGetNextElementPtr(RFaxListHandle list, FaxListElement** element) {
  RFaxError result = kInvalidHandle;
  if (listIsOpenAs(list)) {
    result = element == nullptr ? kInvalidArgument : handOutElement(state().nextElement, element);
  }
  CallTrace(state().traceSink(), "RFaxListGetNextElementPtr").args(list).result(result);
  return result;
}

RFaxError RFAXAPI RFaxLoadFax3(RFaxServerHandle server, RFaxFaxHandle fax, int32_t reserved1,
                               int32_t mode, int32_t reserved2, void* detail, int32_t level) {
  FakeState& s = state();
  RFaxError result = kInvalidHandle;
  if (serverIsOpen(server)) {
    bool argumentsValid = reserved1 == 0 && mode == 3 && reserved2 == 0 && level == 11 &&
                          detail != nullptr && isZeroFilled(detail, kFaxDetailSize);
    if (!argumentsValid) {
      result = kInvalidArgument;
    } else if (!faxIsListed(fax)) {
      result = kFaxNotFound;
    } else {
      result = 0;
      for (const fakeclient::LoadFaxFault& fault : s.loadFaxFaults) {
        if (fault.fax == fax) {
          result = fault.code;
          break;
        }
      }
    }
  }
  // Fill the whole buffer, as the library does: a short buffer shows.
  if (result == 0)
    memset(detail, 0xA5, kFaxDetailSize);
  CallTrace(s.traceSink(), "RFaxLoadFax3")
      .args(server, fax, reserved1, mode, reserved2, level)
      .result(result);
  return result;
}

RFaxError RFAXAPI InkStampFax(RFaxServerHandle server, RFaxFaxHandle fax, uint16_t markCode) {
  FakeState& s = state();
  RFaxError result = kInvalidHandle;
  if (serverIsOpen(server)) {
    if (!faxIsListed(fax)) {
      result = kFaxNotFound;
    } else if (markCode == 2 || markCode > 13) {
      result = kInvalidMarkCode;
    } else {
      result = 0;
      for (const fakeclient::MarkFault& fault : s.markFaults) {
        if (fault.fax == fax && fault.markCode == markCode) {
          result = fault.code;
          break;
        }
      }
    }
  }
  CallTrace(s.traceSink(), "InkStampFax").args(server, fax, markCode).result(result);
  return result;
}

RFaxError RFAXAPI RFaxCloseListHandle(RFaxListHandle list) {
  RFaxError result = kInvalidHandle;
  if (listIsOpenAs(list)) {
    state().listOpen = false;
    result = 0;
  }
  CallTrace(state().traceSink(), "RFaxCloseListHandle").args(list).result(result);
  return result;
}

RFaxError RFAXAPI RFaxCloseServerHandle(RFaxServerHandle server) {
  RFaxError result = kInvalidHandle;
  if (serverIsOpen(server)) {
    state().openServer = 0;
    result = 0;
  }
  CallTrace(state().traceSink(), "RFaxCloseServerHandle").args(server).result(result);
  return result;
}

RFaxError RFAXAPI RFaxStringRFaxErr(RFaxError code, char* buffer, int32_t size) {
  FakeState& s = state();
  RFaxError result = kInvalidArgument;
  if (buffer != nullptr && size > 0) {
    result = 0;
    const char* text = faxclient::builtInErrorText(code);
    for (const fakeclient::ErrorText& known : s.errorTexts) {
      if (known.code == code)
        text = known.text.c_str();
    }
    char unknown[32];
    if (text == nullptr) {
      snprintf(unknown, sizeof unknown, "Unknown error %d", static_cast<int>(code));
      text = unknown;
    }
    size_t capacity = static_cast<size_t>(size);
    size_t length = strlen(text);
    if (s.errorTextsUnterminated) {
      // Fill every byte and leave the terminator to the caller.
      for (size_t i = 0; i < capacity; ++i)
        buffer[i] = length > 0 ? text[i % length] : 'x';
    } else {
      if (length > capacity - 1)
        length = capacity - 1;
      memcpy(buffer, text, length);
      buffer[length] = '\0';
    }
  }
  CallTrace(s.traceSink(), "RFaxStringRFaxErr").args(code, size).result(result);
  return result;
}

#ifndef _WIN32
// The simulator's pause on POSIX. The fake never waits; it only records.
void Sleep(uint32_t milliseconds) {
  CallTrace(state().traceSink(), "Sleep").args(milliseconds).end();
}
#endif

}  // extern "C"
