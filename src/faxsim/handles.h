// A per-process table of open handles: small non-zero numbers that stand for
// the library's objects. Numbers are never reused while the process lives,
// so a stale handle is reported as not open instead of reaching another
// object. Callers hold a shared_ptr for the length of a call, so closing a
// handle from inside a callback can't pull the object from under the call.
#ifndef INKSTAMP_FAXSIM_HANDLES_H_
#define INKSTAMP_FAXSIM_HANDLES_H_

#include <stdint.h>

#include <memory>
#include <unordered_map>

namespace faxsim {

template <typename T>
class HandleTable {
 public:
  // Issues the next number for `object`; 0 when every number is spent.
  uint32_t add(std::shared_ptr<T> object) {
    if (next_ == 0)
      return 0;
    uint32_t handle = next_++;
    objects_.emplace(handle, std::move(object));
    return handle;
  }

  // The object of `handle`, or nullptr when it is not open.
  std::shared_ptr<T> find(uint32_t handle) const {
    auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : it->second;
  }

  // Closes `handle`; false when it was not open.
  bool remove(uint32_t handle) { return objects_.erase(handle) != 0; }

 private:
  std::unordered_map<uint32_t, std::shared_ptr<T>> objects_;
  uint32_t next_ = 1;
};

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_HANDLES_H_
