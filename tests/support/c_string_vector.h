// Owned C strings in a vector ended by a null entry, the shape in
// which the platform hands main() its arguments and the marking pass takes
// its fax-ID patterns.
#ifndef INKSTAMP_TESTS_SUPPORT_C_STRING_VECTOR_H_
#define INKSTAMP_TESTS_SUPPORT_C_STRING_VECTOR_H_

#include <initializer_list>
#include <string>
#include <vector>

namespace support {

class CStringVector {
 public:
  CStringVector(std::initializer_list<const char*> texts) : CStringVector(nullptr, texts) {}
  explicit CStringVector(const std::vector<std::string>& texts) : texts_(texts) { point(); }

  // An argument vector: the program's name, then the arguments.
  static CStringVector commandLine(std::initializer_list<const char*> arguments) {
    return CStringVector("inkstamp", arguments);
  }

  CStringVector(const CStringVector& other) : texts_(other.texts_) { point(); }
  CStringVector& operator=(const CStringVector&) = delete;

  // The number of entries before the null one.
  int count() const { return static_cast<int>(texts_.size()); }
  char** vector() { return pointers_.data(); }
  operator char**() { return pointers_.data(); }

 private:
  CStringVector(const char* first, std::initializer_list<const char*> texts) {
    if (first != nullptr)
      texts_.push_back(first);
    for (const char* text : texts)
      texts_.push_back(text);
    point();
  }

  void point() {
    pointers_.clear();
    for (std::string& text : texts_)
      pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
  }

  std::vector<std::string> texts_;
  std::vector<char*> pointers_;
};

// The arguments as a test's failure message names them: " 'a' 'b'".
inline std::string describeArguments(std::initializer_list<const char*> arguments) {
  std::string text;
  for (const char* argument : arguments)
    text += std::string(" '") + argument + "'";
  return text;
}

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_C_STRING_VECTOR_H_
