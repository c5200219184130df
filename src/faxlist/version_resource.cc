#include "faxlist/version_resource.h"

#include <stdint.h>

namespace {

// A block: wLength, wValueLength, wType, a NUL-terminated UTF-16 key, its
// value and its children, each of the last two on a 32-bit boundary.
struct Block {
  size_t end = 0;
  size_t valueAt = 0;
  size_t childrenAt = 0;
  std::u16string key;
};

class Blocks {
 public:
  Blocks(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}

  bool read(size_t at, size_t limit, Block* block) const {
    if (at + 6 > limit)
      return false;
    size_t length = word(at);
    if (length < 6 || at + length > limit)
      return false;
    block->end = at + length;
    // A text value's length is in UTF-16 units, a binary one's in bytes.
    size_t valueBytes = word(at + 4) == 1 ? 2 * size_t(word(at + 2)) : word(at + 2);
    block->key.clear();
    size_t p = at + 6;
    for (; word(p) != 0; p += 2) {
      if (p + 4 > block->end)
        return false;
      block->key += char16_t(word(p));
    }
    block->valueAt = align(p + 2);
    block->childrenAt = align(block->valueAt + valueBytes);
    return true;
  }

  // The child of `parent` named `key`.
  bool child(const Block& parent, const std::u16string& key, Block* found) const {
    for (size_t at = parent.childrenAt; at < parent.end; at = align(found->end)) {
      if (!read(at, parent.end, found))
        return false;
      if (found->key == key)
        return true;
    }
    return false;
  }

  // A text value, up to its NUL or the end of its block.
  std::u16string text(const Block& block) const {
    std::u16string value;
    for (size_t p = block.valueAt; p + 2 <= block.end && word(p) != 0; p += 2)
      value += char16_t(word(p));
    return value;
  }

 private:
  uint16_t word(size_t at) const {
    return at + 2 <= size_ ? uint16_t(data_[at] | data_[at + 1] << 8) : 0;
  }
  static size_t align(size_t at) { return (at + 3) & ~size_t(3); }

  const uint8_t* data_;
  size_t size_;
};

}  // namespace

bool versionResourceText(const void* resource, size_t size, const std::u16string& name,
                         std::u16string* text) {
  Blocks blocks(resource, size);
  Block root, strings, table, string;
  if (!blocks.read(0, size, &root) || root.key != u"VS_VERSION_INFO" ||
      !blocks.child(root, u"StringFileInfo", &strings))
    return false;
  for (size_t at = strings.childrenAt; at < strings.end; at = (table.end + 3) & ~size_t(3)) {
    if (!blocks.read(at, strings.end, &table))
      return false;
    if (blocks.child(table, name, &string)) {
      *text = blocks.text(string);
      return true;
    }
  }
  return false;
}
