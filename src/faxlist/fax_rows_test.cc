// The table row and CSV record of one fax: the columns, and the UTC date over
// the whole 32-bit range. (Awkward fax IDs in the CSV file are the end-to-end
// tests' business.)
#include "faxlist/fax_rows.h"

#include <stdio.h>

#include <string>

#include <gtest/gtest.h>

#include "fakeclient/fake_client.h"
#include "support/files.h"

namespace {

template <typename Write>
std::string written(Write write) {
  FILE* file = tmpfile();
  EXPECT_NE(file, nullptr);
  write(file);
  std::string text = support::readStream(file);
  fclose(file);
  return text;
}

TEST(FaxRowsTest, DatesShowInUtcBeforeAndAfter1970) {
  EXPECT_STREQ(formatUtcDate(0).text, "1970-01-01 00:00:00");
  EXPECT_STREQ(formatUtcDate(-1).text, "1969-12-31 23:59:59");
  EXPECT_STREQ(formatUtcDate(951782400).text, "2000-02-29 00:00:00");
  EXPECT_STREQ(formatUtcDate(INT32_MAX).text, "2038-01-19 03:14:07");
  EXPECT_STREQ(formatUtcDate(INT32_MIN).text, "1901-12-13 20:45:52");
}

TEST(FaxRowsTest, TableRowAndCsvRecordHoldTheSameColumns) {
  FaxListElement sent = fakeclient::makeElement(0xABCDEF01, kFaxFlagViewed, 1225703700, -1, 65535,
                                                "APP0438B2C87FE62B9");
  FaxListElement received = fakeclient::makeElement(0x1F, kFaxFlagReceived, -86400, 3, 0, "B9");
  EXPECT_EQ(written([&](FILE* f) {
              printTableHeading(f);
              printTableRow(f, &sent);
              printTableRow(f, &received);
            }),
            "Fax ID               Dir  Date (UTC)           Pages Viewed Error Handle\n"
            "APP0438B2C87FE62B9   sent 2008-11-03 09:15:00     -1 yes    65535 ABCDEF01\n"
            "B9                   recv 1969-12-31 00:00:00      3 no         0 0000001F\n");
  EXPECT_EQ(written([&](FILE* f) {
              writeCsvHeader(f);
              writeCsvRecord(f, &sent);
            }),
            "Fax ID,Dir,Date (UTC),Pages,Viewed,Error,Handle\r\n"
            "APP0438B2C87FE62B9,sent,2008-11-03 09:15:00,-1,yes,65535,ABCDEF01\r\n");
}

}  // namespace
