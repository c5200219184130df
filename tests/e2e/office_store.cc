// The office store, made once per test program with faxsim and copied for
// each test.
#include "e2e/office_store.h"

#include <memory>

namespace e2e {
namespace {

bool addFax(SimStore& store, const std::string& owner, const std::string& faxId,
            std::vector<std::string> options) {
  std::vector<std::string> arguments = {"add-fax", "faxsrv", owner, faxId};
  arguments.insert(arguments.end(), options.begin(), options.end());
  return store.faxsim(arguments);
}

// The office store made on first use; null when it could not be made, with
// the reason in `why`.
const SimStore* officeTemplate(std::string* why) {
  static std::unique_ptr<SimStore> made;
  static std::string failure;
  static bool tried = false;
  if (!tried) {
    tried = true;
    auto store = std::make_unique<SimStore>();
    if (store->ok() && makeOfficeStore(*store))
      made = std::move(store);
    else
      failure = "can't make the office store: " + store->lastFaxsim().describe() +
                store->lastFaxsim().out;
  }
  *why = failure;
  return made.get();
}

}  // namespace

bool makeOfficeStore(SimStore& store) {
  return store.create() &&
         store.faxsim({"add-server", "faxsrv", "--description", "Test fax server"}) &&
         store.faxsim(
             {"add-user", "faxsrv", "ALICE", "--qualifier", "OFFICE", "--name", "Alice Archer"}) &&
         store.faxsim({"add-user", "faxsrv", "BOB"}) &&
         store.faxsim(
             {"add-user", "faxsrv", "CAROL", "--qualifier", "SALES", "--name", "Carol Clark"}) &&
         addFax(store, "ALICE", "APP0001A",
                {"--handle", "101", "--date", "2008-11-05", "--pages", "3", "--viewed"}) &&
         addFax(store, "ALICE", "B0000102",
                {"--handle", "102", "--sent", "--date", "2008-11-01", "--pages", "2"}) &&
         addFax(
             store, "ALICE", "APP0003C",
             {"--handle", "103", "--folder", "Archive", "--date", "2008-11-03", "--pages", "4"}) &&
         addFax(
             store, "ALICE", "B0000104",
             {"--handle", "104", "--date", "2008-11-04", "--pages", "1", "--error-code", "37"}) &&
         addFax(store, "ALICE", "APP0005E",
                {"--handle", "2882400001", "--sent", "--date", "2008-11-02", "--pages", "5"}) &&
         addFax(store, "BOB", "APP0009Z", {"--handle", "201"});
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
  std::string why;
  const SimStore* office = officeTemplate(&why);
  ASSERT_NE(office, nullptr) << why;
  ASSERT_TRUE(store_.copyFrom(*office));
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
