// The end-to-end fixture and the texts of runs against the world's store.
#include "support/world_store_test.h"

#include "support/world.h"

namespace support {
namespace {

// A user line's particulars: QUALIFIER\USER-ID "NAME".
std::string userLine(const WorldUser& user) {
  return std::string(user.qualifier) + "\\" + user.userId + " \"" + user.name + "\"";
}

}  // namespace

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> words;
  for (const std::vector<std::string>& part : parts)
    words.insert(words.end(), part.begin(), part.end());
  return words;
}

std::string worldSessionHead() {
  return sessionHead(kWorldServer.host, kWorldServer.description, userLine(kAlice));
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

std::string worldMainProgress() {
  return markedInTurn({"APP0001A", "B0000102", "B0000104", "APP0005E"});
}

std::string worldMainSummary() {
  return "faxes:4 marked:4 failed:0 skipped:0 total:4\n"
         "recv:2 sent:2 viewed:1 pages:11 errs:1\n";
}

std::string worldB0000102Pass() {
  return markingPass(markedInTurn({"B0000102"}),
                     "faxes:1 marked:1 failed:0 skipped:3 total:4\n"
                     "recv:0 sent:1 viewed:0 pages:2 errs:0\n");
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

std::string WorldStoreTest::expectedTrace(const std::string& trace) {
  return programIsWindows() ? withoutPauses(trace) : trace;
}

}  // namespace support
