// The selection walk over a user's fax list: fetching, sorting by date,
// matching the patterns, the direction filter and the counts.
#include "inkstamp/fax_selection.h"

#include "faxclient/client_values.h"
#include "faxclient/compare_function.h"
#include "inkstamp/wildcard.h"

SortOrder sortOrder = kSortNone;

namespace {

const int32_t kFaxListMode = 1;

// The index of the first of `patterns` that `faxId` matches, or -1; 0 when
// there are no patterns, which select every fax.
int32_t firstMatchingPattern(const char* faxId, char** patterns) {
  if (patterns == nullptr)
    return 0;
  for (int32_t index = 0; patterns[index] != nullptr; ++index) {
    if (matchWildcard(faxId, patterns[index]))
      return index;
  }
  return -1;
}

bool isReceived(uint32_t flags) {
  return (flags & kFaxFlagReceived) != 0;
}

bool directionWanted(uint32_t flags, DirectionFilter directions) {
  return (directions & (isReceived(flags) ? kDirectionReceived : kDirectionSent)) != 0;
}

void countSelected(const FaxListElement* fax, SelectionTallies* tallies) {
  uint32_t flags = fax->flags;
  int16_t pages = fax->pages;
  uint16_t errorCode = fax->errorCode;
  ++tallies->selected;
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

}  // namespace

int32_t compareFaxDates(const FaxListElement* left, const FaxListElement* right) {
  int32_t leftDate = left->date;
  int32_t rightDate = right->date;
  int32_t order = leftDate < rightDate ? -1 : (leftDate > rightDate ? 1 : 0);
  return sortOrder == kSortByDateReversed ? -order : order;
}

bool walkSelection(RFaxServerHandle server, const char* userId, const FaxSelection& selection,
                   FILE* output, SelectedFaxHandler* handler) {
  fprintf(output, "Retrieving fax list...\n");
  fflush(output);

  RFaxListHandle list = 0;
  uint16_t folder = selection.mainFolderOnly ? faxclient::kMainFolder : faxclient::kAllFolders;
  if (RFaxGetFaxList(server, userId, kFaxListMode, folder, 0, &list) != 0) {
    // No list handle was issued, so there is nothing to close.
    fprintf(output, "Can't retrieve fax list for user: %s\n", userId);
    fflush(output);
    return false;
  }

  if (sortOrder != kSortNone) {
    fprintf(output, "Sorting fax list by date...\n");
    fflush(output);
    if (RFaxListSort(list, faxclient::libraryCompare<compareFaxDates>()) != 0) {
      // Going on in the library's order beats doing nothing.
      fprintf(output, "Can't sort the fax list for user: %s\n", userId);
      fflush(output);
    }
  }

  // Each element is read in place and is valid only until the next request,
  // so the program is done with it before the walk moves on. The end of the
  // list and a failed request both end the walk.
  SelectionTallies tallies;
  FaxListElement* fax = nullptr;
  for (RFaxError result = RFaxListGetFirstElementPtr(list, &fax); result == 0 && fax != nullptr;
       result = RFaxListGetNextElementPtr(list, &fax)) {
    uint32_t flags = fax->flags;
    int32_t pattern = firstMatchingPattern(fax->faxId, selection.patterns);
    if (pattern < 0 || !directionWanted(flags, selection.directions)) {
      ++tallies.skipped;
      continue;
    }
    countSelected(fax, &tallies);
    if (selection.patternCounts != nullptr)
      ++selection.patternCounts[pattern];
    handler->onSelected(fax, tallies);
  }

  handler->onWalked(tallies);
  RFaxCloseListHandle(list);
  return true;
}

void printSelectionCounts(FILE* output, const SelectionTallies& tallies,
                          DirectionFilter directions) {
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
}
