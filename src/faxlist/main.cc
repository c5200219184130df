// The faxlist executable: lists the faxes that inkstamp's options select,
// marking none. Everything but the process entry is in faxlist_core.
#include "faxlist/list_entry.h"

int main(int argc, char** argv) {
  return runFaxList(argc, argv);
}
