// The faxlist executable: lists the faxes that inkstamp's options select,
// marking none. Everything but the process entry is in faxlist_core.
#include "faxlist/list_identity.h"
#include "faxlist/list_program.h"

int main(int argc, char** argv) {
  return runProgram<ListProgram>(kFaxListIdentity, argc, argv);
}
