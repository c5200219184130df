// The unit tests' fixture: the in-memory fake library (src/fakeclient) reset
// to serve the test world's server and its user ALICE (support/world.h), with
// an empty fax list that each test fills as it needs.
#ifndef INKSTAMP_TESTS_SUPPORT_FAKE_SERVER_TEST_H_
#define INKSTAMP_TESTS_SUPPORT_FAKE_SERVER_TEST_H_

#include <gtest/gtest.h>

#include "fakeclient/fake_client.h"
#include "support/world.h"

namespace support {

// fakeclient::reset(), then the world's server information and ALICE's record.
inline void resetFakeToWorld() {
  const WorldServer& server = kWorldServer;
  fakeclient::reset();
  fakeclient::setServerInfo(fakeclient::makeServerInfo(server.description, server.timeZoneState,
                                                       server.bias, server.standardBias,
                                                       server.daylightBias));
  fakeclient::setUserRecord(
      fakeclient::makeUserRecord(kAlice.qualifier, kAlice.userId, kAlice.name));
}

class FakeServerTest : public ::testing::Test {
 protected:
  void SetUp() override { resetFakeToWorld(); }
};

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_FAKE_SERVER_TEST_H_
