// The inkstamp program: a server session that reads its command line, shows
// the server and the user, and marks the user's faxes whose IDs match the
// command line's patterns.
#ifndef INKSTAMP_INKSTAMP_MARK_PROGRAM_H_
#define INKSTAMP_INKSTAMP_MARK_PROGRAM_H_

#include <stdint.h>
#include <stdio.h>

#include "faxclient/faxclient.h"
#include "inkstamp/command_line.h"
#include "inkstamp/fax_selection.h"
#include "rfaxprogram/fax_program.h"

class MarkProgram : public FaxProgram {
 public:
  MarkProgram() = default;
  ~MarkProgram() override = default;

  // Reads the command line, connects, shows the server and the user, runs
  // the marking pass and disconnects. Returns the exit status: 0 the pass
  // ran, 1 no usable connection, 2 no server information, 3 no such user,
  // 255 usage. Called once, with `output` set.
  int run(int argc, char** argv);

  // The marking pass: the selection walk (fax_selection.h) over the user's
  // fax list, marking each fax whose ID matches one of `patterns`
  // (null-terminated) and whose direction is wanted, with the progress and
  // summary lines.
  void markFaxes(DirectionFilter directions, MarkSet marks, char** patterns);

  // Loads one fax and applies each mark of `marks` in the fixed mark order.
  // True when the fax was loaded and every mark succeeded.
  bool markOneFax(const FaxListElement* fax, MarkSet marks);

  // Where the marking messages go: standard output, set by the entry point.
  FILE* output = nullptr;
  // Limits the marking pass to the main folder (false with -a).
  bool mainFolderOnly = true;
};

#endif  // INKSTAMP_INKSTAMP_MARK_PROGRAM_H_
