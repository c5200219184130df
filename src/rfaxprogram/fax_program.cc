// The server session: connecting, the server's information, the user's
// record, error texts and disconnecting.
#ifdef _MSC_VER
#define _CRT_SECURE_NO_WARNINGS  // gmtime: the program has one thread
#endif

#include "rfaxprogram/fax_program.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "faxclient/calling_convention.h"
#include "rfaxprogram/bounded_text.h"
#include "rfaxprogram/pause.h"

namespace {

const int kConnectTries = 5;
const uint32_t kConnectPauseMilliseconds = 10000;

// The oldest server release the program works with: major in the high byte,
// minor in the low one (5.20).
const int32_t kRequiredRelease = 0x520;

// Constant arguments of the calls, as the client library expects them.
const int32_t kCreateServerFlags = 4;
const int32_t kLoadUserMode = 1;
const int32_t kLoadUserLevel = 11;

// A copy of a NUL-terminated text the caller gave us; null only when out of
// memory.
char* copyText(const char* text) {
  return copyBoundedText(text, strlen(text) + 1);
}

// Releases the text that `field` owns and makes it own `text` (or none).
void replaceText(char*& field, char* text) {
  free(field);
  field = text;
}

// What a message shows for a text that is none.
const char* textOrDash(const char* text) {
  return text != nullptr ? text : "-";
}

// The server's offset from UTC in seconds, in the sign of the Windows
// time-zone record (UTC minus local time). The biases come from the
// library, so the sum is taken as 32-bit arithmetic would wrap it rather
// than risk signed overflow.
int32_t utcOffsetSeconds(const ServerInfo& info) {
  int32_t extraBias;
  switch (info.timeZoneState) {
    case kTimeZoneStandard:
      extraBias = info.timeZone.StandardBias;
      break;
    case kTimeZoneDaylight:
      extraBias = info.timeZone.DaylightBias;
      break;
    default:
      return 0;
  }
  int32_t bias = info.timeZone.Bias;
  uint32_t minutes = static_cast<uint32_t>(bias) + static_cast<uint32_t>(extraBias);
  return static_cast<int32_t>(minutes * 60u);
}

// A library whose first call with arguments removed neither all of them nor
// none from the stack is not one whose functions the declarations describe:
// nothing it returns can be trusted, so no further call is made. The handle,
// if any, is left unclosed for that reason.
bool libraryIsAsDeclared() {
  const faxclient::ConventionDetector& library = faxclient::libraryConvention();
  if (library.convention() != faxclient::Convention::kNeither)
    return true;
  printf(
      "RFWIN32.dll is not the client library that this program was made for: %s removed %d "
      "bytes of arguments from the stack, not %d or 0.\n",
      library.function(), static_cast<int>(library.removedBytes()),
      static_cast<int>(library.argumentBytes()));
  fflush(stdout);
  return false;
}

}  // namespace

FaxProgram::FaxProgram()
    : tag(kAliveTag),
      apiVersion(0),
      serverDescription(nullptr),
      serverName(nullptr),
      serverHandle(0),
      serverInfo(nullptr),
      lastError(0),
      lastCallTime(0),
      serverUtcOffset(0),
      userId(nullptr),
      userName(nullptr),
      userQualifier(nullptr),
      errorBuffer() {
  apiVersion = RFaxGetAPIVersion();
  printApiVersion();
  serverInfo = static_cast<ServerInfo*>(calloc(1, sizeof(ServerInfo)));
  errorBuffer[0] = '\0';
}

FaxProgram::~FaxProgram() {
  if (serverHandle != 0)
    disconnect();
  replaceText(serverDescription, nullptr);
  replaceText(serverName, nullptr);
  replaceText(userId, nullptr);
  replaceText(userName, nullptr);
  replaceText(userQualifier, nullptr);
  free(serverInfo);
  serverInfo = nullptr;
  serverHandle = 0;
  errorBuffer[0] = '\0';
  tag = kDeadTag;
}

void FaxProgram::printApiVersion() const {
  // A negative version has no UTC calendar time everywhere (Windows' gmtime
  // refuses it), so it, like any conversion that fails, shows as the plain
  // number instead of a date.
  if (apiVersion >= 0) {
    time_t when = static_cast<time_t>(apiVersion);
    const struct tm* fields = gmtime(&when);
    char text[81];
    if (fields != nullptr && strftime(text, sizeof text, "%m/%d/%Y %H:%M:%SZ", fields) != 0) {
      printf("RightFax API version: %s\n", text);
      return;
    }
  }
  printf("RightFax API version: %d\n", static_cast<int>(apiVersion));
}

