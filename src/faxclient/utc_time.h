// The dates of the client's records are seconds since 1970-01-01 00:00:00
// UTC. These turn such a time into its calendar fields and a day back into
// days since 1970, exactly for every value, before 1970 too, where the
// platforms' gmtime differ (Windows refuses negative times).
#ifndef INKSTAMP_FAXCLIENT_UTC_TIME_H_
#define INKSTAMP_FAXCLIENT_UTC_TIME_H_

#include <stdint.h>

namespace faxclient {

constexpr int64_t kSecondsPerDay = 86400;

struct UtcTime {
  int64_t year;
  int month;  // 1 to 12
  int day;    // 1 to 31
  int hour;
  int minute;
  int second;
};

UtcTime splitUtcTime(int64_t seconds);

// The days from 1970-01-01 to the given day of the proleptic Gregorian
// calendar; negative before it.
int64_t daysFromCivil(int64_t year, int month, int day);

}  // namespace faxclient

#endif  // INKSTAMP_FAXCLIENT_UTC_TIME_H_
