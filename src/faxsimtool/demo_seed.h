// The demo store's contents: a current server and an old one (to show the
// release check), users with and without faxes, and a few dozen faxes that
// differ in every way the program can select or show them by: received and
// sent, main and other folders (one named "Main", which the main-folder view
// leaves out), both ID forms, dates over five weeks, errors, and marks.
//
// It is a story for people trying the tool, and deliberately not the tests'
// world (tests/support/world.h): the two change for different reasons, and
// no test depends on the demo's particulars beyond its own.
#ifndef INKSTAMP_FAXSIMTOOL_DEMO_SEED_H_
#define INKSTAMP_FAXSIMTOOL_DEMO_SEED_H_

#include <stddef.h>

#include <string>

#include "sqlite/sqlite_db.h"

namespace faxsimtool {

struct DemoCounts {
  size_t servers;
  size_t users;
  size_t faxes;
};

DemoCounts demoCounts();

// Adds the demo's rows to an empty store inside the caller's transaction.
bool seedDemo(sqlite::Database& db, std::string* error);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_DEMO_SEED_H_
