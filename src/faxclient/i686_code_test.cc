// The i686 machine code of the call thunk and the comparison's adapter, as
// the 32-bit Windows build links it, run under an x86 emulator: on any
// x86-64 host, also one whose kernel refuses 32-bit programs. The functions
// that the code calls are hand-assembled stubs that stop at an int3, where
// the test reads what they were handed and sets their result.
#include <gtest/gtest.h>
#include <stdint.h>

#include <initializer_list>
#include <vector>

#include "i686_code.h"
#ifndef INKSTAMP_I686_CODE_MISSING
#include "faxclient/i686_machine.h"
#endif

namespace {

#ifndef INKSTAMP_I686_CODE_MISSING
using namespace i686_code;

constexpr uint32_t kStubs = I686Machine::kStubs;
constexpr uint32_t kStack = I686Machine::kStack;
constexpr uint32_t kData = I686Machine::kData;
constexpr uint32_t kReturn = I686Machine::kReturn;
// What the code's caller keeps in the callee-saved registers.
constexpr uint32_t kEbx = 0xB0B0B0B0, kEsi = 0x51515151, kEdi = 0xD1D1D1D1, kEbp = 0xEBEBEBEB;

// What a callee stub found when it was called.
struct Entry {
  uint32_t esp = 0;
  uint32_t ecx = 0, edx = 0;
  std::vector<uint32_t> arguments;
};

class I686Code : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(machine_.ready());
    machine_.onStub = [this](I686Machine& machine) {
      Entry entry;
      entry.esp = machine.reg(UC_X86_REG_ESP);
      entry.ecx = machine.reg(UC_X86_REG_ECX);
      entry.edx = machine.reg(UC_X86_REG_EDX);
      for (size_t i = 0; i < argumentCount_; ++i)
        entry.arguments.push_back(machine.word(entry.esp + 4 + 4 * uint32_t(i)));
      entries_.push_back(entry);
      return answer(entry.arguments);
    };
  }

  uint32_t stub(uint16_t pop) { return machine_.stub(pop); }
  uint32_t place(const std::vector<uint8_t>& code) { return machine_.place(code); }
  void write(uint32_t address, const std::vector<uint8_t>& bytes) {
    machine_.write(address, bytes);
  }
  uint32_t word(uint32_t address) { return machine_.word(address); }
  void setWord(uint32_t address, uint32_t value) { machine_.setWord(address, value); }
  uint32_t reg(int id) { return machine_.reg(id); }
  void setReg(int id, uint32_t value) { machine_.setReg(id, value); }
  void run(uint32_t begin, uint32_t end, uint32_t esp) {
    ASSERT_TRUE(machine_.run(begin, end, esp)) << "the code did not come back";
  }

  void setCalleeSaved() {
    setReg(UC_X86_REG_EBX, kEbx);
    setReg(UC_X86_REG_ESI, kEsi);
    setReg(UC_X86_REG_EDI, kEdi);
    setReg(UC_X86_REG_EBP, kEbp);
  }
  void expectCalleeSaved() {
    EXPECT_EQ(reg(UC_X86_REG_EBX), kEbx);
    EXPECT_EQ(reg(UC_X86_REG_ESI), kEsi);
    EXPECT_EQ(reg(UC_X86_REG_EDI), kEdi);
    EXPECT_EQ(reg(UC_X86_REG_EBP), kEbp);
  }

  // Calls the thunk as the program does, with the stack pointer `skew`
  // bytes below a 16-byte boundary, and returns the thunk's result.
  uint32_t callThunk(uint32_t function, const std::vector<uint32_t>& arguments, int32_t* removed,
                     uint32_t skew = 0) {
    for (size_t i = 0; i < arguments.size(); ++i)
      setWord(kData + 4 * uint32_t(i), arguments[i]);
    const uint32_t removedAt = kData + 0x800;
    setWord(removedAt, 0x7777);
    callerEsp_ = I686Machine::kStackTop - skew;
    uint32_t esp = callerEsp_ - 20;
    const uint32_t frame[] = {kReturn, function, kData, uint32_t(arguments.size()), removedAt};
    for (uint32_t i = 0; i < 5; ++i)
      setWord(esp + 4 * i, frame[i]);
    setCalleeSaved();
    setReg(UC_X86_REG_ECX, 0xC0C0C0C0);
    setReg(UC_X86_REG_EDX, 0xD0D0D0D0);
    argumentCount_ = arguments.size();
    run(kCallThunk, kReturn, esp);
    *removed = static_cast<int32_t>(word(removedAt));
    return reg(UC_X86_REG_EAX);
  }

  // The stack pointer after the thunk returned, against the one before its
  // arguments were pushed: 20 bytes lower, its arguments and return address
  // gone but for the four words its caller removes.
  int32_t thunkStackShift() { return int32_t(reg(UC_X86_REG_ESP) - (callerEsp_ - 16)); }

  // A result that depends on every argument and on their order; for the
  // comparison, -1, 0 or 1.
  uint32_t answer(const std::vector<uint32_t>& arguments) const {
    if (comparing_)
      return arguments[0] < arguments[1] ? uint32_t(-1) : arguments[0] > arguments[1] ? 1 : 0;
    uint32_t result = 7;
    for (uint32_t argument : arguments)
      result = result * 31 + argument;
    return result;
  }

  I686Machine machine_;
  size_t argumentCount_ = 0;
  bool comparing_ = false;
  uint32_t callerEsp_ = 0;
  std::vector<Entry> entries_;
};

