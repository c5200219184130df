// One server handle's session: its own connection to the store and the host
// it was opened for, and the work of every call made through it. Handle and
// constant-argument checks are the caller's; each operation here checks for
// a firing fault first and then does its work, returning 0 or an error code.
#ifndef INKSTAMP_FAXSIM_SERVER_SESSION_H_
#define INKSTAMP_FAXSIM_SERVER_SESSION_H_

#include <stdint.h>

#include <string>

#include "faxclient/faxclient.h"
#include "faxsim/fax_list.h"
#include "faxsim/store.h"

namespace faxsim {

class ServerSession {
 public:
  // Opens the store at `storePath` and finds `host` in it: a connect fault
  // fires before the host is looked up.
  int32_t connect(const std::string& storePath, const char* host);

  int32_t versionCheck(int32_t release);
  int32_t serverInfo(ServerInfo* info);
  int32_t loadUser(const char* userId, UserRecord* record);
  int32_t faxList(const char* userId, bool allFolders, FaxList* list);
  int32_t sortList(FaxList* list, RFaxCompareFunction compare);
  // Hands out the list's element at `index` and moves the cursor past it;
  // 7 past the end, where no fault is consulted.
  int32_t listElement(FaxList* list, size_t index, FaxListElement** element);
  int32_t loadFax(RFaxFaxHandle fax, void* detail);
  int32_t mark(RFaxFaxHandle fax, uint16_t code);

  // The host as the store spells it.
  const std::string& host() const { return host_; }

 private:
  int32_t fault(const char* operation);
  int32_t findUser(const char* userId);

  Store store_;
  std::string host_;
};

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_SERVER_SESSION_H_
