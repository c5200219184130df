// The CSV file that faxlist -o writes. It is written under a temporary name
// beside the target and put in place of the target only once complete and
// flushed to the disk, so that the target never holds half a list: the
// target is either the complete new file or whatever it was before, except
// where Windows' replacement fails half-way and takes the old file away;
// the temporary file, the new list whole, then stays under its name, which
// the problem names. Only an ordinary file that the user may write is ever
// replaced, and it keeps its permissions; an interrupted run removes the
// temporary file.
#ifndef INKSTAMP_FAXLIST_CSV_FILE_H_
#define INKSTAMP_FAXLIST_CSV_FILE_H_

#include <stdio.h>

#include <string>

#include "faxclient/fax_records.h"

class CsvFile {
 public:
  CsvFile() = default;
  // Removes the temporary file unless it was committed.
  ~CsvFile();
  CsvFile(const CsvFile&) = delete;
  CsvFile& operator=(const CsvFile&) = delete;

  // Checks the target, creates the temporary file beside it and writes the
  // header record. False, with problem() saying why, when `target` is no
  // name for a file, holds something that must not be replaced, or when
  // the file can't be made.
  bool create(const char* target);

  // Whether the file is created and not yet committed or discarded.
  bool isOpen() const { return file_ != nullptr; }

  // Writes the record of one fax; the first failed write is kept for
  // commit() to report.
  void writeRecord(const FaxListElement* fax);

  // Completes the file and puts it in place of the target. False, with
  // problem() saying why, when anything written to it failed or the target
  // can't be replaced; the temporary file is then removed, unless it is the
  // only copy left (problem() says where each file is).
  bool commit();

  // Removes the temporary file; the target stays as it was.
  void discard();

  const char* problem() const { return problem_; }

 private:
  void fail(const char* why);
  void failWithErrno();
  bool acceptableName();

  FILE* file_ = nullptr;
  std::string target_;
  std::string temporary_;
  bool writeFailed_ = false;
  // Room for a reason and two paths of MAX_PATH.
  char problem_[800] = "";
};

#endif  // INKSTAMP_FAXLIST_CSV_FILE_H_
