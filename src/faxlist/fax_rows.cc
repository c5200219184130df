// The table rows and CSV records of faxlist.
#include "faxlist/fax_rows.h"

#include <inttypes.h>
#include <string.h>

namespace {

const int64_t kSecondsPerDay = 86400;

// Howard Hinnant's civil_from_days: exact for every day, before 1970 too,
// where the platforms' gmtime differ (Windows refuses negative times).
void civilFromDays(int64_t days, int64_t* year, int* month, int* day) {
  days += 719468;
  int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  int64_t dayOfEra = days - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  *day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  *month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  *year = yearOfEra + era * 400 + (*month <= 2 ? 1 : 0);
}

const char* directionName(uint32_t flags) {
  return (flags & kFaxFlagReceived) != 0 ? "recv" : "sent";
}

const char* viewedName(uint32_t flags) {
  return (flags & kFaxFlagViewed) != 0 ? "yes" : "no";
}

// The columns after the fax ID, the same in both forms, with `format`
// saying how they are separated and ended.
void printColumnsAfterId(FILE* stream, const FaxListElement* fax, const char* format) {
  uint32_t flags = fax->flags;
  int16_t pages = fax->pages;
  uint16_t errorCode = fax->errorCode;
  uint32_t handle = fax->faxHandle;
  fprintf(stream, format, directionName(flags), formatUtcDate(fax->date).text,
          static_cast<int>(pages), viewedName(flags), static_cast<unsigned>(errorCode), handle);
}

// The fax ID within its field: the library may leave it unterminated.
size_t faxIdLength(const FaxListElement* fax) {
  const void* end = memchr(fax->faxId, '\0', sizeof fax->faxId);
  return end != nullptr ? static_cast<size_t>(static_cast<const char*>(end) - fax->faxId)
                        : sizeof fax->faxId;
}

// RFC 4180 quotes a field that holds a separator, a quote or a line end.
bool needsQuotes(const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (text[i] == ',' || text[i] == '"' || text[i] == '\r' || text[i] == '\n')
      return true;
  }
  return false;
}

}  // namespace

UtcText formatUtcDate(int32_t seconds) {
  int64_t days = seconds / kSecondsPerDay;
  int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  int64_t year = 0;
  int month = 0, day = 0;
  civilFromDays(days, &year, &month, &day);
  UtcText result;
  snprintf(result.text, sizeof result.text, "%04d-%02d-%02d %02d:%02d:%02d", static_cast<int>(year),
           month, day, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
           static_cast<int>(rest % 60));
  return result;
}

void printTableHeading(FILE* output) {
  fprintf(output, "%-20s %-4s %-19s %6s %-6s %5s %s\n", "Fax ID", "Dir", "Date (UTC)", "Pages",
          "Viewed", "Error", "Handle");
}

void printTableRow(FILE* output, const FaxListElement* fax) {
  fprintf(output, "%-20.*s", static_cast<int>(faxIdLength(fax)), fax->faxId);
  printColumnsAfterId(output, fax, " %-4s %-19s %6d %-6s %5u %08" PRIX32 "\n");
}

void writeCsvHeader(FILE* csv) {
  fprintf(csv, "Fax ID,Dir,Date (UTC),Pages,Viewed,Error,Handle\r\n");
}

void writeCsvRecord(FILE* csv, const FaxListElement* fax) {
  const char* id = fax->faxId;
  size_t length = faxIdLength(fax);
  bool quoted = needsQuotes(id, length);
  if (quoted)
    fputc('"', csv);
  for (size_t i = 0; i < length; ++i) {
    if (id[i] == '"')
      fputc('"', csv);
    fputc(id[i], csv);
  }
  if (quoted)
    fputc('"', csv);
  printColumnsAfterId(csv, fax, ",%s,%s,%d,%s,%u,%08" PRIX32 "\r\n");
}
