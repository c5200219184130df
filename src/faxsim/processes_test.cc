// Several processes on one store: a mark reported as done survives the
// process that made it, and processes marking at once lose nothing.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "support/simulator_test.h"

namespace faxsim {
namespace {

using support::SimulatorTest;

constexpr int kFaxes = 200;

class ProcessesTest : public SimulatorTest {
 protected:
  void SetUp() override {
    SimulatorTest::SetUp();
    ASSERT_TRUE(store_.addFaxes("faxsrv", "ALICE", 1, kFaxes));
    store_.closeDb();  // a child must not inherit an open connection
  }

  // Runs `work` in a child process with a connection of its own; the child
  // exits with 0 only if every call succeeded.
  template <typename Work>
  static pid_t spawn(Work work) {
    pid_t pid = fork();
    if (pid == 0) {
      RFaxError code = 0;
      RFaxServerHandle server = RFaxCreateServerHandle("faxsrv", 4, &code);
      _exit(server != 0 && work(server) ? 0 : 1);
    }
    return pid;
  }

  static int exitStatus(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
      return -1;
    if (WIFSIGNALED(status))
      return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
  }
};

TEST_F(ProcessesTest, MarksSurviveAProcessKilledRightAfter) {
  pid_t child = spawn([](RFaxServerHandle server) {
    for (int fax = 1; fax <= 10; ++fax) {
      if (InkStampFax(server, fax, 3) != 0)
        return false;
    }
    kill(getpid(), SIGKILL);  // no close, no exit handlers
    return false;
  });
  ASSERT_EQ(exitStatus(child), 128 + SIGKILL);
  EXPECT_EQ(store_.queryInt("SELECT count(*) FROM faxes WHERE printed = 1"), 10);
}

TEST_F(ProcessesTest, TwoProcessesMarkingAtOnceLoseNothing) {
  // Each child sets its own marks on every fax, in opposite orders, so the
  // two contend for the same rows throughout.
  auto marker = [](uint16_t first, uint16_t second, bool forward) {
    return [=](RFaxServerHandle server) {
      for (int i = 0; i < kFaxes; ++i) {
        RFaxFaxHandle fax = forward ? 1 + i : kFaxes - i;
        if (InkStampFax(server, fax, first) != 0 || InkStampFax(server, fax, second) != 0)
          return false;
      }
      return true;
    };
  };
  pid_t a = spawn(marker(3, 10, true));   // printed, user 1
  pid_t b = spawn(marker(8, 12, false));  // approved, user 2
  ASSERT_EQ(exitStatus(a), 0);
  ASSERT_EQ(exitStatus(b), 0);
  EXPECT_EQ(store_.queryInt("SELECT count(*) FROM faxes"
                            " WHERE printed = 1 AND user1 = 1 AND approved = 1 AND user2 = 1"),
            kFaxes);
}

}  // namespace
}  // namespace faxsim
