// The inkstamp executable: sets or clears status marks on a fax server
// user's faxes. Everything but the process entry is in inkstamp_core.
#include "inkstamp/identity.h"
#include "inkstamp/mark_program.h"

int main(int argc, char** argv) {
  return runProgram<MarkProgram>(kInkStampIdentity, argc, argv);
}
