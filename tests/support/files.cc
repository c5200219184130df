#include "support/files.h"

#include <filesystem>
#include <set>

namespace support {

std::string readFile(const std::string& path) {
  FILE* file = fopen(path.c_str(), "rb");
  if (file == nullptr)
    return "";
  std::string content = readStream(file);
  fclose(file);
  return content;
}

bool writeFile(const std::string& path, const std::string& content) {
  FILE* file = fopen(path.c_str(), "wb");
  if (file == nullptr)
    return false;
  bool written = fwrite(content.data(), 1, content.size(), file) == content.size();
  return fclose(file) == 0 && written;
}

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

bool copyFile(const std::string& from, const std::string& to) {
  std::error_code error;
  return std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing,
                                    error);
}

std::string namesIn(const std::string& folder) {
  std::set<std::string> sorted;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    sorted.insert(entry.path().filename().string());
  std::string names;
  for (const std::string& name : sorted)
    names += name + " ";
  return names;
}

std::string readStream(FILE* file) {
  std::string text;
  rewind(file);
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;)
    text.append(buffer, n);
  return text;
}

}  // namespace support
