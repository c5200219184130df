// The end-to-end fixture and the texts of runs against the world's store.
#include "support/world_store_test.h"

#include "support/world.h"

namespace support {
namespace {

// A user line's particulars: QUALIFIER\USER-ID "NAME".
std::string userLine(const WorldUser& user) {
  return std::string(user.qualifier) + "\\" + user.userId + " \"" + user.name + "\"";
}

// The output of a run as alice from the server line to the blank line
// after the user line.
std::string worldSessionHead() {
  return sessionHead(kWorldServer.host, kWorldServer.description, userLine(kAlice));
}

}  // namespace

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> words;
  for (const std::vector<std::string>& part : parts)
    words.insert(words.end(), part.begin(), part.end());
  return words;
}

std::string carolSessionHead() {
  return sessionHead(kWorldServer.host, kWorldServer.description, userLine(kCarol));
}

std::string worldSessionTail() {
  return sessionTail(kWorldServer.host, kWorldServer.description);
}

std::string worldRun(std::string_view pass) {
  return outputHead() + worldSessionHead() + std::string(pass) + worldSessionTail();
}

std::string worldTraceHead() {
  return "RFaxGetAPIVersion() = 1228521600\n"
         "RFaxCreateServerHandle(\"faxsrv\", 4) = 1\n"
         "RFaxVersionCheck(1, 1312, 0) = 0\n"
         "RFaxGetServerInfo2(1) = 0\n"
         "RFaxGetServerInfo2(1) = 0\n"
         "RFaxLoadUser3(1, 1, 0, \"alice\", 0, 0, 0, 0, 11) = 0\n";
}

void WorldStoreTest::SetUp() {
  ASSERT_TRUE(store_.ok()) << "can't make a temporary directory";
  ASSERT_TRUE(store_.createWorld())
      << "can't make the world's store: " << store_.lastFaxsim().describe()
      << store_.lastFaxsim().out;
}

ProgramRun WorldStoreTest::run(const std::vector<std::string>& arguments) {
  ProgramRun result = runAgainst(store_, arguments);
  EXPECT_TRUE(result.process.exited()) << result.process.describe();
  if (!programIsWindows()) {
    EXPECT_EQ(result.process.err, "");
  }
  return result;
}

void WorldStoreTest::addFault(const std::vector<std::string>& arguments) {
  ASSERT_TRUE(store_.faxsim(joined({{"add-fault", "faxsrv"}, arguments})))
      << store_.lastFaxsim().describe();
}

}  // namespace support
