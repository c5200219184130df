// Values beyond the function declarations that the program, the simulator
// library, the in-memory fake and the faxsim tool must agree on: the folder
// selectors of RFaxGetFaxList, the mark codes of InkStampFax and the marking
// option that sends each, the error codes that our two implementations of the
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

// Each mark code with the program's marking option that sends it and a name
// for people, in the order in which the program sends them.
struct MarkCodeName {
  const char* option;
  const char* name;
  MarkCode code;
};
inline constexpr MarkCodeName kMarkCodeNames[] = {
    {"-mp", "printed", kCodePrinted},
    {"-np", "not-printed", kCodeNotPrinted},
    {"-mv", "viewed", kCodeViewed},
    {"-nv", "not-viewed", kCodeNotViewed},
    {"-ma", "approved", kCodeApproved},
    {"-na", "not-approved", kCodeNotApproved},
    {"-mb", "body-printed", kCodeBodyPrinted},
    {"-mr", "released", kCodeReleased},
    {"-nr", "held", kCodeHeld},
    {"-m1", "user1-on", kCodeUser1On},
    {"-n1", "user1-off", kCodeUser1Off},
    {"-m2", "user2-on", kCodeUser2On},
    {"-n2", "user2-off", kCodeUser2Off},
};

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
