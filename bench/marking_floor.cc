// The floor of a marking run: the program's client calls and nothing more.
#include "marking_floor.h"

#include <string.h>

namespace {

// The calls' constant arguments, as the program passes them.
const int32_t kRequiredRelease = 0x520;
const uint16_t kMainFolder = 0xFFFF;

// Loads one fax and sends every mark; true when all succeeded.
bool markFax(RFaxServerHandle server, RFaxFaxHandle fax, const std::vector<uint16_t>& codes) {
  unsigned char detail[kFaxDetailSize];
  memset(detail, 0, sizeof detail);
  if (RFaxLoadFax3(server, fax, 0, 3, 0, detail, 11) != 0)
    return false;
  bool allMarked = true;
  for (uint16_t code : codes)
    allMarked = InkStampFax(server, fax, code) == 0 && allMarked;
  return allMarked;
}

void walkList(RFaxServerHandle server, RFaxListHandle list, const FloorRequest& request,
              FloorCounts* counts) {
  FaxListElement* element = nullptr;
  for (RFaxError result = RFaxListGetFirstElementPtr(list, &element); result == 0;
       result = RFaxListGetNextElementPtr(list, &element)) {
    ++counts->walked;
    RFaxFaxHandle fax = element->faxHandle;
    if (fax > request.lastHandle)
      continue;
    if (request.progress != nullptr)
      fprintf(request.progress, "%lld/%lld %s\n", static_cast<long long>(counts->marked + 1),
              static_cast<long long>(counts->walked), element->faxId);
    if (markFax(server, fax, request.markCodes))
      ++counts->marked;
    if (request.progress != nullptr) {
      fprintf(request.progress, "  -> marked\n");
      fflush(request.progress);
    }
  }
}

}  // namespace

bool runMarkingFloor(const FloorRequest& request, FloorCounts* counts) {
  *counts = FloorCounts();
  RFaxGetAPIVersion();
  RFaxError code = 0;
  RFaxServerHandle server = RFaxCreateServerHandle(request.host, 4, &code);
  if (server == 0)
    return false;
  static ServerInfo info;
  UserRecord user;
  memset(&user, 0, sizeof user);
  RFaxListHandle list = 0;
  bool listed = RFaxVersionCheck(server, kRequiredRelease, 0) == 0 &&
                RFaxGetServerInfo2(server, &info) == 0 && RFaxGetServerInfo2(server, &info) == 0 &&
                RFaxLoadUser3(server, 1, 0, request.userId, 0, 0, 0, 0, 11, &user) == 0 &&
                RFaxGetFaxList(server, user.userId, 1, kMainFolder, 0, &list) == 0;
  if (listed) {
    walkList(server, list, request, counts);
    RFaxCloseListHandle(list);
  }
  RFaxCloseServerHandle(server);
  return listed;
}
