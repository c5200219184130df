#include "faxsimtool/dates.h"

#include <gtest/gtest.h>

namespace faxsimtool {
namespace {

int64_t parsed(const char* text) {
  int64_t seconds = -1;
  std::string error;
  EXPECT_TRUE(parseDate(text, &seconds, &error)) << text << ": " << error;
  return seconds;
}

TEST(Dates, ReadsCalendarFormsAndSecondsInUtc) {
  EXPECT_EQ(parsed("1970-01-01"), 0);
  EXPECT_EQ(parsed("2008-12-06"), 1228521600);
  EXPECT_EQ(parsed("2008-12-06 00:00"), 1228521600);
  EXPECT_EQ(parsed("2008-12-06T01:02:03"), 1228521600 + 3723);
  EXPECT_EQ(parsed("2008-02-29"), 1204243200);
  EXPECT_EQ(parsed("1969-12-31 23:59:59"), -1);
  EXPECT_EQ(parsed("-86400"), -86400);
  EXPECT_EQ(parsed("2038-01-19 03:14:07"), INT32_MAX);
  EXPECT_EQ(parsed("1901-12-13 20:45:52"), INT32_MIN);
}

TEST(Dates, RefusesImpossibleMalformedAndOutOfRangeDates) {
  for (const char* text : {"2007-02-29", "2008-13-01", "2008-00-10", "2008-04-31", "2008-1-1",
                           "2008-01-01 24:00", "2008-01-01 10:60", "2008-01-01 10", "2008-01-01 ",
                           "2008-01-01x10:00", "2008-01-01 10:00:00Z", "2038-01-19 03:14:08",
                           "1901-12-13 20:45:51", "2147483648", "yesterday", ""}) {
    int64_t seconds = 5;
    std::string error;
    EXPECT_FALSE(parseDate(text, &seconds, &error)) << text;
    EXPECT_EQ(seconds, 5) << text;
    EXPECT_NE(error.find(std::string("'") + text + "'"), std::string::npos) << error;
  }
}

TEST(Dates, FormatsToTheMinuteInUtcBeforeAndAfter1970) {
  EXPECT_EQ(formatDateMinute(0), "1970-01-01 00:00");
  EXPECT_EQ(formatDateMinute(1228521600 + 3723), "2008-12-06 01:02");
  EXPECT_EQ(formatDateMinute(-1), "1969-12-31 23:59");
  EXPECT_EQ(formatDateMinute(INT32_MIN), "1901-12-13 20:45");
  EXPECT_EQ(formatDateMinute(INT32_MAX), "2038-01-19 03:14");
  EXPECT_EQ(formatDateMinute(951782400), "2000-02-29 00:00");
}

}  // namespace
}  // namespace faxsimtool
