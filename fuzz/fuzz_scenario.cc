// Reading a program-fuzzer input into a command line and the fake client
// library's answers.
//
// After the arguments, each command is one byte (taken modulo the number of
// commands, so that every byte means something) and its operands, integers
// little-endian:
//    0 API version: i32
//    1 failed connection tries: u8 count, i32 code
//    2 release check result: i32
//    3 server information fails: i32
//    4 server information bytes: u16 offset, u16 length, bytes (the block
//      stays zero elsewhere, so texts may be left unterminated)
//    5 user lookup fails: i32
//    6 user record bytes: u16 offset, u16 length, bytes
//    7 fax list fails: i32
//    8 sort fails: i32
//    9 list element: u32 handle, u32 flags, i32 date, u16 pages,
//      u16 error code, u8 length, that many faxId bytes
//   10 raw list element: u8 length, the record's first bytes
//   11 copies of the last element: u16 count, each with the next handle
//   12 an element request fails: u16 index, i32 code
//   13 loading a fax fails: u32 handle, i32 code
//   14 a mark fails: u32 handle, u16 mark code, i32 code
//   15 an error text: i32 code, u16 length, bytes (cut at a NUL)
//   16 error texts fill the whole buffer, unterminated
//   17 the server handle that connecting returns: u32
//
// Every element keeps a NUL in its last byte: the record's size is the
// library's, and the program reads faxId up to its terminator.
#include "fuzz_scenario.h"

#include <string.h>

#include <string>
#include <utility>

#include "fakeclient/fake_client.h"

ArgumentVector::ArgumentVector() : arguments_{"inkstamp"} {}

void ArgumentVector::add(std::string argument) {
  arguments_.push_back(std::move(argument));
}

char** ArgumentVector::vector() {
  pointers_.clear();
  for (std::string& argument : arguments_)
    pointers_.push_back(argument.data());
  pointers_.push_back(nullptr);
  return pointers_.data();
}

namespace {

// Reads an input front to back; past its end every read gives zeros.
class InputReader {
 public:
  InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool atEnd() const { return at_ >= size_; }
  uint8_t u8() { return atEnd() ? 0 : data_[at_++]; }
  uint16_t u16() {
    uint16_t low = u8();
    return static_cast<uint16_t>(low | u8() << 8);
  }
  uint32_t u32() {
    uint32_t low = u16();
    return low | static_cast<uint32_t>(u16()) << 16;
  }
  int32_t i32() { return static_cast<int32_t>(u32()); }

