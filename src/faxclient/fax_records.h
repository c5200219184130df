// The records that the client library fills: one fax of a list, the server's
// information block and a user's record. Their layouts are the library's and
// little-endian; the offsets below are what the program relies on, so every
// one of them is checked at compile time. The records are packed: ServerInfo's
// 32-bit Bias lies at offset 398, which is not a multiple of 4.
//
// Read fields by value (never take the address of a packed member), and read
// text fields only within their field, since a library may leave one
// unterminated.
#ifndef INKSTAMP_FAXCLIENT_FAX_RECORDS_H_
#define INKSTAMP_FAXCLIENT_FAX_RECORDS_H_

#include <stddef.h>
#include <stdint.h>

#pragma pack(push, 1)

// One fax of a list, read in place through the library's pointer. The program
// reads only the six named fields; the record's other bytes and its total
// size are the library's (the simulator's records are 256 bytes, faxId
// included, so its faxId holds at most 83 bytes and a terminator).
typedef struct FaxListElement {
  uint32_t faxHandle;       // 0: names the fax in RFaxLoadFax3 and InkStampFax
  uint32_t flags;           // 4: see kFaxFlag* below
  int32_t date;             // 8: sort key; only its order matters
  uint8_t reserved12[92];   // 12
  int16_t pages;            // 104: page count
  uint8_t reserved106[2];   // 106
  uint16_t errorCode;       // 108: 0 = no error
  uint8_t reserved110[62];  // 110
  char faxId[84];           // 172: NUL-terminated ID the patterns match
} FaxListElement;

enum {
  kFaxFlagViewed = 0x04,
  kFaxFlagReceived = 0x10,  // clear: a sent fax
};

// The server's time zone, laid out as Windows' TIME_ZONE_INFORMATION
// (names are WCHAR[32], dates are 16-byte SYSTEMTIMEs); biases in minutes.
typedef struct TimeZoneRecord {
  int32_t Bias;              // 0
  uint8_t StandardName[64];  // 4
  uint8_t StandardDate[16];  // 68
  int32_t StandardBias;      // 84
  uint8_t DaylightName[64];  // 88
  uint8_t DaylightDate[16];  // 152
  int32_t DaylightBias;      // 168
} TimeZoneRecord;

// The server-information block that RFaxGetServerInfo2 fills.
typedef struct ServerInfo {
  uint8_t reserved0[12];     // 0
  char description[384];     // 12: NUL-terminated, ends at offset 395 at most
  int16_t timeZoneState;     // 396: 2 standard time, 3 daylight time
  TimeZoneRecord timeZone;   // 398
  uint8_t reserved570[334];  // 570
} ServerInfo;

enum {
  kTimeZoneStandard = 2,
  kTimeZoneDaylight = 3,
};

// The user record that RFaxLoadUser3 fills.
typedef struct UserRecord {
  uint8_t reserved0[6];  // 0
  char qualifier[26];    // 6: shown before the backslash, terminator included
  char userId[22];       // 32: the ID the fax list is fetched under
  char name[1848];       // 54: NUL-terminated, up to the record's end
} UserRecord;

#pragma pack(pop)

#ifdef __cplusplus
static_assert(offsetof(FaxListElement, faxHandle) == 0, "faxHandle");
static_assert(offsetof(FaxListElement, flags) == 4, "flags");
static_assert(offsetof(FaxListElement, date) == 8, "date");
static_assert(offsetof(FaxListElement, pages) == 104, "pages");
static_assert(offsetof(FaxListElement, errorCode) == 108, "errorCode");
static_assert(offsetof(FaxListElement, faxId) == 172, "faxId");
static_assert(sizeof(FaxListElement) == 256, "the simulator's element size");

static_assert(sizeof(TimeZoneRecord) == 172, "TIME_ZONE_INFORMATION");
static_assert(offsetof(ServerInfo, description) == 12, "description");
static_assert(offsetof(ServerInfo, timeZoneState) == 396, "time-zone state");
// The time-zone record's fields, at their offsets in the server record.
constexpr size_t kTimeZoneAt = offsetof(ServerInfo, timeZone);
static_assert(kTimeZoneAt + offsetof(TimeZoneRecord, Bias) == 398, "Bias");
static_assert(kTimeZoneAt + offsetof(TimeZoneRecord, StandardName) == 402, "StandardName");
static_assert(kTimeZoneAt + offsetof(TimeZoneRecord, StandardDate) == 466, "StandardDate");
static_assert(kTimeZoneAt + offsetof(TimeZoneRecord, StandardBias) == 482, "StandardBias");
static_assert(kTimeZoneAt + offsetof(TimeZoneRecord, DaylightName) == 486, "DaylightName");
static_assert(kTimeZoneAt + offsetof(TimeZoneRecord, DaylightDate) == 550, "DaylightDate");
static_assert(kTimeZoneAt + offsetof(TimeZoneRecord, DaylightBias) == 566, "DaylightBias");
static_assert(offsetof(ServerInfo, reserved570) == 570, "end of the time-zone record");
static_assert(sizeof(ServerInfo) == 904, "ServerInfo");

static_assert(offsetof(UserRecord, qualifier) == 6, "qualifier");
static_assert(offsetof(UserRecord, userId) == 32, "userId");
static_assert(offsetof(UserRecord, name) == 54, "name");
static_assert(sizeof(UserRecord) == 1902, "UserRecord");
#endif

#endif  // INKSTAMP_FAXCLIENT_FAX_RECORDS_H_
