// An x86 (32-bit) machine under the Unicorn emulator, loaded with the i686
// code of the call thunk and the comparison's adapter as the 32-bit Windows
// build links it (i686_code.h): for the native tests and the benchmark of
// that code, on any host. Functions that the code calls are stubs that stop
// at an int3, where `onStub` sees the stack and sets the result.
#ifndef INKSTAMP_FAXCLIENT_I686_MACHINE_H_
#define INKSTAMP_FAXCLIENT_I686_MACHINE_H_

#include <stdint.h>
#include <unicorn/unicorn.h>

#include <functional>
#include <vector>

class I686Machine {
 public:
  static constexpr uint32_t kStubs = 0x10000000;  // callees and callers
  static constexpr uint32_t kStack = 0x20000000;
  static constexpr uint32_t kData = 0x30000000;
  static constexpr uint32_t kRegionSize = 0x10000;
  static constexpr uint32_t kStackTop = kStack + kRegionSize / 2;
  static constexpr uint32_t kReturn = kData + 0xF00;  // where a run may stop

  I686Machine();
  ~I686Machine();
  I686Machine(const I686Machine&) = delete;
  I686Machine& operator=(const I686Machine&) = delete;

  // False when the emulator could not be set up.
  bool ready() const { return ready_; }

  // Puts `code` at an address of its own and returns it: the emulator keeps
  // code that it has run translated, so none is written over.
  uint32_t place(const std::vector<uint8_t>& code);
  // A stub that removes `pop` bytes on return.
  uint32_t stub(uint16_t pop);

  void write(uint32_t address, const std::vector<uint8_t>& bytes);
  uint32_t word(uint32_t address);
  void setWord(uint32_t address, uint32_t value);
  uint32_t reg(int id);
  void setReg(int id, uint32_t value);

  // Runs from `begin` with the stack pointer at `esp` until `end`; false
  // when the code faulted or went elsewhere. With `instructions`, counts
  // the instructions run (which slows the run down).
  bool run(uint32_t begin, uint32_t end, uint32_t esp, uint64_t* instructions = nullptr);

  // Called at each stub's int3, the stack pointer at its return address;
  // returns the stub's result (%eax).
  std::function<uint32_t(I686Machine& machine)> onStub;

 private:
  static void onInterrupt(uc_engine* uc, uint32_t number, void* self);

  uc_engine* uc_ = nullptr;
  uc_hook hook_ = 0;
  bool ready_ = false;
  uint32_t nextCode_ = kStubs;
};

#endif  // INKSTAMP_FAXCLIENT_I686_MACHINE_H_
