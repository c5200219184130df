#include "faxsimtool/values.h"

#include "faxsimtool/exit_status.h"

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

TEST(Quoted, EscapesControlBytesSoMessagesStayOnOneLine) {
  EXPECT_EQ(quoted("a\nb\x7F"), "'a\\x0Ab\\x7F'");
  EXPECT_EQ(quoted(""), "''");
}

}  // namespace
}  // namespace faxsimtool