  // Up to `count` bytes, fewer at the end of the input.
  std::string bytes(size_t count) {
    size_t available = size_ - at_ < count ? size_ - at_ : count;
    std::string taken(reinterpret_cast<const char*>(data_ + at_), available);
    at_ += available;
    return taken;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

enum Command : uint8_t {
  kApiVersion,
  kConnectFailures,
  kReleaseCheck,
  kServerInfoFails,
  kServerInfoBytes,
  kLoadUserFails,
  kUserRecordBytes,
  kFaxListFails,
  kSortFails,
  kElement,
  kRawElement,
  kElementCopies,
  kElementRequestFails,
  kLoadFaxFails,
  kMarkFails,
  kErrorText,
  kUnterminatedErrorTexts,
  kServerHandle,
  kCommandCount,
};

// The arguments: a length, then that many bytes, split at each NUL.
void readArguments(InputReader& input, ArgumentVector* arguments) {
  std::string block = input.bytes(input.u16());
  if (block.empty())
    return;
  size_t start = 0;
  for (;;) {
    size_t nul = block.find('\0', start);
    if (nul == std::string::npos) {
      arguments->add(block.substr(start));
      return;
    }
    arguments->add(block.substr(start, nul - start));
    start = nul + 1;
  }
}

// Copies bytes from the input into a record at an offset it names.
void readRecordBytes(InputReader& input, void* record, size_t recordSize) {
  size_t offset = input.u16() % recordSize;
  std::string bytes = input.bytes(input.u16());
  size_t length = bytes.size() < recordSize - offset ? bytes.size() : recordSize - offset;
  memcpy(static_cast<char*>(record) + offset, bytes.data(), length);
}

void addElement(Scenario* scenario, FaxListElement element) {
  if (scenario->list.size() >= kMaxListElements)
    return;
  reinterpret_cast<char*>(&element)[sizeof element - 1] = '\0';
  scenario->list.push_back(element);
}

FaxListElement readElement(InputReader& input) {
  FaxListElement element;
  memset(&element, 0, sizeof element);
  element.faxHandle = input.u32();
  element.flags = input.u32();
  element.date = input.i32();
  element.pages = static_cast<int16_t>(input.u16());
  element.errorCode = input.u16();
  std::string faxId = input.bytes(input.u8());
  // faxId runs to the record's end: 84 bytes, the last one kept for a NUL.
  size_t room = sizeof element - offsetof(FaxListElement, faxId) - 1;
  memcpy(element.faxId, faxId.data(), faxId.size() < room ? faxId.size() : room);
  return element;
}

FaxListElement readRawElement(InputReader& input) {
  FaxListElement element;
  memset(&element, 0, sizeof element);
  std::string bytes = input.bytes(input.u8());
  memcpy(&element, bytes.data(), bytes.size());
  return element;
}

void addCopies(InputReader& input, Scenario* scenario) {
  uint16_t copies = input.u16();
  FaxListElement element;
  memset(&element, 0, sizeof element);
  if (!scenario->list.empty())
    element = scenario->list.back();
  for (uint16_t i = 0; i < copies && scenario->list.size() < kMaxListElements; ++i) {
    ++element.faxHandle;
    addElement(scenario, element);
  }
}

void readCommand(InputReader& input, Scenario* scenario) {
  switch (input.u8() % kCommandCount) {
    case kApiVersion:
      fakeclient::setApiVersion(input.i32());
      break;
    case kConnectFailures: {
      int count = input.u8();
      fakeclient::failConnects(count, input.i32());
      break;
    }
    case kReleaseCheck:
      fakeclient::setReleaseCheckResult(input.i32());
      break;
    case kServerInfoFails:
      fakeclient::failServerInfo(input.i32());
      break;
    case kServerInfoBytes:
      readRecordBytes(input, &scenario->serverInfo, sizeof scenario->serverInfo);
      break;
    case kLoadUserFails:
      fakeclient::failLoadUser(input.i32());
      break;
    case kUserRecordBytes:
      readRecordBytes(input, &scenario->userRecord, sizeof scenario->userRecord);
      break;
    case kFaxListFails:
      fakeclient::failFaxList(input.i32());
      break;
    case kSortFails:
      fakeclient::failSort(input.i32());
      break;
    case kElement:
      addElement(scenario, readElement(input));
      break;
    case kRawElement:
      addElement(scenario, readRawElement(input));
      break;
    case kElementCopies:
      addCopies(input, scenario);
      break;
    case kElementRequestFails: {
      size_t index = input.u16();
      fakeclient::failElementRequest(index, input.i32());
      break;
    }
    case kLoadFaxFails: {
      RFaxFaxHandle fax = input.u32();
      fakeclient::failLoadFax(fax, input.i32());
      break;
    }
    case kMarkFails: {
      RFaxFaxHandle fax = input.u32();
      uint16_t markCode = input.u16();
      fakeclient::failMark(fax, markCode, input.i32());
      break;
    }
    case kErrorText: {
      RFaxError code = input.i32();
      std::string text = input.bytes(input.u16());
      fakeclient::setErrorText(code, text.c_str());
      break;
    }
    case kUnterminatedErrorTexts:
      fakeclient::setErrorTextsUnterminated(true);
      break;
    case kServerHandle:
      fakeclient::setServerHandle(input.u32());
      break;
  }
}

}  // namespace

void readScenario(const uint8_t* data, size_t size, Scenario* scenario) {
  InputReader input(data, size);
  readArguments(input, &scenario->arguments);
  while (!input.atEnd())
    readCommand(input, scenario);
  fakeclient::setServerInfo(scenario->serverInfo);
  fakeclient::setUserRecord(scenario->userRecord);
  fakeclient::setList(scenario->list.data(), scenario->list.size());
}
