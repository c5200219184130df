// The loaded RFWIN32.dll: its full path (GetModuleFileNameA), the FileVersion
// of its version resource, and whether that resource names this project as
// its product, as our simulator's does.
#include <windows.h>

#include "faxlist/client_library.h"
#include "faxlist/version_resource.h"

namespace {

// Takes the first version resource, whatever its ID (the vendor's may use
// another than 1), while its name is valid: during the enumeration.
BOOL CALLBACK findFirst(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
  *reinterpret_cast<HRSRC*>(found) = FindResourceA(module, name, type);
  return FALSE;
}

// The path, which may be longer than MAX_PATH: when it fills the buffer it
// may be cut short (and on Windows XP not terminated), so the buffer grows
// until the path fits.
std::string modulePath(HMODULE module) {
  std::string path(MAX_PATH, '\0');
  while (path.size() <= 32768) {
    DWORD length = GetModuleFileNameA(module, path.data(), DWORD(path.size()));
    if (length == 0)
      return "";
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(2 * path.size());
  }
  return "";
}

// In the ANSI code page, in which the programs print.
std::string ansi(const std::u16string& text) {
  int length = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWCH>(text.data()),
                                   int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string converted(length > 0 ? size_t(length) : 0, '\0');
  if (length > 0)
    WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWCH>(text.data()), int(text.size()),
                        converted.data(), length, nullptr, nullptr);
  return converted;
}

}  // namespace

ClientLibrary findClientLibrary() {
  ClientLibrary library;
  HMODULE module = GetModuleHandleA("RFWIN32.dll");
  if (module == nullptr)
    return library;
  library.path = modulePath(module);
  library.version = "no version resource";
  HRSRC found = nullptr;
  EnumResourceNamesA(module, RT_VERSION, findFirst, reinterpret_cast<LONG_PTR>(&found));
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr)
    return library;
  const size_t size = SizeofResource(module, found);
  std::u16string text;
  library.version = versionResourceText(data, size, u"FileVersion", &text)
                        ? "version " + ansi(text)
                        : "no FileVersion in its version resource";
  library.simulator =
      versionResourceText(data, size, u"ProductName", &text) && text == u"" INKSTAMP_PRODUCT_NAME;
  return library;
}
