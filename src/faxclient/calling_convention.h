// Which calling convention the client library turned out to have. On 32-bit
// Windows the vendor's DLL may use __stdcall (the function removes its
// arguments from the stack) or __cdecl (the caller does); the program's
// wrappers call it in a way that suits both and report here how many bytes
// each call removed. The first call with arguments decides.
#ifndef INKSTAMP_FAXCLIENT_CALLING_CONVENTION_H_
#define INKSTAMP_FAXCLIENT_CALLING_CONVENTION_H_

#include <stdint.h>

namespace faxclient {

enum class Convention {
  kUnknown,  // no call with arguments yet, or no choice to make (one convention)
  kStdcall,  // the function removed its arguments
  kCdecl,    // it left them to the caller
  kNeither,  // it removed some other number of bytes: not the declared function
};

// What a call that was given `argumentBytes` and removed `removedBytes` says.
// A call without arguments can't tell the conventions apart.
Convention conventionOf(int32_t argumentBytes, int32_t removedBytes);

class ConventionDetector {
 public:
  // Notes a call of the named function; the first one with arguments
  // decides, later ones change nothing.
  void noteCall(const char* function, int32_t argumentBytes, int32_t removedBytes);

  Convention convention() const { return decided; }
  // The deciding call, for a message.
  const char* function() const { return decidingFunction; }
  int32_t argumentBytes() const { return givenBytes; }
  int32_t removedBytes() const { return takenBytes; }

 private:
  Convention decided = Convention::kUnknown;
  const char* decidingFunction = "";
  int32_t givenBytes = 0;
  int32_t takenBytes = 0;
};

// The program's client library: one per process.
ConventionDetector& libraryConvention();

}  // namespace faxclient

#endif  // INKSTAMP_FAXCLIENT_CALLING_CONVENTION_H_
