// The server session: the reusable base of a tool that works on one fax
// server on behalf of one user. It reports the client library's version when
// created, connects with a fixed number of tries, checks the server's
// release, reads the server's information and one user's record, keeps the
// last error code and turns it into text. It prints its own messages on
// standard output.
#ifndef INKSTAMP_RFAXPROGRAM_FAX_PROGRAM_H_
#define INKSTAMP_RFAXPROGRAM_FAX_PROGRAM_H_

#include <stdint.h>
#include <stdio.h>

#include "faxclient/faxclient.h"
#include "rfaxprogram/exit_status.h"

class FaxProgram {
 public:
  // Values of `tag` while the object is alive and after its destructor ran,
  // so that a stale pointer shows in a debugger.
  static constexpr uint32_t kAliveTag = 0xDAB10000u;
  static constexpr uint32_t kDeadTag = 0x254EFFFFu;

  // Prints the client library's API version line on standard output.
  FaxProgram();
  // Disconnects if still connected, then releases everything it owns.
  virtual ~FaxProgram();

  FaxProgram(const FaxProgram&) = delete;
  FaxProgram& operator=(const FaxProgram&) = delete;

  // Connects to `host` (a host name or IP address), trying up to 5 times
  // with a 10-second pause after each failed try, checks the server's
  // release and loads the server information. False when no try connected
  // or the release was refused; after a refused release the handle stays
  // open for disconnect().
  bool connect(const char* host);

  // Closes the connection, with its messages. Does nothing when not
  // connected.
  void disconnect();

  // Reads the server's information block: its description and UTC offset.
  // On failure records the library's code in lastError and changes nothing
  // else.
  bool loadServerInfo();

  // Looks the user up and keeps the user's qualifier, ID and name. On
  // failure the user fields stay as they were.
  bool loadUser(const char* userIdToFind);

  // The start of a run on behalf of one user, as every program on the
  // session makes it: the server line, connect(), the server's description,
  // the user lookup and the user line, with their messages (`output` is the
  // program's own stream, standard output too). kExitRan when the user was
  // found and the program's work may begin; otherwise the exit status. After
  // a refused release the connection stays open for the caller's final
  // check; after 2 and 3 the session has disconnected.
  int startUserSession(const char* host, const char* user, FILE* output);

  // The end of a run whose user was found: a blank line, then disconnect().
  void endUserSession(FILE* output);

  // The text of lastError, in errorBuffer: valid until the next call.
  const char* errorText();

  // The name of a fax status code; codes outside the table come back in
  // decimal, in one buffer shared by every call.
  static const char* statusName(int32_t code);

  // The session's state, read directly by the derived program. Texts are
  // malloc'd and owned; null means none, which is not the same as "".
  uint32_t tag;
  int32_t apiVersion;
  char* serverDescription;
  char* serverName;
  RFaxServerHandle serverHandle;  // 0: not connected
  ServerInfo* serverInfo;         // owned, filled by RFaxGetServerInfo2
  RFaxError lastError;
  int32_t lastCallTime;     // time() after the last library call that sets it
  int32_t serverUtcOffset;  // seconds, UTC minus server time (positive west)
  char* userId;
  char* userName;
  char* userQualifier;
  char errorBuffer[kErrorTextSize];

 private:
  void printApiVersion() const;
  void noteCallTime();
  void takeServerInfo();
};

#endif  // INKSTAMP_RFAXPROGRAM_FAX_PROGRAM_H_
