// Writing the CSV file under a temporary name and renaming it into place.
#include "faxlist/csv_file.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

#include "faxlist/fax_rows.h"
#include "faxlist/replace_file.h"

namespace {

// Temporary names taken by other writers are passed over; this many tries
// tell a crowded folder from one that can't take a file at all.
const int kNameTries = 100;

}  // namespace

CsvFile::~CsvFile() {
  discard();
}

void CsvFile::fail(const char* why) {
  snprintf(problem_, sizeof problem_, "%s", why);
}

void CsvFile::failWithErrno() {
  // A write that failed earlier may have left no errno behind.
  fail(errno != 0 ? strerror(errno) : "write error");
}

bool CsvFile::create(const char* target) {
  target_ = target;
  if (target_.empty()) {
    // Else the temporary file would land in the working folder, only for
    // the rename to fail once the list is done.
    fail("no file name");
    return false;
  }
  for (int attempt = 0; attempt < kNameTries && file_ == nullptr; ++attempt) {
    // Beside the target, so that the rename stays within one file system.
    temporary_ =
        target_ + ".partial-" + std::to_string(processId()) + "-" + std::to_string(attempt);
    file_ = createNewFile(temporary_.c_str());
    if (file_ == nullptr && errno != EEXIST) {
      failWithErrno();
      return false;
    }
  }
  if (file_ == nullptr) {
    fail("no free temporary name beside it");
    return false;
  }
  writeCsvHeader(file_);
  return true;
}

bool CsvFile::commit() {
  if (file_ == nullptr)
    return false;
  errno = 0;
  bool written = fflush(file_) == 0 && ferror(file_) == 0;
  if (!written)
    failWithErrno();
  bool closed = fclose(file_) == 0;
  file_ = nullptr;
  if (written && !closed) {
    written = false;
    failWithErrno();
  }
  if (written && replaceFile(temporary_.c_str(), target_.c_str(), problem_, sizeof problem_))
    return true;
  remove(temporary_.c_str());
  return false;
}

void CsvFile::discard() {
  if (file_ == nullptr)
    return;
  fclose(file_);
  file_ = nullptr;
  remove(temporary_.c_str());
}
