// Copying a text field out of a record that the client library filled. The
// library may leave a field unterminated, so a copy never reads past the
// field's end.
#ifndef INKSTAMP_RFAXPROGRAM_BOUNDED_TEXT_H_
#define INKSTAMP_RFAXPROGRAM_BOUNDED_TEXT_H_

#include <stddef.h>

// Returns a malloc'd, NUL-terminated copy of the text at `field`: the bytes up
// to the first NUL, or all `fieldSize` bytes when the field holds none.
// Returns null only when the allocation fails. The caller frees the copy.
char* copyBoundedText(const char* field, size_t fieldSize);

#endif  // INKSTAMP_RFAXPROGRAM_BOUNDED_TEXT_H_
