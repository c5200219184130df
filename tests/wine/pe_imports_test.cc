// The Windows binaries' import and export tables, read with the cross objdump.
// They show what Wine can't: that inkstamp.exe needs nothing but the system's
// DLLs and RFWIN32.dll, takes exactly the 14 client functions from it under
// the DLL's undecorated names, and that our DLL is built in the convention
// that its tests expect. These run whether or not Wine can start the programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string objdump(const std::string& option, const std::string& file) {
  ProcessResult result = runProcess({Wine::get().objdump, option, file}, nativeOptions());
  EXPECT_EQ(result.exitStatus, 0) << describe(result);
  return result.out;
}

// The functions of the .def: name -> argument bytes (the @N).
std::map<std::string, int> definedFunctions() {
  std::map<std::string, int> result;
  std::istringstream lines(readFile(Wine::get().defFile));
  std::string line;
  bool inExports = false;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word[0] == ';')
      continue;
    if (word == "EXPORTS") {
      inExports = true;
      continue;
    }
    if (!inExports)
      continue;
    size_t at = word.find('@');
    result[word.substr(0, at)] = at == std::string::npos ? 0 : std::stoi(word.substr(at + 1));
  }
  return result;
}

// The DLLs a PE file imports (lower case), each with the names it takes.
std::map<std::string, std::set<std::string>> imports(const std::string& file) {
  std::map<std::string, std::set<std::string>> result;
  std::istringstream lines(objdump("-p", file));
  std::string line;
  std::string dll;
  while (std::getline(lines, line)) {
    size_t name = line.find("DLL Name: ");
    if (name != std::string::npos) {
      dll = lower(line.substr(name + 10));
      result[dll];
      continue;
    }
    if (line.empty())
      dll.clear();
    // Import entries: "\t<vma>\t <hint>  <name>".
    std::istringstream words(line);
    std::string vma, hint, function;
    if (!dll.empty() && line[0] == '\t' && (words >> vma >> hint >> function) &&
        std::isxdigit(static_cast<unsigned char>(vma[0])) && std::isdigit(hint[0]))
      result[dll].insert(function);
  }
  return result;
}

// The names in a DLL's export table.
std::set<std::string> exports(const std::string& file) {
  std::set<std::string> result;
  std::istringstream lines(objdump("-p", file));
  std::string line;
  bool inTable = false;
  while (std::getline(lines, line)) {
    if (line.find("[Ordinal/Name Pointer] Table") != std::string::npos) {
      inTable = true;
      continue;
    }
    if (inTable && line.empty())
      break;
    size_t bracket = line.find(']');
    if (inTable && bracket != std::string::npos)
      result.insert(line.substr(line.find_first_not_of(' ', bracket + 1)));
  }
  return result;
}

// The names in a PE file's symbol table.
std::set<std::string> symbols(const std::string& file) {
  std::set<std::string> result;
  std::istringstream lines(objdump("-t", file));
  std::string line;
  while (std::getline(lines, line)) {
    size_t space = line.rfind(' ');
    if (line.find("(sec") != std::string::npos && space != std::string::npos)
      result.insert(line.substr(space + 1));
  }
  return result;
}

const std::set<std::string> kSystemDlls = {"kernel32.dll", "msvcrt.dll"};

std::set<std::string> undecoratedNames() {
  std::set<std::string> names;
  for (const auto& [name, bytes] : definedFunctions())
    names.insert(name);
  return names;
}

}  // namespace

TEST(PeImports, ProgramNeedsOnlyTheSystemAndTheClientLibrary) {
  auto dlls = imports(Wine::get().stagePath("inkstamp.exe"));
  ASSERT_EQ(dlls.count("rfwin32.dll"), 1u) << "inkstamp.exe does not import RFWIN32.dll";
  for (const auto& [dll, functions] : dlls) {
    if (dll != "rfwin32.dll") {
      EXPECT_EQ(kSystemDlls.count(dll), 1u)
          << "inkstamp.exe needs " << dll << ", which Windows does not ship (a runtime DLL "
          << "that should have been linked statically?)";
    }
  }
  EXPECT_EQ(dlls["rfwin32.dll"], undecoratedNames())
      << "inkstamp.exe must take exactly the 14 client functions from RFWIN32.dll, undecorated";

  // The simulator's tool and DLL stand alone as well.
  for (const char* file : {"faxsim.exe", "RFWIN32.dll"}) {
    for (const auto& [dll, functions] : imports(Wine::get().stagePath(file)))
      EXPECT_EQ(kSystemDlls.count(dll), 1u) << file << " needs " << dll;
  }
}

// faxlist.exe stands alone like inkstamp.exe, and cannot mark: it does not
// even import the two functions that load and mark a fax.
TEST(PeImports, FaxlistNeedsOnlyTheSystemAndTakesNoMarkingCall) {
  auto dlls = imports(Wine::get().stagePath("faxlist.exe"));
  ASSERT_EQ(dlls.count("rfwin32.dll"), 1u) << "faxlist.exe does not import RFWIN32.dll";
  for (const auto& [dll, functions] : dlls) {
    if (dll != "rfwin32.dll") {
      EXPECT_EQ(kSystemDlls.count(dll), 1u) << "faxlist.exe needs " << dll;
    }
  }
  std::set<std::string> allowed = undecoratedNames();
  allowed.erase("RFaxLoadFax3");
  allowed.erase("InkStampFax");
  for (const std::string& function : dlls["rfwin32.dll"])
    EXPECT_EQ(allowed.count(function), 1u) << "faxlist.exe imports " << function;
  EXPECT_EQ(dlls["rfwin32.dll"].count("RFaxGetFaxList"), 1u);
}

TEST(PeImports, SimulatorDllExportsExactlyTheClientFunctions) {
  EXPECT_EQ(exports(Wine::get().stagePath("RFWIN32.dll")), undecoratedNames());
}

// The program's import symbols are the plain names on either architecture
// (__imp__Name on 32-bit Windows, where its wrappers call through them in
// whichever convention the DLL has). Our DLL's own function symbols show the
// convention it was built with: _Name@N, with the .def's argument bytes, for
// __stdcall; _Name for __cdecl; Name on 64-bit Windows.
TEST(PeImports, ProgramImportsPlainNamesAndDllHasItsConvention) {
  const Wine& wine = Wine::get();
  std::set<std::string> program = symbols(wine.stagePath("inkstamp.exe"));
  std::set<std::string> dll = symbols(wine.stagePath("RFWIN32.dll"));
  ASSERT_FALSE(program.empty()) << "inkstamp.exe has no symbol table to check";
  ASSERT_FALSE(dll.empty()) << "RFWIN32.dll has no symbol table to check";
  const bool x86 = wine.arch != "x86_64";
  for (const auto& [name, bytes] : definedFunctions()) {
    std::string imported = (x86 ? "__imp__" : "__imp_") + name;
    std::string defined = x86 ? "_" + name : name;
    if (x86 && wine.stdcall)
      defined += "@" + std::to_string(bytes);
    EXPECT_EQ(program.count(imported), 1u) << "inkstamp.exe lacks the import symbol " << imported;
    EXPECT_EQ(dll.count(defined), 1u) << "RFWIN32.dll lacks the function symbol " << defined;
  }
}
