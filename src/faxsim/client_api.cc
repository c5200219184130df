// The client library's 14 functions over the simulated server. Each one
// takes the library's lock, checks its handles and constant arguments (1 or
// 5, and 9), hands the work to the server session, and traces the call.
// Pointers a caller passes are checked here too: a null one is refused with
// 9 rather than followed.
#include <mutex>

#include "faxclient/client_values.h"
#include "faxclient/faxclient.h"
#include "faxsim/api_version.h"
#include "faxsim/error_text.h"
#include "faxsim/fax_list.h"
#include "faxsim/handles.h"
#include "faxsim/server_session.h"
#include "faxsim/store_path.h"
#include "faxsim/trace.h"

namespace {

using faxsim::kInvalidArgument;
using faxsim::kInvalidHandle;
using faxsim::kNoError;
using faxsim::ServerSession;
using faxsim::Trace;

// The constant arguments the program is documented to pass. They are written
// here on purpose rather than taken from the program's sources: a wrong
// constant in the program must still be refused by the library it calls.
constexpr int32_t kServerFlags = 4;
constexpr int32_t kUserMode = 1;
constexpr int32_t kUserLevel = 11;
constexpr int32_t kListMode = 1;
constexpr int32_t kFaxMode = 3;
constexpr int32_t kFaxLevel = 11;

using faxclient::kAllFolders;
using faxclient::kMainFolder;

// A list handle's object: the list keeps its server session (and so the
// session's connection) alive, even past RFaxCloseServerHandle.
struct OpenList {
  std::shared_ptr<ServerSession> server;
  faxsim::FaxList list;
};

// Everything the library holds for the process. One lock serializes the
// calls, since a store connection serves one thread at a time; it is
// recursive because RFaxListSort calls back into the caller, which may call
// the library in turn.
struct Library {
  std::recursive_mutex mutex;
  faxsim::HandleTable<ServerSession> servers;
  faxsim::HandleTable<OpenList> lists;
};

Library& library() {
  static Library instance;
  return instance;
}

using Lock = std::lock_guard<std::recursive_mutex>;

RFaxServerHandle createServer(const char* host, int32_t flags, RFaxError* errorCode,
                              int32_t* error) {
  *error = kInvalidArgument;
  if (host == nullptr || flags != kServerFlags || errorCode == nullptr)
    return 0;
  auto session = std::make_shared<ServerSession>();
  *error = session->connect(faxsim::storePathForLibrary(), host);
  if (*error != kNoError)
    return 0;
  RFaxServerHandle handle = library().servers.add(std::move(session));
  if (handle == 0)
    *error = faxsim::kStoreUnavailable;
  return handle;
}

RFaxError getFaxList(RFaxServerHandle server, const char* userId, int32_t mode, uint16_t folder,
                     int32_t reserved, RFaxListHandle* list) {
  std::shared_ptr<ServerSession> session = library().servers.find(server);
  if (!session)
    return kInvalidHandle;
  if (userId == nullptr || mode != kListMode || reserved != 0 || list == nullptr ||
      (folder != kMainFolder && folder != kAllFolders))
    return kInvalidArgument;
  *list = 0;
  auto open = std::make_shared<OpenList>();
  open->server = session;
  RFaxError error = session->faxList(userId, folder == kAllFolders, &open->list);
  if (error != kNoError)
    return error;
  *list = library().lists.add(std::move(open));
  return *list != 0 ? kNoError : faxsim::kStoreUnavailable;
}

// The first element request restarts the walk; the next one goes on from
// the cursor. A failed request leaves a null pointer and the cursor where it
// was, so a retry asks for the same element.
RFaxError listElement(RFaxListHandle list, bool first, FaxListElement** element) {
  std::shared_ptr<OpenList> open = library().lists.find(list);
  if (!open)
    return kInvalidHandle;
  if (element == nullptr)
    return kInvalidArgument;
  *element = nullptr;
  size_t index = first ? 0 : open->list.cursor();
  return open->server->listElement(&open->list, index, element);
}

}  // namespace

int32_t RFAXAPI RFaxGetAPIVersion(void) {
  Lock lock(library().mutex);
  int32_t version = faxsim::readApiVersion();
  Trace("RFaxGetAPIVersion").result(version);
  return version;
}

RFaxServerHandle RFAXAPI RFaxCreateServerHandle(const char* host, int32_t flags,
                                                RFaxError* errorCode) {
  Lock lock(library().mutex);
  int32_t error = kNoError;
  RFaxServerHandle handle = createServer(host, flags, errorCode, &error);
  if (errorCode != nullptr)
    *errorCode = error;
  Trace("RFaxCreateServerHandle").args(host, flags).result(handle);
  return handle;
}

RFaxError RFAXAPI RFaxVersionCheck(RFaxServerHandle server, int32_t release, int32_t reserved) {
  Lock lock(library().mutex);
  std::shared_ptr<ServerSession> session = library().servers.find(server);
  RFaxError error = !session        ? kInvalidHandle
                    : reserved != 0 ? kInvalidArgument
                                    : session->versionCheck(release);
  Trace("RFaxVersionCheck").args(server, release, reserved).result(error);
  return error;
}

