// Values beyond the function declarations that the program, the simulator
// library, the in-memory fake and the faxsim tool must agree on: the folder
// selectors of RFaxGetFaxList, the mark codes of InkStampFax and the marking
// options that send them, the error codes that our two implementations of the
// library return (the vendor documents no numbers of its own), and the API
// version they report when nothing says otherwise. Each is defined here and
// nowhere else.
#ifndef INKSTAMP_FAXCLIENT_CLIENT_VALUES_H_
#define INKSTAMP_FAXCLIENT_CLIENT_VALUES_H_

#include <stdint.h>

namespace faxclient {

// The `folder` argument of RFaxGetFaxList.
enum FolderSelector : uint16_t {
  kMainFolder = 0xFFFF,
  kAllFolders = 0xFFFD,
};

// The `code` argument of InkStampFax. Code 2 is no mark.
enum MarkCode : uint16_t {
  kCodeViewed = 0,
  kCodeNotViewed = 1,
  kCodePrinted = 3,
  kCodeNotPrinted = 4,  // also clears body printed
  kCodeReleased = 5,
  kCodeHeld = 6,
  kCodeBodyPrinted = 7,
  kCodeApproved = 8,
  kCodeNotApproved = 9,
  kCodeUser1On = 10,
  kCodeUser1Off = 11,
  kCodeUser2On = 12,
  kCodeUser2Off = 13,
};

// The program's marking options, one row each, in the order in which the
// program sends their marks to a fax: the option, a name for people, the code
// it sends, its bit in the program's set of requested marks, and the bits of
// the options that it can't go with. Every other table of marks (the option
// rules, the sending order, the names that faxlist and faxsim show) is read
// from this one.
struct MarkOption {
  const char* option;
  const char* name;
  MarkCode code;
  uint32_t bit;
  uint32_t excludes;
};
// Printed and body printed may go together, and each excludes not printed;
// every other mark excludes only its opposite. Body printed is sent after the
// approval marks, not in bit order, and bit 0x0200 carries no mark.
inline constexpr MarkOption kMarkOptions[] = {
    {"-mp", "printed", kCodePrinted, 0x0001, 0x0002},
    {"-np", "not-printed", kCodeNotPrinted, 0x0002, 0x0001 | 0x0100},
    {"-mv", "viewed", kCodeViewed, 0x0004, 0x0008},
    {"-nv", "not-viewed", kCodeNotViewed, 0x0008, 0x0004},
    {"-ma", "approved", kCodeApproved, 0x0010, 0x0020},
    {"-na", "not-approved", kCodeNotApproved, 0x0020, 0x0010},
    {"-mb", "body-printed", kCodeBodyPrinted, 0x0100, 0x0002},
    {"-mr", "released", kCodeReleased, 0x0040, 0x0080},
    {"-nr", "held", kCodeHeld, 0x0080, 0x0040},
    {"-m1", "user1-on", kCodeUser1On, 0x0400, 0x0800},
    {"-n1", "user1-off", kCodeUser1Off, 0x0800, 0x0400},
    {"-m2", "user2-on", kCodeUser2On, 0x1000, 0x2000},
    {"-n2", "user2-off", kCodeUser2Off, 0x2000, 0x1000},
};

// The rows' bits are distinct single bits, and exclusion goes both ways, so
// that the order in which two options are given never matters.
constexpr bool markOptionsAreConsistent() {
  for (const MarkOption& row : kMarkOptions) {
    if (row.bit == 0 || (row.bit & (row.bit - 1)) != 0 || (row.excludes & row.bit) != 0)
      return false;
    for (const MarkOption& other : kMarkOptions) {
      if (&other != &row && (other.bit == row.bit || ((row.excludes & other.bit) != 0) !=
                                                         ((other.excludes & row.bit) != 0)))
        return false;
    }
  }
  return true;
}
static_assert(markOptionsAreConsistent());

// Error codes of the simulator and the fake; RFaxStringRFaxErr gives the text.
enum ErrorCode : int32_t {
  kNoError = 0,
  kInvalidHandle = 1,
  kServerNotFound = 2,
  kStoreUnavailable = 3,
  kUserNotFound = 4,
  kFaxNotFound = 5,
  kInvalidMarkCode = 6,
  kEndOfList = 7,
  kReleaseTooOld = 8,
  kInvalidArgument = 9,
};

// The text that RFaxStringRFaxErr gives for each code above, unless a store
// or a test names another; nullptr for any other code.
constexpr const char* builtInErrorText(int32_t code) {
  constexpr const char* kTexts[] = {
      "No error",
      "Invalid handle",
      "Server not found",
      "Fax store unavailable",
      "User not found",
      "Fax not found",
      "Invalid mark code",
      "End of list",
      "Server release too old",
      "Invalid argument",
  };
  return code >= kNoError && code <= kInvalidArgument ? kTexts[code] : nullptr;
}

// What RFaxGetAPIVersion reports unless a store or a test sets another value:
// 2008-12-06 00:00:00 UTC, the day of the program's release.
constexpr int32_t kBuiltInApiVersion = 1228521600;

}  // namespace faxclient

#endif  // INKSTAMP_FAXCLIENT_CLIENT_VALUES_H_
