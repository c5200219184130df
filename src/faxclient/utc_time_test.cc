// The calendar fields of times before and after 1970, on leap days and far
// beyond the years <chrono> holds, and the way back to days since 1970.
#include "faxclient/utc_time.h"

#include <stdint.h>

#include <gtest/gtest.h>

namespace faxclient {
namespace {

int64_t secondsOf(const UtcTime& time) {
  return daysFromCivil(time.year, time.month, time.day) * kSecondsPerDay + time.hour * 3600 +
         time.minute * 60 + time.second;
}

TEST(UtcTimeTest, SplitsIntoCalendarFields) {
  struct Case {
    int64_t seconds;
    UtcTime time;
  } cases[] = {
      {0, {1970, 1, 1, 0, 0, 0}},
      {-1, {1969, 12, 31, 23, 59, 59}},
      {951782400, {2000, 2, 29, 0, 0, 0}},  // 2000 is a leap year
      {INT32_MIN, {1901, 12, 13, 20, 45, 52}},
      {INT32_MAX, {2038, 1, 19, 3, 14, 7}},
      // 400 years on, the same day; chrono's years end at 32767.
      {951782400 + 100 * 146097 * kSecondsPerDay, {42000, 2, 29, 0, 0, 0}},
      {-62135596800 - 100 * 146097 * kSecondsPerDay, {-39999, 1, 1, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    UtcTime time = splitUtcTime(c.seconds);
    EXPECT_EQ(time.year, c.time.year) << c.seconds;
    EXPECT_EQ(time.month, c.time.month) << c.seconds;
    EXPECT_EQ(time.day, c.time.day) << c.seconds;
    EXPECT_EQ(time.hour, c.time.hour) << c.seconds;
    EXPECT_EQ(time.minute, c.time.minute) << c.seconds;
    EXPECT_EQ(time.second, c.time.second) << c.seconds;
    EXPECT_EQ(secondsOf(time), c.seconds);
  }
}

TEST(UtcTimeTest, EverySixtyFourBitTimeComesBackWhole) {
  for (int64_t seconds : {INT64_MIN, INT64_MIN + 1, INT64_MAX, int64_t{-86400}, int64_t{86399}}) {
    UtcTime time = splitUtcTime(seconds);
    EXPECT_GE(time.month, 1);
    EXPECT_LE(time.day, 31);
    // Counting the days back may leave the 64-bit range only by the seconds
    // of the day, which this adds last.
    int64_t days = daysFromCivil(time.year, time.month, time.day);
    int64_t secondOfDay = time.hour * 3600 + time.minute * 60 + time.second;
    EXPECT_EQ(static_cast<uint64_t>(days) * kSecondsPerDay + secondOfDay,
              static_cast<uint64_t>(seconds))
        << seconds;
  }
}

}  // namespace
}  // namespace faxclient
