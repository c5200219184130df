// The CSV file that faxlist -o writes. It is written under a temporary name
// beside the target and put in place of the target only once complete, so
// that the target never holds half a list: whatever goes wrong, the target
// is either the complete new file or whatever it was before.
#ifndef INKSTAMP_FAXLIST_CSV_FILE_H_
#define INKSTAMP_FAXLIST_CSV_FILE_H_

#include <stdio.h>

#include <string>

class CsvFile {
 public:
  CsvFile() = default;
  // Removes the temporary file unless it was committed.
  ~CsvFile();
  CsvFile(const CsvFile&) = delete;
  CsvFile& operator=(const CsvFile&) = delete;

  // Creates the temporary file beside `target` and writes the header
  // record. False, with problem() saying why, when it can't.
  bool create(const char* target);

  // Where the records go; null unless created and not yet committed or
  // discarded.
  FILE* stream() const { return file_; }

  // Completes the file and puts it in place of the target. False, with
  // problem() saying why, when anything written to it failed or the target
  // can't be replaced; the temporary file is removed either way.
  bool commit();

  // Removes the temporary file; the target stays as it was.
  void discard();

  const char* problem() const { return problem_; }

 private:
  void fail(const char* why);
  void failWithErrno();

  FILE* file_ = nullptr;
  std::string target_;
  std::string temporary_;
  char problem_[300] = "";
};

#endif  // INKSTAMP_FAXLIST_CSV_FILE_H_