void FaxProgram::noteCallTime() {
  // Time values are 32-bit throughout the session; time_t may be wider.
  lastCallTime = static_cast<int32_t>(time(nullptr));
}

bool FaxProgram::connect(const char* host) {
  printf("Connecting to RightFax server: %s\n", host);
  fflush(stdout);

  RFaxServerHandle handle = 0;
  for (int attempt = 1; attempt <= kConnectTries; ++attempt) {
    printf("Connect(%d) to RightFax server: %s\n", attempt, host);
    fflush(stdout);
    RFaxError code = 0;
    handle = RFaxCreateServerHandle(host, kCreateServerFlags, &code);
    noteCallTime();
    if (!libraryIsAsDeclared())
      return false;
    if (handle != 0)
      break;
    lastError = code;
    printf("Connect failed to RightFax server: %s, error %d: %s\n", host,
           static_cast<int>(lastError), errorText());
    fflush(stdout);
    // Also after the last try: the server gets the same breathing space
    // whatever the caller does next.
    pauseMilliseconds(kConnectPauseMilliseconds);
  }
  if (handle == 0) {
    printf("Can't connect to RightFax server after %d tries: %s\n", kConnectTries, host);
    fflush(stdout);
    return false;
  }

  printf("Connected to RightFax server:  %s\n", host);
  fflush(stdout);
  lastError = 0;
  serverHandle = handle;
  replaceText(serverName, copyText(host));
  replaceText(serverDescription, nullptr);

  // A refused release keeps the handle, so that disconnect() closes it.
  if (RFaxVersionCheck(serverHandle, kRequiredRelease, 0) != 0) {
    printf("Incompatible RightFax server release, need %X.%02X\n",
           static_cast<unsigned>(kRequiredRelease >> 8),
           static_cast<unsigned>(kRequiredRelease & 0xFF));
    fflush(stdout);
    return false;
  }
  loadServerInfo();
  return true;
}

void FaxProgram::disconnect() {
  if (serverHandle == 0)
    return;
  printf("Disconnect from RightFax server: %s, %s\n", textOrDash(serverName),
         textOrDash(serverDescription));
  fflush(stdout);
  RFaxCloseServerHandle(serverHandle);
  serverHandle = 0;
  noteCallTime();
  printf("Disconnected\n");
  fflush(stdout);
}

bool FaxProgram::loadServerInfo() {
  if (serverInfo == nullptr)
    return false;  // its allocation failed
  RFaxError result = RFaxGetServerInfo2(serverHandle, serverInfo);
  noteCallTime();
  if (result != 0) {
    lastError = result;
    return false;
  }
  lastError = 0;
  takeServerInfo();
  return serverDescription != nullptr;
}

void FaxProgram::takeServerInfo() {
  replaceText(serverDescription,
              copyBoundedText(serverInfo->description, sizeof serverInfo->description));
  serverUtcOffset = utcOffsetSeconds(*serverInfo);
}

bool FaxProgram::loadUser(const char* userIdToFind) {
  UserRecord record;
  memset(&record, 0, sizeof record);
  RFaxError result = RFaxLoadUser3(serverHandle, kLoadUserMode, 0, userIdToFind, 0, 0, 0, 0,
                                   kLoadUserLevel, &record);
  lastError = result;
  noteCallTime();
  if (result != 0)
    return false;

  // The three texts are taken together or not at all.
  char* id = copyBoundedText(record.userId, sizeof record.userId);
  char* qualifier = copyBoundedText(record.qualifier, sizeof record.qualifier);
  char* name = copyBoundedText(record.name, sizeof record.name);
  if (id == nullptr || qualifier == nullptr || name == nullptr) {
    free(id);
    free(qualifier);
    free(name);
    return false;
  }
  replaceText(userId, id);
  replaceText(userQualifier, qualifier);
  replaceText(userName, name);
  return true;
}

const char* FaxProgram::errorText() {
  // Emptied first so that a library that writes nothing on failure leaves
  // no stale text behind.
  errorBuffer[0] = '\0';
  RFaxStringRFaxErr(lastError, errorBuffer, kErrorTextSize);
  errorBuffer[kErrorTextSize - 1] = '\0';
  return errorBuffer;
}
