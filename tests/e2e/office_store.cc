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

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> words;
  for (const std::vector<std::string>& part : parts)
    words.insert(words.end(), part.begin(), part.end());
  return words;
}

std::string officeSessionHead() {
  return sessionHead("faxsrv", "Test fax server", "OFFICE\\ALICE \"Alice Archer\"");
}

std::string carolSessionHead() {
  return sessionHead("faxsrv", "Test fax server", "SALES\\CAROL \"Carol Clark\"");
}

std::string officeSessionTail() {
  return sessionTail("faxsrv", "Test fax server");
}

std::string officeRun(std::string_view pass) {
  return outputHead() + officeSessionHead() + std::string(pass) + officeSessionTail();
}

std::string officeMainProgress() {
  return markedInTurn({"APP0001A", "B0000102", "B0000104", "APP0005E"});
}

std::string officeMainSummary() {
  return "faxes:4 marked:4 failed:0 skipped:0 total:4\n"
         "recv:2 sent:2 viewed:1 pages:11 errs:1\n";
}

std::string officeB0000102Pass() {
  return markingPass(markedInTurn({"B0000102"}),
                     "faxes:1 marked:1 failed:0 skipped:3 total:4\n"
                     "recv:0 sent:1 viewed:0 pages:2 errs:0\n");
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

void OfficeTest::addFault(const std::vector<std::string>& arguments) {
  ASSERT_TRUE(store_.faxsim(joined({{"add-fault", "faxsrv"}, arguments})))
      << store_.lastFaxsim().describe();
}

std::string OfficeTest::expectedTrace(const std::string& trace) {
  return programIsWindows() ? withoutPauses(trace) : trace;
}

}  // namespace e2e
