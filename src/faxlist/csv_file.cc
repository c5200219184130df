// Writing the CSV file under a temporary name and renaming it into place.
#include "faxlist/csv_file.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

#include "faxlist/fax_rows.h"
#include "faxlist/interrupt_cleanup.h"
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

// Names that can't be meant as the CSV file's, refused before anything is
// looked at.
bool CsvFile::acceptableName() {
  if (target_.empty()) {
    // Else the temporary file would land in the working folder, only for
    // the rename to fail once the list is done.
    fail("no file name");
    return false;
  }
  if (target_ == "-") {
    fail("not a file name; the list is on standard output already");
    return false;
  }
  // A fax-ID pattern where the file name should be: `-o 'APP*'` with the
  // name left out. Windows file names can't hold either character.
  if (target_.find_first_of("*?") != std::string::npos) {
    fail("a file name can't hold '*' or '?'; is the file name missing after -o?");
    return false;
  }
  return true;
}

bool CsvFile::create(const char* target) {
  target_ = target;
  TargetFile existing;
  if (!acceptableName() || !checkTarget(target, &existing, problem_, sizeof problem_))
    return false;
  for (int attempt = 0; attempt < kNameTries && file_ == nullptr; ++attempt) {
    // Beside the target, so that the rename stays within one file system.
    temporary_ =
        target_ + ".partial-" + std::to_string(processId()) + "-" + std::to_string(attempt);
    NewFile made = createNewFile(temporary_.c_str(), existing, &file_, problem_, sizeof problem_);
    if (made == NewFile::kFailed)
      return false;
  }
  if (file_ == nullptr) {
    fail("no free temporary name beside it");
    return false;
  }
  removeOnInterrupt(temporary_.c_str());
  writeCsvHeader(file_);
  return true;
}

void CsvFile::writeRecord(const FaxListElement* fax) {
  if (file_ == nullptr || writeFailed_)
    return;
  errno = 0;
  writeCsvRecord(file_, fax);
  if (ferror(file_) != 0) {
    // Kept now: later calls, the client library's included, change errno.
    writeFailed_ = true;
    failWithErrno();
  }
}

bool CsvFile::commit() {
  if (file_ == nullptr)
    return false;
  errno = 0;
  bool written = !writeFailed_;
  if (written && (fflush(file_) != 0 || ferror(file_) != 0)) {
    written = false;
    failWithErrno();
  }
  written = written && syncFile(file_, problem_, sizeof problem_);
  bool closed = fclose(file_) == 0;
  file_ = nullptr;
  if (written && !closed) {
    written = false;
    failWithErrno();
  }
  // The target is looked at again: it may have changed while the list ran.
  TargetFile existing;
  Replaced placed = Replaced::kFailed;
  if (written && checkTarget(target_.c_str(), &existing, problem_, sizeof problem_))
    placed = replaceFile(temporary_.c_str(), target_.c_str(), existing, problem_, sizeof problem_);
  // Where the replacement took the old file away, the temporary file is the
  // only copy of the list left: it stays, and problem() names it.
  if (placed == Replaced::kFailed)
    remove(temporary_.c_str());
  keepOnInterrupt();
  return placed == Replaced::kDone;
}

void CsvFile::discard() {
  if (file_ == nullptr)
    return;
  fclose(file_);
  file_ = nullptr;
  remove(temporary_.c_str());
  keepOnInterrupt();
}
