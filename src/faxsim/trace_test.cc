// The call trace, byte for byte: the line format, the escaping of texts, and
// the lines of a whole session.
#include "faxsim/trace.h"

#include <string>

#include "faxsim/scaled_sleep.h"
#include "support/simulator_test.h"

namespace faxsim {
namespace {

using support::SimulatorTest;

using support::readFile;
using support::TempStore;

TEST(TraceTest, FormatsNumbersTextsAndTheResult) {
  TempStore dir(TempStore::Contents::kNothing);
  ASSERT_TRUE(dir.ok());
  Trace("Quiet").args(1).result(0);  // FAXSIM_TRACE unset: nothing written
  std::string path = dir.traceToFile();
  EXPECT_EQ(readFile(path), "");
  Trace("Call")
      .args("a\"b\\c\x01\x1f\x7f\xe9 z", -5, 4294967295u, nullptr)
      .result(-2147483648LL);
  Trace("Pause").args(10000).end();
  Trace("None").result(7);
  EXPECT_EQ(readFile(path),
            "Call(\"a\\\"b\\\\c\\x01\\x1F\x7f\xe9 z\", -5, 4294967295, NULL) = -2147483648\n"
            "Pause(10000)\n"
            "None() = 7\n");
}

TEST(TraceTest, AnUnwritableTraceIsSkipped) {
  TempStore dir(TempStore::Contents::kNothing);
  ASSERT_TRUE(dir.ok());
  support::ScopedEnv trace("FAXSIM_TRACE", (dir.dir() + "/missing/trace.log").c_str());
  Trace("Call").result(0);
  EXPECT_EQ(RFaxGetAPIVersion(), 1228521600);
}

using SessionTraceTest = SimulatorTest;

TEST_F(SessionTraceTest, ASessionTracesEachCallAsTheCallerMadeIt) {
  ASSERT_TRUE(store_.addFax({.handle = 31, .faxId = "FAX-31"}));
  std::string path = store_.traceToFile();
  support::ScopedEnv scale("FAXSIM_SLEEP_SCALE", "0");
  RFaxError code = 0;
  EXPECT_EQ(RFaxCreateServerHandle("nowhere", 4, &code), 0u);
  RFaxServerHandle server = connect();
  ServerInfo info;
  UserRecord record;
  RFaxListHandle list = 0;
  FaxListElement* element = nullptr;
  char detail[kFaxDetailSize], text[kErrorTextSize];
  RFaxGetAPIVersion();
  RFaxVersionCheck(server, 1312, 0);
  RFaxGetServerInfo2(server, &info);
  RFaxLoadUser3(server, 1, 0, "alice", 0, 0, 0, 0, 11, &record);
  RFaxGetFaxList(server, record.userId, 1, 0xFFFF, 0, &list);
  RFaxListSort(list, [](const FaxListElement*, const FaxListElement*) { return 0; });
  RFaxListGetFirstElementPtr(list, &element);
  RFaxLoadFax3(server, 31, 0, 3, 0, detail, 11);
  InkStampFax(server, 31, 3);
  RFaxListGetNextElementPtr(list, &element);
  RFaxCloseListHandle(list);
  RFaxStringRFaxErr(2, text, sizeof(text));
  Sleep(10000);
  RFaxCloseServerHandle(server);
  std::string s = std::to_string(server), l = std::to_string(list);
  EXPECT_EQ(readFile(path),
            "RFaxCreateServerHandle(\"nowhere\", 4) = 0\n"
            "RFaxCreateServerHandle(\"faxsrv\", 4) = " +
                s +
                "\n"
                "RFaxGetAPIVersion() = 1228521600\n"
                "RFaxVersionCheck(" +
                s +
                ", 1312, 0) = 0\n"
                "RFaxGetServerInfo2(" +
                s +
                ") = 0\n"
                "RFaxLoadUser3(" +
                s +
                ", 1, 0, \"alice\", 0, 0, 0, 0, 11) = 0\n"
                "RFaxGetFaxList(" +
                s +
                ", \"ALICE\", 1, 65535, 0) = 0\n"
                "RFaxListSort(" +
                l +
                ") = 0\n"
                "RFaxListGetFirstElementPtr(" +
                l +
                ") = 0\n"
                "RFaxLoadFax3(" +
                s +
                ", 31, 0, 3, 0, 11) = 0\n"
                "InkStampFax(" +
                s +
                ", 31, 3) = 0\n"
                "RFaxListGetNextElementPtr(" +
                l +
                ") = 7\n"
                "RFaxCloseListHandle(" +
                l +
                ") = 0\n"
                "RFaxStringRFaxErr(2, 501) = 0\n"
                "Sleep(10000)\n"
                "RFaxCloseServerHandle(" +
                s + ") = 0\n");
  servers_.clear();
}

}  // namespace
}  // namespace faxsim
