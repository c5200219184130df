#include "faxclient/i686_machine.h"

#include "i686_code.h"

I686Machine::I686Machine() {
  constexpr uint32_t kPage = 0x1000;
  if (uc_open(UC_ARCH_X86, UC_MODE_32, &uc_) != UC_ERR_OK) {
    uc_ = nullptr;
    return;
  }
  const uint32_t codeSize = (sizeof(i686_code::kBytes) + kPage - 1) / kPage * kPage;
  ready_ = uc_mem_map(uc_, i686_code::kBase, codeSize, UC_PROT_ALL) == UC_ERR_OK &&
           uc_mem_write(uc_, i686_code::kBase, i686_code::kBytes, sizeof(i686_code::kBytes)) ==
               UC_ERR_OK;
  for (uint32_t region : {kStubs, kStack, kData})
    ready_ = ready_ && uc_mem_map(uc_, region, kRegionSize, UC_PROT_ALL) == UC_ERR_OK;
  ready_ = ready_ && uc_hook_add(uc_, &hook_, UC_HOOK_INTR, reinterpret_cast<void*>(&onInterrupt),
                                 this, 1, 0) == UC_ERR_OK;
}

I686Machine::~I686Machine() {
  if (uc_ != nullptr)
    uc_close(uc_);
}

uint32_t I686Machine::place(const std::vector<uint8_t>& code) {
  uint32_t address = nextCode_;
  write(address, code);
  nextCode_ += (uint32_t(code.size()) + 15) / 16 * 16;
  return address;
}

uint32_t I686Machine::stub(uint16_t pop) {
  // int3, then ret or ret $pop.
  if (pop == 0)
    return place({0xCC, 0xC3});
  return place({0xCC, 0xC2, uint8_t(pop), uint8_t(pop >> 8)});
}

void I686Machine::write(uint32_t address, const std::vector<uint8_t>& bytes) {
  uc_mem_write(uc_, address, bytes.data(), bytes.size());
}

uint32_t I686Machine::word(uint32_t address) {
  uint32_t value = 0;
  uc_mem_read(uc_, address, &value, 4);
  return value;
}

void I686Machine::setWord(uint32_t address, uint32_t value) {
  uc_mem_write(uc_, address, &value, 4);
}

uint32_t I686Machine::reg(int id) {
  uint32_t value = 0;
  uc_reg_read(uc_, id, &value);
  return value;
}

void I686Machine::setReg(int id, uint32_t value) {
  uc_reg_write(uc_, id, &value);
}

bool I686Machine::run(uint32_t begin, uint32_t end, uint32_t esp, uint64_t* instructions) {
  setReg(UC_X86_REG_ESP, esp);
  uc_hook counter = 0;
  if (instructions != nullptr) {
    *instructions = 0;
    auto count =
        +[](uc_engine*, uint64_t, uint32_t, void* total) { ++*static_cast<uint64_t*>(total); };
    if (uc_hook_add(uc_, &counter, UC_HOOK_CODE, reinterpret_cast<void*>(count), instructions, 1,
                    0) != UC_ERR_OK)
      return false;
  }
  bool ended =
      uc_emu_start(uc_, begin, end, 10000000, 0) == UC_ERR_OK && reg(UC_X86_REG_EIP) == end;
  if (instructions != nullptr)
    uc_hook_del(uc_, counter);
  return ended;
}

void I686Machine::onInterrupt(uc_engine* uc, uint32_t number, void* self) {
  auto* machine = static_cast<I686Machine*>(self);
  if (number != 3 || !machine->onStub) {
    uc_emu_stop(uc);
    return;
  }
  machine->setReg(UC_X86_REG_EAX, machine->onStub(*machine));
}
