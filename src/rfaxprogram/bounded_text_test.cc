#include "rfaxprogram/bounded_text.h"

#include <stdlib.h>
#include <string.h>

#include <gtest/gtest.h>

namespace {

TEST(CopyBoundedTextTest, StopsAtTheTerminatorOrTheFieldsEnd) {
  struct Case {
    const char* field;
    size_t fieldSize;
    const char* expected;
  } cases[] = {
      {"abc\0zz", 6, "abc"},  // terminated inside the field
      {"abcdef", 3, "abc"},   // unterminated: cut at the field's end
      {"abc", 4, "abc"},      // the terminator is the last byte
      {"\0abc", 4, ""},      {"abc", 0, ""},
  };
  for (const Case& c : cases) {
    char* copy = copyBoundedText(c.field, c.fieldSize);
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, c.expected) << "field size " << c.fieldSize;
    free(copy);
  }
}

TEST(CopyBoundedTextTest, NeverReadsPastAnUnterminatedField) {
  // A heap block of exactly the field's size: AddressSanitizer reports any
  // read beyond it.
  char* field = static_cast<char*>(malloc(8));
  memset(field, 'x', 8);
  char* copy = copyBoundedText(field, 8);
  EXPECT_STREQ(copy, "xxxxxxxx");
  free(copy);
  free(field);
}

}  // namespace
