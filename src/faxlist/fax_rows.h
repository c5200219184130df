// How faxlist shows one selected fax: a row of its table on standard output
// and a record of its CSV file, with the same columns: fax ID, direction,
// date and time in UTC, pages, viewed, error code and handle.
#ifndef INKSTAMP_FAXLIST_FAX_ROWS_H_
#define INKSTAMP_FAXLIST_FAX_ROWS_H_

#include <stdint.h>
#include <stdio.h>

#include "faxclient/fax_records.h"

// A fax date (seconds since 1970-01-01 00:00:00 UTC) as "YYYY-MM-DD
// HH:MM:SS" in UTC, for every signed 32-bit value and on every platform.
struct UtcText {
  char text[32];  // 19 characters and a terminator; room for what the compiler can't rule out
};
UtcText formatUtcDate(int32_t seconds);

// The table's heading line and one row per fax. The fax ID is padded to a
// column of 20 and printed as the server gave it, as inkstamp prints it.
void printTableHeading(FILE* output);
void printTableRow(FILE* output, const FaxListElement* fax);

// The CSV file's header record and one record per fax (RFC 4180: CR LF
// after each record, a fax ID holding a comma, a double quote, CR or LF in
// double quotes with its quotes doubled, every other byte as it is).
void writeCsvHeader(FILE* csv);
void writeCsvRecord(FILE* csv, const FaxListElement* fax);

#endif  // INKSTAMP_FAXLIST_FAX_ROWS_H_
