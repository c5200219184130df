// Why the library can't serve its store, said once per process on standard
// error: a program only shows "error 3: Fax store unavailable" for each
// connection try, which names no file.
#ifndef INKSTAMP_FAXSIM_STORE_WARNING_H_
#define INKSTAMP_FAXSIM_STORE_WARNING_H_

#include <string>

namespace faxsim {

// What is wrong with the store at `path`, in a few words that name it:
// "no store at PATH; 'faxsim demo' makes one", "PATH is not a faxsim
// store: its user_version is 0, not 1", ...; "" when `path` is empty (the
// environment names no store; storePathForLibrary() warns when it names one
// that the code page can't hold) or the store is usable after all (it was
// busy a moment ago). Only reads.
std::string unusableStoreProblem(const std::string& path);

// Writes unusableStoreProblem(path) to standard error, once per process.
void warnAboutUnusableStore(const std::string& path);

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_STORE_WARNING_H_
