// Values beyond the function declarations that the program, the simulator
// library and the in-memory fake must agree on: the folder selectors of
// RFaxGetFaxList, the error codes that our two implementations of the library
// return (the vendor documents no numbers of its own), and the API version
// they report when nothing says otherwise. Each is defined here and nowhere
// else.
#ifndef INKSTAMP_FAXCLIENT_CLIENT_VALUES_H_
#define INKSTAMP_FAXCLIENT_CLIENT_VALUES_H_

#include <stdint.h>

namespace faxclient {

// The `folder` argument of RFaxGetFaxList.
enum FolderSelector : uint16_t {
  kMainFolder = 0xFFFF,
  kAllFolders = 0xFFFD,
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

// What RFaxGetAPIVersion reports unless a store or a test sets another value:
// 2008-12-06 00:00:00 UTC, the day of the program's release.
constexpr int32_t kBuiltInApiVersion = 1228521600;

}  // namespace faxclient

#endif  // INKSTAMP_FAXCLIENT_CLIENT_VALUES_H_
