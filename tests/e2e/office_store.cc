// The office store: the faxsim commands that make it, and the texts that
// runs against it print and trace.
#include "e2e/office_store.h"

namespace e2e {
namespace {

std::vector<std::string> addFax(const std::string& owner, const std::string& faxId,
                                std::vector<std::string> options) {
  std::vector<std::string> command = {"add-fax", "faxsrv", owner, faxId};
  command.insert(command.end(), options.begin(), options.end());
  return command;
}

}  // namespace

std::vector<std::vector<std::string>> officeStoreRecipe() {
  return {
      {"create"},
      {"set-setting", "api_version", std::to_string(kDefaultApiVersion)},
      {"add-server", "faxsrv", "--description", "Test fax server"},
      {"add-user", "faxsrv", "ALICE", "--qualifier", "OFFICE", "--name", "Alice Archer"},
      {"add-user", "faxsrv", "BOB"},
      {"add-user", "faxsrv", "CAROL", "--qualifier", "SALES", "--name", "Carol Clark"},
      addFax("ALICE", "APP0001A",
             {"--handle", "101", "--date", "2008-11-05", "--pages", "3", "--viewed"}),
      addFax("ALICE", "B0000102",
             {"--handle", "102", "--sent", "--date", "2008-11-01", "--pages", "2"}),
      addFax("ALICE", "APP0003C",
             {"--handle", "103", "--folder", "Archive", "--date", "2008-11-03", "--pages", "4"}),
      addFax("ALICE", "B0000104",
             {"--handle", "104", "--date", "2008-11-04", "--pages", "1", "--error-code", "37"}),
      addFax("ALICE", "APP0005E",
             {"--handle", "2882400001", "--sent", "--date", "2008-11-02", "--pages", "5"}),
      addFax("BOB", "APP0009Z", {"--handle", "201"}),
  };
}

std::string officeSessionHead() {
  return "Server: faxsrv\n"
         "Connecting to RightFax server: faxsrv\n"
         "Connect(1) to RightFax server: faxsrv\n"
         "Connected to RightFax server:  faxsrv\n"
         "\n"
         "RightFax server: faxsrv, Test fax server\n"
         "\n"
         "Retrieving user info...\n"
         "User: OFFICE\\ALICE \"Alice Archer\"\n"
         "\n";
}

std::string officeSessionTail() {
  return "\n"
         "Disconnect from RightFax server: faxsrv, Test fax server\n"
         "Disconnected\n";
}

std::string officeTraceHead() {
  return "RFaxGetAPIVersion() = 1228521600\n"
         "RFaxCreateServerHandle(\"faxsrv\", 4) = 1\n"
         "RFaxVersionCheck(1, 1312, 0) = 0\n"
         "RFaxGetServerInfo2(1) = 0\n"
         "RFaxGetServerInfo2(1) = 0\n"
         "RFaxLoadUser3(1, 1, 0, \"alice\", 0, 0, 0, 0, 11) = 0\n";
}

void OfficeTest::SetUp() {
  ASSERT_TRUE(store_.ok()) << "can't make a temporary directory";
  ASSERT_TRUE(store_.createFrom(officeStoreRecipe()))
      << "can't make the office store: " << store_.lastFaxsim().describe()
      << store_.lastFaxsim().out;
}

ProgramRun OfficeTest::run(const std::vector<std::string>& arguments) {
  ProgramRun result = runAgainst(store_, arguments);
  EXPECT_TRUE(result.process.exited()) << result.process.describe();
  if (!programIsWindows()) {
    EXPECT_EQ(result.process.err, "");
  }
  return result;
}

std::string OfficeTest::expectedTrace(const std::string& trace) {
  return programIsWindows() ? withoutPauses(trace) : trace;
}

}  // namespace e2e
