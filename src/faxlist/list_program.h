// The faxlist program: a server session that reads inkstamp's command line,
// shows the server, the user and the marks that inkstamp would send, and
// lists the faxes that inkstamp would mark with the same command line,
// marking none, on standard output and optionally in a CSV file.
#ifndef INKSTAMP_FAXLIST_LIST_PROGRAM_H_
#define INKSTAMP_FAXLIST_LIST_PROGRAM_H_

#include <stdio.h>

#include "faxlist/list_command_line.h"
#include "rfaxprogram/fax_program.h"

class CsvFile;

// The CSV file could not be written: faxlist's own exit status.
const int kExitCsvFile = 4;

class ListProgram : public FaxProgram {
 public:
  ListProgram() = default;
  ~ListProgram() override = default;

  // Reads the command line, connects, shows the server and the user, lists
  // the selected faxes and disconnects. Returns the exit status: inkstamp's
  // (0 listed, 1, 2, 3, 255), or 4 when the CSV file asked for could not be
  // written. Called once, with `output` set.
  int run(int argc, char** argv);

  // Where the list goes: standard output, set by the entry point.
  FILE* output = nullptr;

 private:
  // Lists the selected faxes as a table, and into `csv` when not null, and
  // each pattern's count. False when the fax list could not be fetched.
  bool listFaxes(const ListRequest& request, int argc, char** argv, CsvFile* csv);
};

#endif  // INKSTAMP_FAXLIST_LIST_PROGRAM_H_
