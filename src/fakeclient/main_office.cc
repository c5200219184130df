// The shared fake server of the unit tests.
#include "fakeclient/main_office.h"

#include "fakeclient/fake_client.h"

namespace fakeclient {

void resetToMainOffice() {
  reset();
  setServerInfo(makeServerInfo("Main office", 2, 300, 0, -60));
  setUserRecord(makeUserRecord("ACME", "ALICE", "Alice Smith"));
}

}  // namespace fakeclient
