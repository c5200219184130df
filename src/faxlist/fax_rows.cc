// The table rows and CSV records of faxlist.
#include "faxlist/fax_rows.h"

#include <inttypes.h>
#include <string.h>

#include "faxclient/utc_time.h"

namespace {

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
  faxclient::UtcTime time = faxclient::splitUtcTime(seconds);
  UtcText result;
  snprintf(result.text, sizeof result.text, "%04d-%02d-%02d %02d:%02d:%02d",
           static_cast<int>(time.year), time.month, time.day, time.hour, time.minute, time.second);
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
