// The calendar is <chrono>'s. Its year holds only -32767 to 32767, so whole
// 400-year cycles, after which the Gregorian calendar repeats day for day,
// are taken out before it is asked and added back after: every 64-bit time
// comes out exact, and the 32-bit record dates never need the cycles.
#include "faxclient/utc_time.h"

#include <chrono>

namespace faxclient {

namespace {

constexpr int64_t kDaysPerCycle = 146097;
constexpr int64_t kYearsPerCycle = 400;

// The quotient rounded towards minus infinity.
int64_t floorDivide(int64_t value, int64_t divisor) {
  int64_t quotient = value / divisor;
  return value % divisor < 0 ? quotient - 1 : quotient;
}

}  // namespace

UtcTime splitUtcTime(int64_t seconds) {
  using namespace std::chrono;
  int64_t dayCount = floorDivide(seconds, kSecondsPerDay);
  // seconds % kSecondsPerDay never overflows, unlike dayCount * kSecondsPerDay.
  int64_t secondOfDay = seconds % kSecondsPerDay;
  if (secondOfDay < 0)
    secondOfDay += kSecondsPerDay;
  int64_t cycles = floorDivide(dayCount, kDaysPerCycle);
  year_month_day date{sys_days{days{dayCount - cycles * kDaysPerCycle}}};
  hh_mm_ss<std::chrono::seconds> clock{std::chrono::seconds{secondOfDay}};
  return UtcTime{.year = static_cast<int>(date.year()) + cycles * kYearsPerCycle,
                 .month = static_cast<int>(static_cast<unsigned>(date.month())),
                 .day = static_cast<int>(static_cast<unsigned>(date.day())),
                 .hour = static_cast<int>(clock.hours().count()),
                 .minute = static_cast<int>(clock.minutes().count()),
                 .second = static_cast<int>(clock.seconds().count())};
}

int64_t daysFromCivil(int64_t year, int month, int day) {
  using namespace std::chrono;
  int64_t cycles = floorDivide(year, kYearsPerCycle);
  auto yearInCycle = static_cast<int>(year - cycles * kYearsPerCycle);
  sys_days date{std::chrono::year{yearInCycle} / month / day};
  return date.time_since_epoch().count() + cycles * kDaysPerCycle;
}

}  // namespace faxclient
