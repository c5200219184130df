// The version resource's blocks walked as Windows lays them out: nested
// blocks on 32-bit boundaries, a binary root value, text values counted in
// UTF-16 units, several string tables.
#include "faxlist/version_resource.h"

#include <gtest/gtest.h>
#include <stdint.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void pad(Bytes* bytes) {
  while (bytes->size() % 4 != 0)
    bytes->push_back(0);
}

// A block with `key`, a value of `valueBytes` (text: UTF-16 units counted)
// and its children.
Bytes block(const std::u16string& key, const Bytes& value, bool text, uint16_t valueLength,
            std::initializer_list<Bytes> children = {}) {
  Bytes bytes = {0, 0, uint8_t(valueLength), uint8_t(valueLength >> 8), uint8_t(text ? 1 : 0), 0};
  for (char16_t c : key + u'\0')
    bytes.insert(bytes.end(), {uint8_t(c), uint8_t(c >> 8)});
  pad(&bytes);
  bytes.insert(bytes.end(), value.begin(), value.end());
  for (const Bytes& child : children) {
    pad(&bytes);
    bytes.insert(bytes.end(), child.begin(), child.end());
  }
  bytes[0] = uint8_t(bytes.size());
  bytes[1] = uint8_t(bytes.size() >> 8);
  return bytes;
}

Bytes string(const std::u16string& key, const std::u16string& value) {
  Bytes text;
  for (char16_t c : value + u'\0')
    text.insert(text.end(), {uint8_t(c), uint8_t(c >> 8)});
  return block(key, text, true, uint16_t(value.size() + 1));
}

Bytes resource(std::initializer_list<Bytes> tables) {
  Bytes strings = block(u"StringFileInfo", {}, true, 0);
  for (const Bytes& table : tables) {
    pad(&strings);
    strings.insert(strings.end(), table.begin(), table.end());
  }
  strings[0] = uint8_t(strings.size());
  strings[1] = uint8_t(strings.size() >> 8);
  Bytes fixed(52, 0xEE);  // VS_FIXEDFILEINFO, binary
  Bytes translation =
      block(u"VarFileInfo", {}, true, 0, {block(u"Translation", {9, 4, 0xB0, 4}, false, 4)});
  return block(u"VS_VERSION_INFO", fixed, false, 52, {translation, strings});
}

TEST(VersionResource, FindsATextInAnyStringTable) {
  // The first table ends off a 32-bit boundary; the next starts on one.
  Bytes bytes =
      resource({block(u"040904B0", {}, true, 0, {string(u"ProductName", u"Fax9")}),
                block(u"040704B0", {}, true, 0,
                      {string(u"CompanyName", u"Ex"), string(u"FileVersion", u"5.2.0.1")})});
  std::u16string text;
  ASSERT_TRUE(versionResourceText(bytes.data(), bytes.size(), u"FileVersion", &text));
  EXPECT_EQ(text, u"5.2.0.1");
  ASSERT_TRUE(versionResourceText(bytes.data(), bytes.size(), u"ProductName", &text));
  EXPECT_EQ(text, u"Fax9");
  EXPECT_FALSE(versionResourceText(bytes.data(), bytes.size(), u"Comments", &text));
}

TEST(VersionResource, RefusesBlocksThatDontFit) {
  Bytes bytes = resource({block(u"040904B0", {}, true, 0, {string(u"FileVersion", u"1.0")})});
  std::u16string text;
  for (size_t cut : {size_t(0), size_t(5), bytes.size() / 2, bytes.size() - 1}) {
    SCOPED_TRACE(cut);
    EXPECT_FALSE(versionResourceText(bytes.data(), cut, u"FileVersion", &text));
  }
  Bytes wrongRoot = bytes;
  wrongRoot[6] = 'X';  // the root's key
  EXPECT_FALSE(versionResourceText(wrongRoot.data(), wrongRoot.size(), u"FileVersion", &text));
}

}  // namespace
