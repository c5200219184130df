// Prints what Windows reads from a file's version resource and application
// manifest, for the Wine tests to compare with what the build put there.
//
// usage: version_info file
// Output, one "name=value" line each: the fixed file and product versions,
// then the strings of the file's first translation (ProductName,
// FileDescription, FileVersion, ProductVersion, OriginalFilename,
// InternalName), then "manifest=" and the manifest's text, or "manifest=none".
// Exit status 1 when the file has no version resource.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

void printFixedVersion(const char* name, DWORD high, DWORD low) {
  printf("%s=%lu.%lu.%lu.%lu\n", name, static_cast<unsigned long>(HIWORD(high)),
         static_cast<unsigned long>(LOWORD(high)), static_cast<unsigned long>(HIWORD(low)),
         static_cast<unsigned long>(LOWORD(low)));
}

// The string `name` of the translation given as "llllcccc", or "(none)".
std::string versionString(std::vector<char>& block, const char* translation, const char* name) {
  std::string path = std::string("\\StringFileInfo\\") + translation + "\\" + name;
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
      length == 0)
    return "(none)";
  return std::string(value, strnlen(value, length));
}

// The manifest that the loader reads from an executable: resource 1 of type
// RT_MANIFEST.
void printManifest(const char* file) {
  HMODULE module = LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC resource =
      module != nullptr ? FindResourceA(module, MAKEINTRESOURCEA(1), RT_MANIFEST) : nullptr;
  HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
  const char* text = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (text == nullptr)
    printf("manifest=none\n");
  else
    printf("manifest=%.*s\n", static_cast<int>(SizeofResource(module, resource)), text);
  if (module != nullptr)
    FreeLibrary(module);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: version_info file\n");
    return 2;
  }
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
  std::vector<char> block(size);
  if (size == 0 || !GetFileVersionInfoA(argv[1], 0, size, block.data())) {
    printf("no version resource: error %lu\n", static_cast<unsigned long>(GetLastError()));
    return 1;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) &&
      length >= sizeof *fixed) {
    printFixedVersion("fixed.FileVersion", fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    printFixedVersion("fixed.ProductVersion", fixed->dwProductVersionMS, fixed->dwProductVersionLS);
  }
  WORD* languages = nullptr;
  char translation[9] = "040904b0";
  if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                     reinterpret_cast<void**>(&languages), &length) &&
      length >= 2 * sizeof(WORD))
    snprintf(translation, sizeof translation, "%04x%04x", languages[0], languages[1]);
  for (const char* name : {"ProductName", "FileDescription", "FileVersion", "ProductVersion",
                           "OriginalFilename", "InternalName"})
    printf("%s=%s\n", name, versionString(block, translation, name).c_str());
  printManifest(argv[1]);
  return 0;
}
