// The marking pass: fetching the user's fax list, sorting it by date,
// selecting faxes by pattern and direction, marking each selected fax, and
// the summary of counts.
#include <stdio.h>

#include "faxclient/client_values.h"
#include "inkstamp/mark_program.h"
#include "inkstamp/wildcard.h"

SortOrder sortOrder = kSortNone;

namespace {

const int32_t kFaxListMode = 1;

// What one pass counts.
struct Tallies {
  int32_t selected = 0;
  int32_t marked = 0;
  int32_t skipped = 0;
  int32_t received = 0;
  int32_t sent = 0;
  int32_t viewed = 0;
  // Page counts come from the server; summed as 32-bit arithmetic wraps,
  // without signed overflow.
  uint32_t pages = 0;
  int32_t errors = 0;
};

bool matchesAnyPattern(const char* faxId, char** patterns) {
  for (char** pattern = patterns; *pattern != nullptr; ++pattern) {
    if (matchWildcard(faxId, *pattern))
      return true;
  }
  return false;
}

bool isReceived(uint32_t flags) {
  return (flags & kFaxFlagReceived) != 0;
}

bool directionWanted(uint32_t flags, DirectionFilter directions) {
  return (directions & (isReceived(flags) ? kDirectionReceived : kDirectionSent)) != 0;
}

void countSelected(const FaxListElement* fax, Tallies* tallies) {
  uint32_t flags = fax->flags;
  int16_t pages = fax->pages;
  uint16_t errorCode = fax->errorCode;
  tallies->pages += static_cast<uint32_t>(static_cast<int32_t>(pages));
  if (errorCode != 0)
    ++tallies->errors;
  if (isReceived(flags)) {
    ++tallies->received;
  } else {
    ++tallies->sent;
  }
  if ((flags & kFaxFlagViewed) != 0)
    ++tallies->viewed;
}

void printSummary(FILE* output, const Tallies& tallies, DirectionFilter directions) {
  fprintf(output, "\n");
  fprintf(output, "faxes:%d marked:%d failed:%d skipped:%d total:%d\n", tallies.selected,
          tallies.marked, tallies.selected - tallies.marked, tallies.skipped,
          tallies.selected + tallies.skipped);
  if ((directions & kDirectionReceived) != 0) {
    fprintf(output, "recv:%d", tallies.received);
  } else {
    fprintf(output, "recv:-");
  }
  if ((directions & kDirectionSent) != 0) {
    fprintf(output, " sent:%d", tallies.sent);
  } else {
    fprintf(output, " sent:-");
  }
  fprintf(output, " viewed:%d pages:%d errs:%d\n", tallies.viewed,
          static_cast<int32_t>(tallies.pages), tallies.errors);
  fflush(output);
}

}  // namespace

int32_t RFAXAPI compareFaxDates(const FaxListElement* left, const FaxListElement* right) {
  int32_t leftDate = left->date;
  int32_t rightDate = right->date;
  int32_t order = leftDate < rightDate ? -1 : (leftDate > rightDate ? 1 : 0);
  return sortOrder == kSortByDateReversed ? -order : order;
}

void MarkProgram::markFaxes(DirectionFilter directions, MarkSet marks, char** patterns) {
  Tallies tallies;
  fprintf(output, "Retrieving fax list...\n");
  fflush(output);

  RFaxListHandle list = 0;
  uint16_t folder = mainFolderOnly ? faxclient::kMainFolder : faxclient::kAllFolders;
  if (RFaxGetFaxList(serverHandle, userId, kFaxListMode, folder, 0, &list) != 0) {
    // No list handle was issued, so there is nothing to close.
    fprintf(output, "Can't retrieve fax list for user: %s\n", userId);
    fflush(output);
    return;
  }

  if (sortOrder != kSortNone) {
    fprintf(output, "Sorting fax list by date...\n");
    fflush(output);
    if (RFaxListSort(list, compareFaxDates) != 0) {
      // Marking in the library's order beats marking nothing.
      fprintf(output, "Can't sort the fax list for user: %s\n", userId);
      fflush(output);
    }
  }

  // Each element is read in place and is valid only until the next request,
  // so its fax is marked before the walk moves on. The end of the list and a
  // failed request both end the walk.
  FaxListElement* fax = nullptr;
  for (RFaxError result = RFaxListGetFirstElementPtr(list, &fax); result == 0 && fax != nullptr;
       result = RFaxListGetNextElementPtr(list, &fax)) {
    uint32_t flags = fax->flags;
    if (!matchesAnyPattern(fax->faxId, patterns) || !directionWanted(flags, directions)) {
      ++tallies.skipped;
      continue;
    }
    if (++tallies.selected == 1)
      fprintf(output, "\n");
    countSelected(fax, &tallies);
    // Numbered by the faxes marked so far, then by the selected ones.
    fprintf(output, "%d/%d %s\n", tallies.marked + 1, tallies.selected, fax->faxId);
    if (markOneFax(fax, marks))
      ++tallies.marked;
  }

  printSummary(output, tallies, directions);
  RFaxCloseListHandle(list);
}
