// The selection that inkstamp marks and faxlist shows: one walk over a user's
// fax list, fetched from the chosen folders and sorted by date through the
// client library on request, that selects each fax whose ID matches a
// pattern and whose direction is wanted, counts what it selects and hands
// each selected fax to the program. Both programs run this one walk, so that
// faxlist shows exactly the faxes that inkstamp, given the same options,
// would mark.
#ifndef INKSTAMP_INKSTAMP_FAX_SELECTION_H_
#define INKSTAMP_INKSTAMP_FAX_SELECTION_H_

#include <stdint.h>
#include <stdio.h>

#include "faxclient/faxclient.h"
#include "inkstamp/shared_options.h"

// The order in which the fax list is sorted. It is process-wide because the
// client library hands the comparison nothing but the two elements.
extern SortOrder sortOrder;

// The comparison handed to RFaxListSort (in the library's convention): -1, 0
// or 1 by `date`, reversed when sortOrder is kSortByDateReversed at the time
// of the call.
int32_t compareFaxDates(const FaxListElement* left, const FaxListElement* right);

// Which faxes a walk selects.
struct FaxSelection {
  DirectionFilter directions = kDirectionBoth;  // never 0
  // The fax-ID patterns, ended by a null entry; null selects every fax of a
  // wanted direction.
  char** patterns = nullptr;
  bool mainFolderOnly = true;
  // When not null, one count for each pattern (one in all without
  // patterns), raised for each selected fax under the first pattern that
  // it matches.
  int32_t* patternCounts = nullptr;
};

// What a walk counts. Every count but skipped is over the selected faxes.
struct SelectionTallies {
  int32_t selected = 0;
  int32_t skipped = 0;
  int32_t received = 0;
  int32_t sent = 0;
  int32_t viewed = 0;
  // Page counts come from the server; summed as 32-bit arithmetic wraps,
  // without signed overflow.
  uint32_t pages = 0;
  int32_t errors = 0;
};

// What a program does with the faxes that a walk selects.
class SelectedFaxHandler {
 public:
  // One selected fax, in list order, already counted in `tallies`. The
  // element is the library's and valid only during the call.
  virtual void onSelected(const FaxListElement* fax, const SelectionTallies& tallies) = 0;
  // After the last element, before the list is closed.
  virtual void onWalked(const SelectionTallies& tallies) = 0;

 protected:
  ~SelectedFaxHandler() = default;
};

// Prints "Retrieving fax list..." on `output`, fetches `userId`'s fax list
// from `server`, sorts it when sortOrder asks, walks it once and hands each
// selected fax, then the tallies, to `handler`, and closes the list. False,
// after its message, when the list could not be fetched: then nothing was
// walked and nothing needs closing. A failed sort is reported and the walk
// takes the list as it is; a failed element request ends the walk.
bool walkSelection(RFaxServerHandle server, const char* userId, const FaxSelection& selection,
                   FILE* output, SelectedFaxHandler* handler);

// The summary's line of counts, as both programs print it: "recv:" and
// " sent:" with their tallies, or "-" for a direction not asked for, then
// viewed, pages and errs.
void printSelectionCounts(FILE* output, const SelectionTallies& tallies,
                          DirectionFilter directions);

#endif  // INKSTAMP_INKSTAMP_FAX_SELECTION_H_
