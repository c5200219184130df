// The exit statuses that every program on the server session shares; a
// program may add its own above 3 and below 255.
#ifndef INKSTAMP_RFAXPROGRAM_EXIT_STATUS_H_
#define INKSTAMP_RFAXPROGRAM_EXIT_STATUS_H_

enum ExitStatus : int {
  kExitRan = 0,           // the work on the user's faxes ran, whatever it met
  kExitNoConnection = 1,  // no connection after every try, or the release refused
  kExitNoServerInfo = 2,  // the server's information could not be read
  kExitNoUser = 3,        // the user is not found
  kExitUsage = 255,       // usage error or help; the server was not contacted
};

#endif  // INKSTAMP_RFAXPROGRAM_EXIT_STATUS_H_
