// The fake client library's process-wide state, shared by its control
// functions (fake_client.cc) and its library functions (fake_library.cc).
#ifndef INKSTAMP_FAKECLIENT_FAKE_STATE_H_
#define INKSTAMP_FAKECLIENT_FAKE_STATE_H_

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "fakeclient/fake_client.h"
#include "faxclient/client_values.h"
#include "faxclient/faxclient.h"

namespace fakeclient {

struct ElementFault {
  size_t index;
  RFaxError code;
};

struct LoadFaxFault {
  RFaxFaxHandle fax;
  RFaxError code;
};

struct MarkFault {
  RFaxFaxHandle fax;
  uint16_t markCode;
  RFaxError code;
};

struct ErrorText {
  RFaxError code;
  std::string text;
};

struct FakeState {
  int32_t apiVersion = faxclient::kBuiltInApiVersion;
  RFaxServerHandle serverHandle = kDefaultServerHandle;
  RFaxServerHandle openServer = 0;

  int connectFailuresLeft = 0;
  RFaxError connectFailureCode = 0;
  RFaxError releaseCheckResult = 0;
  RFaxError serverInfoResult = 0;
  RFaxError loadUserResult = 0;
  ServerInfo serverInfo = {};
  UserRecord userRecord = {};

  std::vector<FaxListElement> list;
  RFaxError faxListResult = 0;
  RFaxError sortResult = 0;
  bool listOpen = false;
  size_t nextElement = 0;  // index that the next next-element request hands out

  std::vector<ElementFault> elementFaults;
  std::vector<LoadFaxFault> loadFaxFaults;
  std::vector<MarkFault> markFaults;
  std::vector<ErrorText> errorTexts;
  bool errorTextsUnterminated = false;

  bool tracing = true;
  std::string trace;

  // Where calls are traced: null while tracing is off.
  std::string* traceSink() { return tracing ? &trace : nullptr; }
};

FakeState& state();

}  // namespace fakeclient

#endif  // INKSTAMP_FAKECLIENT_FAKE_STATE_H_
