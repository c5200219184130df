// The run sequence of faxlist: command line, CSV file, the shared session
// and selection walk, and the exit status.
#include "faxlist/list_program.h"

#include <vector>

#include "faxlist/client_library.h"
#include "faxlist/command_notes.h"
#include "faxlist/csv_file.h"
#include "faxlist/fax_rows.h"
#include "faxlist/refusal_reason.h"
#include "inkstamp/fax_selection.h"

namespace {

// Shows each fax the walk selects as a table row and a CSV record.
class FaxLister final : public SelectedFaxHandler {
 public:
  FaxLister(FILE* output, CsvFile* csv, DirectionFilter directions, char** patterns,
            const int32_t* patternCounts)
      : output_(output),
        csv_(csv),
        directions_(directions),
        patterns_(patterns),
        patternCounts_(patternCounts) {}

  void onSelected(const FaxListElement* fax, const SelectionTallies& tallies) override {
    if (tallies.selected == 1) {
      fprintf(output_, "\n");
      printTableHeading(output_);
    }
    printTableRow(output_, fax);
    if (csv_ != nullptr)
      csv_->writeRecord(fax);
  }

  // inkstamp's summary without its marking counts, then each pattern's.
  void onWalked(const SelectionTallies& tallies) override {
    fprintf(output_, "\n");
    fprintf(output_, "faxes:%d skipped:%d total:%d\n", tallies.selected, tallies.skipped,
            tallies.selected + tallies.skipped);
    printSelectionCounts(output_, tallies, directions_);
    fflush(output_);
    if (patterns_ != nullptr)
      printPatternCounts(output_, stderr, patterns_, patternCounts_);
  }

 private:
  FILE* output_;
  CsvFile* csv_;
  DirectionFilter directions_;
  char** patterns_;
  const int32_t* patternCounts_;
};

}  // namespace

int ListProgram::run(int argc, char** argv) {
  ListRequest request;
  CommandLineOutcome outcome = readListCommandLine(argc, argv, &request);
  if (outcome != CommandLineOutcome::kComplete)
    return refuseListCommandLine(outcome, request, argv, output);

  // A file that can't even be begun is reported before the server is
  // troubled; a run that stops in the session removes it again.
  if (request.csvNameMissing) {
    fprintf(output, "Can't write CSV file: no file name follows -o\n");
    fflush(output);
    return kExitCsvFile;
  }
  CsvFile csv;
  if (request.csvPath != nullptr && !csv.create(request.csvPath)) {
    fprintf(output, "Can't write CSV file: %s (%s)\n", request.csvPath, csv.problem());
    fflush(output);
    return kExitCsvFile;
  }
  int status = startUserSession(request.host, request.user, output);
  if (status != kExitRan)
    return status;
  printClientLibrary(output, findClientLibrary());
  fprintf(output, "\n");

  if (request.marks.any()) {
    fprintf(output, "Marks inkstamp would send: ");
    request.marks.printNames(output);
    fprintf(output, "\n\n");
  }
  printCommandWarnings(output, stderr, request, argv);
  bool listed = listFaxes(request, argc, argv, csv.isOpen() ? &csv : nullptr);
  if (request.csvPath != nullptr) {
    if (!listed) {
      // A header alone would say that nothing was selected, and an older
      // file would pass for this run's: the target is left as it was.
      csv.discard();
      fprintf(output, "Can't write CSV file: %s (no fax list)\n", request.csvPath);
      status = kExitCsvFile;
    } else if (!csv.commit()) {
      fprintf(output, "Can't write CSV file: %s (%s)\n", request.csvPath, csv.problem());
      status = kExitCsvFile;
    } else {
      fprintf(output, "CSV file written: %s\n", request.csvPath);
    }
    fflush(output);
  }
  endUserSession(output);
  return status;
}

bool ListProgram::listFaxes(const ListRequest& request, int argc, char** argv, CsvFile* csv) {
  sortOrder = request.sortOrder;
  FaxSelection selection;
  selection.directions = request.directions;
  // No fax-ID on the command line: every fax.
  selection.patterns =
      argv[request.firstPattern] != nullptr ? argv + request.firstPattern : nullptr;
  selection.mainFolderOnly = request.mainFolderOnly;
  std::vector<int32_t> patternCounts(request.firstPattern < argc ? argc - request.firstPattern : 1);
  selection.patternCounts = patternCounts.data();
  FaxLister lister(output, csv, request.directions, selection.patterns, patternCounts.data());
  return walkSelection(serverHandle, userId, selection, output, &lister);
}
