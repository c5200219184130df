#include "faxlist/client_library.h"

#include "faxclient/calling_convention.h"

void printClientLibrary(FILE* output, const ClientLibrary& library) {
  fprintf(output, "Client library: %s", library.path.empty() ? "unknown" : library.path.c_str());
  if (!library.version.empty())
    fprintf(output, ", %s", library.version.c_str());
  // Known only where the program had to find it out: 32-bit Windows.
  switch (faxclient::libraryConvention().convention()) {
    case faxclient::Convention::kStdcall:
      fprintf(output, ", __stdcall");
      break;
    case faxclient::Convention::kCdecl:
      fprintf(output, ", __cdecl");
      break;
    default:
      break;
  }
  if (library.simulator)
    fprintf(output, " (InkStamp's simulator for tests, not the vendor's library)");
  fprintf(output, "\n");
}
