// The version that RFaxGetAPIVersion reports: the store's setting when it
// has one, else the library's own release time stamp.
#ifndef INKSTAMP_FAXSIM_API_VERSION_H_
#define INKSTAMP_FAXSIM_API_VERSION_H_

#include <stdint.h>

namespace faxsim {

// 2008-12-06 00:00:00 UTC, the day of the program's release.
constexpr int32_t kLibraryApiVersion = 1228521600;

// settings.api_version of the store that the environment names, when it can
// be read and is not NULL; kLibraryApiVersion otherwise.
int32_t readApiVersion();

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_API_VERSION_H_