std::vector<uint32_t> argumentsOf(uint32_t count) {
  std::vector<uint32_t> arguments;
  for (uint32_t i = 0; i < count; ++i)
    arguments.push_back(0x1000 * (i + 1) + i);
  return arguments;
}

TEST_F(I686Code, CallThunkPassesZeroToTenArgumentsInBothConventions) {
  for (bool stdcall : {false, true}) {
    for (uint32_t count = 0; count <= 10; ++count) {
      SCOPED_TRACE(testing::Message() << (stdcall ? "__stdcall " : "__cdecl ") << count);
      uint32_t function = stub(stdcall ? uint16_t(4 * count) : 0);
      entries_.clear();
      int32_t removed = -1;
      std::vector<uint32_t> arguments = argumentsOf(count);
      uint32_t result = callThunk(function, arguments, &removed);
      ASSERT_EQ(entries_.size(), 1u);
      EXPECT_EQ(entries_[0].arguments, arguments);
      EXPECT_EQ(result, answer(arguments));
      EXPECT_EQ(removed, stdcall ? int32_t(4 * count) : 0);
      EXPECT_EQ(thunkStackShift(), 0);
    }
  }
}

TEST_F(I686Code, CallThunkReportsAFunctionThatPopsTheWrongNumberOfBytes) {
  uint32_t function = stub(8);  // 8 of its 12 bytes
  int32_t removed = -1;
  std::vector<uint32_t> arguments = argumentsOf(3);
  EXPECT_EQ(callThunk(function, arguments, &removed), answer(arguments));
  EXPECT_EQ(removed, 8);
  EXPECT_EQ(thunkStackShift(), 0);
}

TEST_F(I686Code, CallThunkHandsBackEbxEsiEdiEbpAndRestoresEsp) {
  for (uint16_t pop : {0, 8, 12}) {
    SCOPED_TRACE(pop);
    int32_t removed = -1;
    callThunk(stub(pop), argumentsOf(3), &removed);
    expectCalleeSaved();
    EXPECT_EQ(thunkStackShift(), 0);
  }
}

TEST_F(I686Code, CallThunkPutsTheFirstArgumentOnA16ByteBoundaryAndClearsEcxEdx) {
  const uint32_t function = stub(0);
  for (uint32_t skew : {0, 4, 8, 12}) {
    for (uint32_t count : {0, 1, 2, 3, 4, 5, 10}) {
      SCOPED_TRACE(testing::Message() << "skew " << skew << ", " << count << " arguments");
      entries_.clear();
      int32_t removed = -1;
      callThunk(function, argumentsOf(count), &removed, skew);
      ASSERT_EQ(entries_.size(), 1u);
      EXPECT_EQ((entries_[0].esp + 4) % 16, 0u);
      EXPECT_EQ(entries_[0].ecx, 0u);
      EXPECT_EQ(entries_[0].edx, 0u);
    }
  }
}

// Code at a return address, and the bytes it expects a two-argument callee
// to remove (-1: it doesn't tell).
struct CallerCode {
  std::vector<uint8_t> bytes;
  int32_t pops;
};

TEST_F(I686Code, CallerPopsReadsTheInstructionsAfterTheCall) {
  const CallerCode cases[] = {
      {{0x83, 0xC4, 0x08}, 0},                    // add $8, %esp
      {{0x83, 0xC4, 0x10}, 0},                    // add $16, %esp (push-style GCC)
      {{0x81, 0xC4, 0x0C, 0x00, 0x00, 0x00}, 0},  // add $12, %esp, 32-bit immediate
      {{0x59, 0x59}, 0},                          // pop %ecx; pop %ecx
      {{0x5A, 0x5E}, 0},                          // pop %edx; pop %esi
      {{0x83, 0xEC, 0x08}, 8},                    // sub $8, %esp
      {{0x81, 0xEC, 0x08, 0x00, 0x00, 0x00}, 8},  // sub $8, %esp, 32-bit immediate
      {{0x83, 0xC4, 0x04}, -1},                   // add $4, %esp: one argument's worth
      {{0x83, 0xC4, 0xF8}, -1},                   // add $-8, %esp
      {{0x83, 0xEC, 0x0C}, -1},                   // sub $12, %esp
      {{0x59, 0x85, 0xC0}, -1},                   // pop %ecx; test %eax, %eax
      {{0x5C, 0x59}, -1},                         // pop %esp first
      {{0x59, 0x5C}, -1},                         // pop %esp second
      {{0x85, 0xC0}, -1},                         // test %eax, %eax
      {{0xC9, 0xC3}, -1},                         // leave; ret
  };
  const uint32_t code = kData + 0x100;  // read, never run
  for (const CallerCode& caller : cases) {
    SCOPED_TRACE(testing::Message() << "first byte " << int(caller.bytes[0]) << ", "
                                    << caller.bytes.size() << " bytes");
    write(code, caller.bytes);
    uint32_t esp = I686Machine::kStackTop;
    setWord(esp, kReturn);
    setWord(esp + 4, code);
    run(kCallerPops, kReturn, esp);
    EXPECT_EQ(int32_t(reg(UC_X86_REG_EAX)), caller.pops);
  }
}

