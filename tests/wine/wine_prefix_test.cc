// The first test of each architecture: probes whether Wine runs its programs
// on this machine and prepares the Wine prefix (a minute or more on its first
// use). The other tests read the recorded answer.
#include <gtest/gtest.h>

#include "support/wine.h"

using namespace support;

TEST(WinePrefix, Prepare) {
  std::string reason;
  switch (Wine::get().probe(&reason)) {
    case Wine::State::kReady:
      break;
    case Wine::State::kUnavailable:
      GTEST_SKIP() << reason;
    case Wine::State::kBroken:
      FAIL() << reason;
  }
}
