#include "faxclient/calling_convention.h"

#include <gtest/gtest.h>

using faxclient::Convention;
using faxclient::ConventionDetector;
using faxclient::conventionOf;

TEST(ConventionOf, TellsWhoRemovedTheArguments) {
  EXPECT_EQ(conventionOf(12, 12), Convention::kStdcall);
  EXPECT_EQ(conventionOf(12, 0), Convention::kCdecl);
  EXPECT_EQ(conventionOf(12, 8), Convention::kNeither);
  EXPECT_EQ(conventionOf(12, 16), Convention::kNeither);
  EXPECT_EQ(conventionOf(12, -4), Convention::kNeither);
  EXPECT_EQ(conventionOf(0, 0), Convention::kUnknown);
}

TEST(ConventionDetector, TheFirstCallWithArgumentsDecides) {
  ConventionDetector detector;
  detector.noteCall("RFaxGetAPIVersion", 0, 0);
  EXPECT_EQ(detector.convention(), Convention::kUnknown);
  detector.noteCall("RFaxCreateServerHandle", 12, 8);
  detector.noteCall("RFaxVersionCheck", 12, 12);
  EXPECT_EQ(detector.convention(), Convention::kNeither);
  EXPECT_STREQ(detector.function(), "RFaxCreateServerHandle");
  EXPECT_EQ(detector.argumentBytes(), 12);
  EXPECT_EQ(detector.removedBytes(), 8);

  ConventionDetector caller;
  caller.noteCall("RFaxCreateServerHandle", 12, 0);
  caller.noteCall("RFaxVersionCheck", 12, 12);
  EXPECT_EQ(caller.convention(), Convention::kCdecl);
}
