// The version that RFaxGetAPIVersion reports: the store's setting when it
// has one, else the library's own release time stamp.
#ifndef INKSTAMP_FAXSIM_API_VERSION_H_
#define INKSTAMP_FAXSIM_API_VERSION_H_

#include <stdint.h>

namespace faxsim {

// settings.api_version of the store that the environment names, when it can
// be read and is not NULL; faxclient::kBuiltInApiVersion otherwise.
int32_t readApiVersion();

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_API_VERSION_H_
