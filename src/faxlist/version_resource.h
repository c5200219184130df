// One text of a Windows version resource (VS_VERSIONINFO), read from the
// resource's bytes as the loaded module holds them. The programs import
// nothing beyond KERNEL32.dll, msvcrt.dll and RFWIN32.dll, so the block
// structure is walked here rather than by VERSION.dll; it is plain bytes,
// and so tested on every platform.
#ifndef INKSTAMP_FAXLIST_VERSION_RESOURCE_H_
#define INKSTAMP_FAXLIST_VERSION_RESOURCE_H_

#include <stddef.h>

#include <string>

// The value of the String named `name` in the resource's first
// StringFileInfo table that has one. False when there is none, or when the
// blocks don't fit in `size` bytes.
bool versionResourceText(const void* resource, size_t size, const std::u16string& name,
                         std::u16string* text);

#endif  // INKSTAMP_FAXLIST_VERSION_RESOURCE_H_
