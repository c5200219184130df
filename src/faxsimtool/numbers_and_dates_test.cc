// Numbers and dates in arguments: what is read, what is refused, and dates
// written back.
#include "faxsimtool/numbers_and_dates.h"

#include <gtest/gtest.h>

namespace faxsimtool {
namespace {

TEST(ParseInteger, AcceptsDecimalHexAndNegativeWithinRange) {
  int64_t value = 0;
  std::string error;
  EXPECT_TRUE(parseInteger("42", 0, 100, &value, &error));
  EXPECT_EQ(value, 42);
  EXPECT_TRUE(parseInteger("0x520", 0, 0xFFFF, &value, &error));
  EXPECT_EQ(value, 0x520);
  EXPECT_TRUE(parseInteger("0XfF", 0, 0xFFFF, &value, &error));
  EXPECT_EQ(value, 255);
  EXPECT_TRUE(parseInteger("-2147483648", INT32_MIN, INT32_MAX, &value, &error));
  EXPECT_EQ(value, INT32_MIN);
  EXPECT_TRUE(parseInteger("4294967295", 1, 4294967295, &value, &error));
  EXPECT_EQ(value, 4294967295);
}

TEST(ParseInteger, RefusesAnythingButAWholeNumberAndLeavesTheValue) {
  for (const char* text : {"", "-", "+5", "5 ", " 5", "12a", "0x", "0x1g", "--5", "-+5", "1e3",
                           "1.0", "0x-5", "abc"}) {
    int64_t value = 7;
    std::string error;
    EXPECT_FALSE(parseInteger(text, INT32_MIN, INT32_MAX, &value, &error)) << text;
    EXPECT_EQ(value, 7) << text;
    std::string expected = "'";
    expected += text;
    expected += "' is not a number";
    EXPECT_EQ(error, expected) << text;
  }
}

TEST(ParseInteger, RefusesOutOfRangeIncludingBeyond64Bits) {
  int64_t value = 7;
  std::string error;
  EXPECT_FALSE(parseInteger("32768", INT16_MIN, INT16_MAX, &value, &error));
  EXPECT_EQ(error, "'32768' is out of range (-32768 to 32767)");
  EXPECT_FALSE(parseInteger("99999999999999999999999", 0, 10, &value, &error));
  EXPECT_EQ(error, "'99999999999999999999999' is out of range (0 to 10)");
  EXPECT_FALSE(parseInteger("-99999999999999999999999", 0, 10, &value, &error));
  EXPECT_FALSE(parseInteger("0", 1, 10, &value, &error));
  EXPECT_EQ(value, 7);
}

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
  for (const char* text :
       {"2007-02-29", "2008-01-32", "2008-13-01", "2008-00-10", "2008-04-31", "2008-1-1",
        "2008-01-01 24:00", "2008-01-01 10:60", "2008-01-01 10", "2008-01-01 ", "2008-01-01x10:00",
        "2008-01-01 10:00:00Z", "2038-01-19 03:14:08", "1901-12-13 20:45:51", "2147483648",
        "yesterday", ""}) {
    int64_t seconds = 5;
    std::string error;
    EXPECT_FALSE(parseDate(text, &seconds, &error)) << text;
    EXPECT_EQ(seconds, 5) << text;
    EXPECT_NE(error.find(std::string("'") + text + "'"), std::string::npos) << error;
  }
}

TEST(Dates, ARefusalSaysWhichFormsADateTakesUnlessItIsANumberOutOfRange) {
  const std::string forms =
      " is not a date (YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS] in UTC, or seconds since 1970)";
  for (const char* text : {"tomorrow", "2008-02-30", "12a", ""}) {
    int64_t seconds = 5;
    std::string error;
    EXPECT_FALSE(parseDate(text, &seconds, &error));
    EXPECT_EQ(error, std::string("'") + text + "'" + forms);
  }
  int64_t seconds = 5;
  std::string error;
  EXPECT_FALSE(parseDate("2147483648", &seconds, &error));
  EXPECT_EQ(error, "'2147483648' is out of range (-2147483648 to 2147483647)");
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