// Callers of the comparison as compilers make them. Each calls the address
// in %eax with the left element 0x1000 and the right one 0x2000, and leaves
// the stack pointer where it began if the comparison returned as it wants.
enum : uint8_t { kMovEax = 0xB8, kPush = 0x68 };
std::vector<uint8_t> withWord(std::vector<uint8_t> code, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    code.push_back(uint8_t(value >> (8 * i)));
  return code;
}
std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> code;
  for (const auto& part : parts)
    code.insert(code.end(), part.begin(), part.end());
  return code;
}
std::vector<uint8_t> msvcCall(std::vector<uint8_t> after) {
  return concat({withWord({kPush}, 0x2000),
                 withWord({kPush}, 0x1000),
                 withWord({kMovEax}, kLibraryCompare),
                 {0xFF, 0xD0},
                 after});
}
// GCC with accumulated outgoing arguments: the space is reserved once, the
// arguments stored into it, and released at the end.
std::vector<uint8_t> gccCall(std::vector<uint8_t> after) {
  return concat({{0x83, 0xEC, 0x08},
                 withWord({0xC7, 0x44, 0x24, 0x04}, 0x2000),
                 withWord({0xC7, 0x04, 0x24}, 0x1000),
                 withWord({kMovEax}, kLibraryCompare),
                 {0xFF, 0xD0},
                 after,
                 {0x85, 0xC0, 0x83, 0xC4, 0x08}});
}

struct CallerStyle {
  const char* name;
  std::vector<uint8_t> code;
  int32_t exportsPop;  // the exports' convention
  int32_t decided;     // the adapter's decision for the sort
};

TEST_F(I686Code, ComparisonReturnsAsEachCallerStyleWants) {
  const CallerStyle styles[] = {
      {"Microsoft, push, push, call, add $8, %esp", msvcCall({0x83, 0xC4, 0x08}), 8, 0},
      {"Microsoft, call, pop %ecx, pop %ecx", msvcCall({0x59, 0x59}), 8, 0},
      {"Microsoft, a __stdcall callback, stdcall exports", msvcCall({0x85, 0xC0}), 8, 8},
      {"GCC, stored arguments, nothing after the call, cdecl exports", gccCall({}), 0, 0},
      {"GCC, stored arguments, sub $8, %esp after the call, cdecl exports",
       gccCall({0x83, 0xEC, 0x08}), 0, 8},
  };
  comparing_ = true;
  argumentCount_ = 2;
  setWord(kSortCompare, stub(0));
  for (const CallerStyle& style : styles) {
    SCOPED_TRACE(style.name);
    setWord(kExportsPop, uint32_t(style.exportsPop));
    setWord(kSortPop, uint32_t(-1));  // a new sort
    entries_.clear();
    const uint32_t code = place(style.code);
    const uint32_t esp = I686Machine::kStackTop;
    setCalleeSaved();
    run(code, code + uint32_t(style.code.size()), esp);
    ASSERT_EQ(entries_.size(), 1u);
    EXPECT_EQ(entries_[0].arguments, (std::vector<uint32_t>{0x1000, 0x2000}));
    EXPECT_EQ(reg(UC_X86_REG_EAX), uint32_t(-1));
    EXPECT_EQ(reg(UC_X86_REG_ESP), esp);
    EXPECT_EQ(int32_t(word(kSortPop)), style.decided);
    expectCalleeSaved();
  }
}

TEST_F(I686Code, ComparisonKeepsTheFirstCallersDecisionForTheRestOfTheSort) {
  comparing_ = true;
  argumentCount_ = 2;
  setWord(kSortCompare, stub(0));
  setWord(kExportsPop, 8);
  setWord(kSortPop, uint32_t(-1));
  const uint32_t esp = I686Machine::kStackTop;
  std::vector<uint8_t> first = msvcCall({0x83, 0xC4, 0x08});
  uint32_t code = place(first);
  run(code, code + uint32_t(first.size()), esp);
  ASSERT_EQ(int32_t(word(kSortPop)), 0);
  // A later caller that looks otherwise is served as the first one was: its
  // sub $8 now moves the stack pointer 8 bytes down.
  std::vector<uint8_t> later = gccCall({0x83, 0xEC, 0x08});
  code = place(later);
  run(code, code + uint32_t(later.size()), esp);
  EXPECT_EQ(int32_t(word(kSortPop)), 0);
  EXPECT_EQ(reg(UC_X86_REG_ESP), esp - 8);
  EXPECT_EQ(entries_.size(), 2u);
}

#else  // INKSTAMP_I686_CODE_MISSING

TEST(I686Code, Unavailable) {
  GTEST_SKIP() << INKSTAMP_I686_CODE_MISSING;
}

#endif

}  // namespace
