// The marking pass: the shared selection walk over the user's fax list, with
// a progress line and the marks for each selected fax, and the summary of
// counts.
#include <stdio.h>

#include "inkstamp/fax_selection.h"
#include "inkstamp/mark_program.h"

namespace {

// Marks each fax the walk selects and counts the ones fully marked.
class FaxMarker final : public SelectedFaxHandler {
 public:
  FaxMarker(MarkProgram* program, DirectionFilter directions, MarkSet marks)
      : program_(program), directions_(directions), marks_(marks) {}

  void onSelected(const FaxListElement* fax, const SelectionTallies& tallies) override {
    FILE* output = program_->output;
    if (tallies.selected == 1)
      fprintf(output, "\n");
    // Numbered by the faxes marked so far, then by the selected ones.
    fprintf(output, "%d/%d %s\n", marked_ + 1, tallies.selected, fax->faxId);
    if (program_->markOneFax(fax, marks_))
      ++marked_;
  }

  void onWalked(const SelectionTallies& tallies) override {
    FILE* output = program_->output;
    fprintf(output, "\n");
    fprintf(output, "faxes:%d marked:%d failed:%d skipped:%d total:%d\n", tallies.selected, marked_,
            tallies.selected - marked_, tallies.skipped, tallies.selected + tallies.skipped);
    printSelectionCounts(output, tallies, directions_);
    fflush(output);
  }

 private:
  MarkProgram* program_;
  DirectionFilter directions_;
  MarkSet marks_;
  int32_t marked_ = 0;
};

}  // namespace

void MarkProgram::markFaxes(DirectionFilter directions, MarkSet marks, char** patterns) {
  FaxSelection selection;
  selection.directions = directions;
  selection.patterns = patterns;
  selection.mainFolderOnly = mainFolderOnly;
  FaxMarker marker(this, directions, marks);
  walkSelection(serverHandle, userId, selection, output, &marker);
}
