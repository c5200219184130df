// Copying a text field out of a record that the client library filled.
#include "rfaxprogram/bounded_text.h"

#include <stdlib.h>
#include <string.h>

char* copyBoundedText(const char* field, size_t fieldSize) {
  // memchr rather than strlen/strnlen: it stops at the field's end whether
  // or not a terminator is there, and it is in every C library.
  const void* terminator = memchr(field, '\0', fieldSize);
  size_t length =
      terminator ? static_cast<size_t>(static_cast<const char*>(terminator) - field) : fieldSize;
  char* copy = static_cast<char*>(malloc(length + 1));
  if (copy == nullptr)
    return nullptr;
  memcpy(copy, field, length);
  copy[length] = '\0';
  return copy;
}
