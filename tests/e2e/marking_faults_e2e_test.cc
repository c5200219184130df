// The marking pass meeting the simulator's faults: a fax that can't be
// loaded, a mark that can't be set, the fax list and the sort refused. None
// of them changes the exit status.
#include <gtest/gtest.h>

#include <string>

#include "support/world_store_test.h"

namespace e2e {
namespace {

using namespace support;

class MarkingFaultTest : public WorldStoreTest {};

// The fax named in the message shows its handle as 8 upper-case hex digits;
// it is not marked, has no closing line, and counts as failed.
TEST_F(MarkingFaultTest, FaxThatCantBeLoadedIsReportedAndSkipped) {
  addFault({"load_fax", "42", "--target", "APP0005E"});
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", "*"});
  EXPECT_EQ(result.out(), worldRun(markingPass(markedInTurn({"APP0001A", "B0000102", "B0000104"}) +
                                                   "4/4 APP0005E\n"
                                                   "Can't retrieve fax: APP0005E (ABCDEF01)\n",
                                               "faxes:4 marked:3 failed:1 skipped:0 total:4\n"
                                               "recv:2 sent:2 viewed:1 pages:11 errs:1\n")));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(callsOf(result.trace, "InkStampFax"),
            "InkStampFax(1, 101, 3) = 0\n"
            "InkStampFax(1, 102, 3) = 0\n"
            "InkStampFax(1, 104, 3) = 0\n");
  EXPECT_EQ(store_.marks("APP0005E"), "none");
}

// A failed mark doesn't stop the fax's other marks; the fax still gets its
// closing line but counts as failed, so the next progress line's first
// number stays where it was.
TEST_F(MarkingFaultTest, FailedMarkLeavesTheOtherMarksSent) {
  addFault({"mark", "43", "--target", "APP0001A", "--mark-code", "3"});
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", "-mv", "-m1", "*"});
  EXPECT_EQ(result.out(), worldRun(markingPass("1/1 APP0001A\n"
                                               "Can't mark fax: APP0001A (00000065)\n"
                                               "  -> marked\n"
                                               "1/2 B0000102\n"
                                               "  -> marked\n"
                                               "2/3 B0000104\n"
                                               "  -> marked\n"
                                               "3/4 APP0005E\n"
                                               "  -> marked\n",
                                               "faxes:4 marked:3 failed:1 skipped:0 total:4\n"
                                               "recv:2 sent:2 viewed:1 pages:11 errs:1\n")));
  EXPECT_EQ(result.status(), 0);
  std::string trace = result.trace;
  EXPECT_EQ(callsOf(trace.substr(0, trace.find("RFaxLoadFax3(1, 102")), "InkStampFax"),
            "InkStampFax(1, 101, 3) = 43\n"
            "InkStampFax(1, 101, 0) = 0\n"
            "InkStampFax(1, 101, 10) = 0\n");
  EXPECT_EQ(store_.marks("APP0001A"), "viewed user1");
  EXPECT_EQ(store_.marks("B0000102"), "viewed printed user1");
}

// A refused list ends the pass at once: no summary, and no list to close.
TEST_F(MarkingFaultTest, RefusedFaxListEndsThePassWithStatus0) {
  addFault({"fax_list", "45"});
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-t", "-mp", "*"});
  EXPECT_EQ(result.out(), worldRun("Retrieving fax list...\n"
                                   "Can't retrieve fax list for user: ALICE\n"));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(result.trace, worldTraceHead() +
                              "RFaxGetFaxList(1, \"ALICE\", 1, 65535, 0) = 45\n"
                              "RFaxCloseServerHandle(1) = 0\n");
}

// A failed sort is reported and the pass goes on with the list as it was.
TEST_F(MarkingFaultTest, FailedSortLeavesTheListInItsOrder) {
  addFault({"sort", "46"});
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-tr", "-mp", "*"});
  EXPECT_EQ(result.out(),
            worldRun("Retrieving fax list...\n"
                     "Sorting fax list by date...\n"
                     "Can't sort the fax list for user: ALICE\n"
                     "\n" +
                     markedInTurn({"APP0001A", "B0000102", "B0000104", "APP0005E"}) + "\n" +
                     "faxes:4 marked:4 failed:0 skipped:0 total:4\n"
                     "recv:2 sent:2 viewed:1 pages:11 errs:1\n"));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(callsOf(result.trace, "RFaxListSort") + callsOf(result.trace, "RFaxCloseListHandle"),
            "RFaxListSort(1) = 46\n"
            "RFaxCloseListHandle(1) = 0\n");
}

}  // namespace
}  // namespace e2e
