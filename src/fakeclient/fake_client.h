// An in-memory fake of the fax client library for unit tests and in-process
// fuzzing. It implements the 14 functions of faxclient/faxclient.h (and, on
// POSIX, the library's Sleep) over one process-wide state that a test sets
// up through the functions below, and it records every call in the
// simulator's trace format so that a test can compare whole call sequences.
//
// The fake behaves like a well-mannered library by default: one server,
// handles that are checked (1 "Invalid handle"), constant arguments that are
// checked (9 "Invalid argument"), fax handles that must be in the list
// (5 "Fax not found"), mark codes 0, 1 and 3 to 13 (else 6), the end of the
// list reported as 7, a real stable sort through the caller's comparison and
// a Sleep that only records. Every failure is opt-in.
#ifndef INKSTAMP_FAKECLIENT_FAKE_CLIENT_H_
#define INKSTAMP_FAKECLIENT_FAKE_CLIENT_H_

#include <stddef.h>
#include <stdint.h>

#include <string>

#include "faxclient/faxclient.h"

namespace fakeclient {

// The server handle that a successful RFaxCreateServerHandle returns unless
// set otherwise, and the list handle of RFaxGetFaxList (different, so that a
// mixed-up handle shows).
const RFaxServerHandle kDefaultServerHandle = 1;
const RFaxListHandle kListHandle = 2;

// Back to the defaults: the built-in API version, no faults, zero-filled records, an empty list, no
// texts of its own, tracing on and an empty trace.
void reset();

void setApiVersion(int32_t version);
void setServerHandle(RFaxServerHandle handle);

// The next `count` calls of RFaxCreateServerHandle fail with `code`.
void failConnects(int count, RFaxError code);
// RFaxVersionCheck returns `code` (0 accepts the release).
void setReleaseCheckResult(RFaxError code);
void failServerInfo(RFaxError code);  // 0 clears the fault
void failLoadUser(RFaxError code);    // 0 clears the fault

// The bytes that RFaxGetServerInfo2 and RFaxLoadUser3 copy out, exactly as
// given: a test may leave texts unterminated.
void setServerInfo(const ServerInfo& info);
void setUserRecord(const UserRecord& record);

// The list that RFaxGetFaxList hands out, as raw records.
void setList(const FaxListElement* elements, size_t count);
void failFaxList(RFaxError code);
void failSort(RFaxError code);
// The request for the element at `index` fails with `code`: index 0 is the
// first-element request, index n the n-th next-element request.
void failElementRequest(size_t index, RFaxError code);
void failLoadFax(RFaxFaxHandle fax, RFaxError code);
void failMark(RFaxFaxHandle fax, uint16_t markCode, RFaxError code);

// The text that RFaxStringRFaxErr gives for `code`, overriding the built-in
// one ("Unknown error N" for codes without one).
void setErrorText(RFaxError code, const char* text);
// When true, RFaxStringRFaxErr fills the whole buffer with a long text and
// writes no terminator, as a careless library might.
void setErrorTextsUnterminated(bool unterminated);

// Tracing costs an allocation now and then; a fuzzer may turn it off.
void setTracing(bool enabled);
const std::string& trace();
void clearTrace();

// The server handle currently open (0 when none) and whether the list is.
RFaxServerHandle openServerHandle();
bool listIsOpen();

// Records holding the fields the program reads, every other byte zero.
// Texts are cut to fit their fields, terminator included.
FaxListElement makeElement(RFaxFaxHandle handle, uint32_t flags, int32_t date, int16_t pages,
                           uint16_t errorCode, const char* faxId);
ServerInfo makeServerInfo(const char* description, int16_t timeZoneState, int32_t bias,
                          int32_t standardBias, int32_t daylightBias);
UserRecord makeUserRecord(const char* qualifier, const char* userId, const char* name);

}  // namespace fakeclient

#endif  // INKSTAMP_FAKECLIENT_FAKE_CLIENT_H_
