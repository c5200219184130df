// Setting up the fake client library's state.
#include "fakeclient/fake_client.h"

#include <string.h>

#include "fakeclient/fake_state.h"

namespace fakeclient {

FakeState& state() {
  static FakeState theState;
  return theState;
}

void reset() {
  FakeState& s = state();
  // Keep the containers' storage: a fuzzer resets once per input.
  std::vector<FaxListElement> list = std::move(s.list);
  std::string trace = std::move(s.trace);
  list.clear();
  trace.clear();
  s = FakeState();
  s.list = std::move(list);
  s.trace = std::move(trace);
}

void setApiVersion(int32_t version) {
  state().apiVersion = version;
}

void setServerHandle(RFaxServerHandle handle) {
  state().serverHandle = handle;
}

void failConnects(int count, RFaxError code) {
  state().connectFailuresLeft = count;
  state().connectFailureCode = code;
}

void setReleaseCheckResult(RFaxError code) {
  state().releaseCheckResult = code;
}

void failServerInfo(RFaxError code) {
  state().serverInfoResult = code;
}

void failLoadUser(RFaxError code) {
  state().loadUserResult = code;
}

void setServerInfo(const ServerInfo& info) {
  memcpy(&state().serverInfo, &info, sizeof info);
}

void setUserRecord(const UserRecord& record) {
  memcpy(&state().userRecord, &record, sizeof record);
}

void setList(const FaxListElement* elements, size_t count) {
  state().list.assign(elements, elements + count);
}

void failFaxList(RFaxError code) {
  state().faxListResult = code;
}

void failSort(RFaxError code) {
  state().sortResult = code;
}

void failElementRequest(size_t index, RFaxError code) {
  state().elementFaults.push_back({index, code});
}

void failLoadFax(RFaxFaxHandle fax, RFaxError code) {
  state().loadFaxFaults.push_back({fax, code});
}

void failMark(RFaxFaxHandle fax, uint16_t markCode, RFaxError code) {
  state().markFaults.push_back({fax, markCode, code});
}

void setErrorText(RFaxError code, const char* text) {
  for (ErrorText& known : state().errorTexts) {
    if (known.code == code) {
      known.text = text;
      return;
    }
  }
  state().errorTexts.push_back({code, text});
}

void setErrorTextsUnterminated(bool unterminated) {
  state().errorTextsUnterminated = unterminated;
}

void setTracing(bool enabled) {
  state().tracing = enabled;
}

const std::string& trace() {
  return state().trace;
}

void clearTrace() {
  state().trace.clear();
}

RFaxServerHandle openServerHandle() {
  return state().openServer;
}

bool listIsOpen() {
  return state().listOpen;
}

namespace {

void copyCut(char* field, size_t fieldSize, const char* text) {
  size_t length = strlen(text);
  if (length > fieldSize - 1)
    length = fieldSize - 1;
  memcpy(field, text, length);
  field[length] = '\0';
}

}  // namespace

FaxListElement makeElement(RFaxFaxHandle handle, uint32_t flags, int32_t date, int16_t pages,
                           uint16_t errorCode, const char* faxId) {
  FaxListElement element;
  memset(&element, 0, sizeof element);
  element.faxHandle = handle;
  element.flags = flags;
  element.date = date;
  element.pages = pages;
  element.errorCode = errorCode;
  copyCut(element.faxId, sizeof element.faxId, faxId);
  return element;
}

ServerInfo makeServerInfo(const char* description, int16_t timeZoneState, int32_t bias,
                          int32_t standardBias, int32_t daylightBias) {
  ServerInfo info;
  memset(&info, 0, sizeof info);
  copyCut(info.description, sizeof info.description, description);
  info.timeZoneState = timeZoneState;
  info.timeZone.Bias = bias;
  info.timeZone.StandardBias = standardBias;
  info.timeZone.DaylightBias = daylightBias;
  return info;
}

UserRecord makeUserRecord(const char* qualifier, const char* userId, const char* name) {
  UserRecord record;
  memset(&record, 0, sizeof record);
  copyCut(record.qualifier, sizeof record.qualifier, qualifier);
  copyCut(record.userId, sizeof record.userId, userId);
  copyCut(record.name, sizeof record.name, name);
  return record;
}

}  // namespace fakeclient