RFaxError RFAXAPI RFaxGetServerInfo2(RFaxServerHandle server, ServerInfo* info) {
  Lock lock(library().mutex);
  std::shared_ptr<ServerSession> session = library().servers.find(server);
  RFaxError error = !session          ? kInvalidHandle
                    : info == nullptr ? kInvalidArgument
                                      : session->serverInfo(info);
  Trace("RFaxGetServerInfo2").args(server).result(error);
  return error;
}

RFaxError RFAXAPI RFaxLoadUser3(RFaxServerHandle server, int32_t mode, int32_t reserved1,
                                const char* userId, int32_t reserved2, int32_t reserved3,
                                int32_t reserved4, int32_t reserved5, int32_t level,
                                UserRecord* record) {
  Lock lock(library().mutex);
  std::shared_ptr<ServerSession> session = library().servers.find(server);
  bool constantsRight = mode == kUserMode && reserved1 == 0 && reserved2 == 0 && reserved3 == 0 &&
                        reserved4 == 0 && reserved5 == 0 && level == kUserLevel;
  RFaxError error = !session ? kInvalidHandle
                    : !constantsRight || userId == nullptr || record == nullptr
                        ? kInvalidArgument
                        : session->loadUser(userId, record);
  Trace("RFaxLoadUser3")
      .args(server, mode, reserved1, userId, reserved2, reserved3, reserved4, reserved5, level)
      .result(error);
  return error;
}

RFaxError RFAXAPI RFaxGetFaxList(RFaxServerHandle server, const char* userId, int32_t mode,
                                 uint16_t folder, int32_t reserved, RFaxListHandle* list) {
  Lock lock(library().mutex);
  RFaxError error = getFaxList(server, userId, mode, folder, reserved, list);
  Trace("RFaxGetFaxList").args(server, userId, mode, folder, reserved).result(error);
  return error;
}

RFaxError RFAXAPI RFaxListSort(RFaxListHandle list, RFaxCompareFunction compare) {
  Lock lock(library().mutex);
  std::shared_ptr<OpenList> open = library().lists.find(list);
  RFaxError error = !open                ? kInvalidHandle
                    : compare == nullptr ? kInvalidArgument
                                         : open->server->sortList(&open->list, compare);
  Trace("RFaxListSort").args(list).result(error);
  return error;
}

RFaxError RFAXAPI RFaxListGetFirstElementPtr(RFaxListHandle list, FaxListElement** element) {
  Lock lock(library().mutex);
  RFaxError error = listElement(list, true, element);
  Trace("RFaxListGetFirstElementPtr").args(list).result(error);
  return error;
}

RFaxError RFAXAPI RFaxListGetNextElementPtr(RFaxListHandle list, FaxListElement** element) {
  Lock lock(library().mutex);
  RFaxError error = listElement(list, false, element);
  Trace("RFaxListGetNextElementPtr").args(list).result(error);
  return error;
}

RFaxError RFAXAPI RFaxLoadFax3(RFaxServerHandle server, RFaxFaxHandle fax, int32_t reserved1,
                               int32_t mode, int32_t reserved2, void* detail, int32_t level) {
  Lock lock(library().mutex);
  std::shared_ptr<ServerSession> session = library().servers.find(server);
  bool constantsRight = reserved1 == 0 && mode == kFaxMode && reserved2 == 0 && level == kFaxLevel;
  RFaxError error = !session                               ? kInvalidHandle
                    : !constantsRight || detail == nullptr ? kInvalidArgument
                                                           : session->loadFax(fax, detail);
  Trace("RFaxLoadFax3").args(server, fax, reserved1, mode, reserved2, level).result(error);
  return error;
}

RFaxError RFAXAPI InkStampFax(RFaxServerHandle server, RFaxFaxHandle fax, uint16_t markCode) {
  Lock lock(library().mutex);
  std::shared_ptr<ServerSession> session = library().servers.find(server);
  RFaxError error = session ? session->mark(fax, markCode) : kInvalidHandle;
  Trace("InkStampFax").args(server, fax, markCode).result(error);
  return error;
}

RFaxError RFAXAPI RFaxCloseListHandle(RFaxListHandle list) {
  Lock lock(library().mutex);
  RFaxError error = library().lists.remove(list) ? kNoError : kInvalidHandle;
  Trace("RFaxCloseListHandle").args(list).result(error);
  return error;
}

RFaxError RFAXAPI RFaxCloseServerHandle(RFaxServerHandle server) {
  Lock lock(library().mutex);
  RFaxError error = library().servers.remove(server) ? kNoError : kInvalidHandle;
  Trace("RFaxCloseServerHandle").args(server).result(error);
  return error;
}

RFaxError RFAXAPI RFaxStringRFaxErr(RFaxError code, char* buffer, int32_t size) {
  Lock lock(library().mutex);
  RFaxError error = kNoError;
  if (size > 0 && buffer == nullptr)
    error = kInvalidArgument;
  else if (size > 0)
    faxsim::copyErrorText(faxsim::errorText(code), buffer, size);
  Trace("RFaxStringRFaxErr").args(code, size).result(error);
  return error;
}
