#include "faxclient/calling_convention.h"

namespace faxclient {

Convention conventionOf(int32_t argumentBytes, int32_t removedBytes) {
  if (argumentBytes == 0)
    return Convention::kUnknown;
  if (removedBytes == argumentBytes)
    return Convention::kStdcall;
  if (removedBytes == 0)
    return Convention::kCdecl;
  return Convention::kNeither;
}

void ConventionDetector::noteCall(const char* function, int32_t argumentBytes,
                                  int32_t removedBytes) {
  if (decided != Convention::kUnknown || argumentBytes == 0)
    return;
  decided = conventionOf(argumentBytes, removedBytes);
  decidingFunction = function;
  givenBytes = argumentBytes;
  takenBytes = removedBytes;
}

ConventionDetector& libraryConvention() {
  static ConventionDetector detector;
  return detector;
}

}  // namespace faxclient
