// The simulator's test fixture: a throw-away store holding the test world's
// server and its user ALICE (each test adds the faxes it needs), and helpers
// that open handles through the library and close them again when the test
// ends.
#ifndef INKSTAMP_TESTS_SUPPORT_SIMULATOR_TEST_H_
#define INKSTAMP_TESTS_SUPPORT_SIMULATOR_TEST_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faxclient/faxclient.h"
#include "support/temp_store.h"
#include "support/world.h"

namespace support {

class SimulatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store_.ok());
    ASSERT_TRUE(
        store_.addServer(kWorldServer.host, kWorldServer.description, kWorldServer.release));
    ASSERT_TRUE(store_.addUser(kWorldServer.host, kAlice.userId, kAlice.qualifier, kAlice.name));
  }

  void TearDown() override {
    for (RFaxListHandle list : lists_)
      RFaxCloseListHandle(list);
    for (RFaxServerHandle server : servers_)
      RFaxCloseServerHandle(server);
  }

  RFaxServerHandle connect(const char* host = "faxsrv") {
    RFaxError code = -1;
    RFaxServerHandle server = RFaxCreateServerHandle(host, 4, &code);
    EXPECT_NE(server, 0u);
    EXPECT_EQ(code, 0);
    servers_.push_back(server);
    return server;
  }

  // The result of RFaxGetFaxList; the list is closed at the end of the test.
  RFaxError fetch(RFaxServerHandle server, RFaxListHandle* list, uint16_t folder = 0xFFFF,
                  const char* user = "ALICE") {
    RFaxError error = RFaxGetFaxList(server, user, 1, folder, 0, list);
    if (error == 0)
      lists_.push_back(*list);
    return error;
  }

  // The handles of the list's elements, in the order the walk gives them.
  static std::vector<uint32_t> walk(RFaxListHandle list) {
    std::vector<uint32_t> handles;
    FaxListElement* element = nullptr;
    for (RFaxError error = RFaxListGetFirstElementPtr(list, &element); error == 0;
         error = RFaxListGetNextElementPtr(list, &element))
      handles.push_back(element->faxHandle);
    return handles;
  }

  int64_t faxColumn(int64_t handle, const char* column) {
    return store_.queryInt(std::string("SELECT ") + column +
                           " FROM faxes WHERE handle = " + std::to_string(handle));
  }

  TempStore store_;
  std::vector<RFaxServerHandle> servers_;
  std::vector<RFaxListHandle> lists_;
};

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_SIMULATOR_TEST_H_
