// Reading back the fake client library's call trace.
#include "traced_calls.h"

#include <stdlib.h>

#include <utility>

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Reads the quoted text that starts at `line[*at]` and moves past it.
bool readText(const std::string& line, size_t* at, std::string* text) {
  size_t i = *at + 1;
  while (i < line.size() && line[i] != '"') {
    if (line[i] != '\\') {
      text->push_back(line[i++]);
    } else if (i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
      text->push_back(line[i + 1]);
      i += 2;
    } else if (i + 3 < line.size() && line[i + 1] == 'x' && hexDigit(line[i + 2]) >= 0 &&
               hexDigit(line[i + 3]) >= 0) {
      text->push_back(static_cast<char>(hexDigit(line[i + 2]) * 16 + hexDigit(line[i + 3])));
      i += 4;
    } else {
      return false;
    }
  }
  if (i >= line.size())
    return false;
  *at = i + 1;
  return true;
}

bool readNumber(const std::string& text, int64_t* value) {
  if (text.empty())
    return false;
  char* end = nullptr;
  *value = strtoll(text.c_str(), &end, 10);
  return *end == '\0';
}

bool parseLine(const std::string& line, TracedCall* call) {
  size_t open = line.find('(');
  if (open == std::string::npos || open == 0)
    return false;
  call->name = line.substr(0, open);
  size_t at = open + 1;
  while (at < line.size() && line[at] != ')') {
    std::string arg;
    if (line[at] == '"') {
      if (!readText(line, &at, &arg))
        return false;
    } else {
      size_t end = line.find_first_of(",)", at);
      if (end == std::string::npos)
        return false;
      arg = line.substr(at, end - at);
      at = end;
    }
    call->args.push_back(arg);
    if (line.compare(at, 2, ", ") == 0)
      at += 2;
    else if (at >= line.size() || line[at] != ')')
      return false;
  }
  if (at >= line.size())
    return false;
  std::string rest = line.substr(at + 1);
  if (rest.empty())
    return true;
  if (rest.compare(0, 3, " = ") != 0)
    return false;
  call->hasResult = true;
  return readNumber(rest.substr(3), &call->result);
}

}  // namespace

int64_t TracedCall::number(size_t index) const {
  int64_t value = 0;
  if (index >= args.size() || !readNumber(args[index], &value))
    return 0;
  return value;
}

bool parseTrace(const std::string& trace, std::vector<TracedCall>* calls) {
  calls->clear();
  size_t start = 0;
  while (start < trace.size()) {
    size_t end = trace.find('\n', start);
    if (end == std::string::npos)
      return false;
    TracedCall call;
    if (!parseLine(trace.substr(start, end - start), &call))
      return false;
    calls->push_back(std::move(call));
    start = end + 1;
  }
  return true;
}
