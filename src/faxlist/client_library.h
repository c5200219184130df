// faxlist's line about the client library that the program loaded, printed
// once the server has answered: where the library is, its version and
// calling convention where the platform has them, and whether it is this
// project's simulator. Then a simulator copied onto a real server by mistake,
// or a library from an unexpected folder, shows at the first preview.
#ifndef INKSTAMP_FAXLIST_CLIENT_LIBRARY_H_
#define INKSTAMP_FAXLIST_CLIENT_LIBRARY_H_

#include <stdio.h>

#include <string>

struct ClientLibrary {
  std::string path;     // empty when the platform can't tell
  std::string version;  // Windows: "version V" or why there is none; else empty
  bool simulator = false;
};

// What the platform tells of the loaded client library
// (client_library_posix.cc, client_library_win32.cc).
ClientLibrary findClientLibrary();

// "Client library: PATH[, version V][, CONVENTION][ (simulator)]\n".
void printClientLibrary(FILE* output, const ClientLibrary& library);

#endif  // INKSTAMP_FAXLIST_CLIENT_LIBRARY_H_
