// The Windows side of the Wine tests: where the cross-built programs are,
// which Wine loader and prefix run them, and whether that Wine can run at all
// on this machine. The native test build passes all of it in environment
// variables (see CMakeLists.txt).
#ifndef INKSTAMP_TESTS_SUPPORT_WINE_H_
#define INKSTAMP_TESTS_SUPPORT_WINE_H_

#include <chrono>
#include <string>
#include <vector>

#include "support/run_process.h"

namespace support {

class Wine {
 public:
  // The configuration of this test process.
  static const Wine& get();

  std::string arch;            // "i686" or "x86_64"
  std::string loader;          // the Wine loader; empty when not installed
  std::string prefix;          // the WINEPREFIX folder
  std::string stage;           // the folder of inkstamp.exe, RFWIN32.dll, faxsim.exe, helpers
  std::string work;            // scratch space of this architecture's tests
  std::string objdump;         // the cross objdump
  std::string defFile;         // the .def the import library is made from
  bool stdcall = false;        // our RFWIN32.dll here is __stdcall (_Name@N)
  std::string nativeInkstamp;  // the POSIX build of the program
  std::string nativeFaxlist;   // the POSIX build of its listing companion
  std::string nativeFaxsim;    // the POSIX store tool

  // How long one program of these tests may run, Wine's start-up included.
  static constexpr std::chrono::seconds kRunTimeout{120};

  enum class State {
    kReady,        // programs of this architecture run
    kUnavailable,  // this machine can't run them: skip, saying why
    kBroken,       // Wine is there but fails: a fault to report
  };

  // Whether Wine runs programs of this architecture here, with the reason when
  // it does not. The answer of the last probe is kept in a file beside the
  // prefix; without one, this probes first.
  State state(std::string* reason) const;

  // Probes afresh, preparing the prefix on its first use (which takes a
  // while), and records the answer. The prefix fixture of each architecture
  // runs this before the other tests.
  State probe(std::string* reason) const;

  // The command that runs a Windows program of the stage under Wine.
  std::vector<std::string> command(const std::string& program,
                                   const std::vector<std::string>& arguments) const;
  // The environment that goes with it: prefix, quiet debug channels, no GUI;
  // and kRunTimeout.
  ProcessOptions options() const;

  // A Unix path as Windows programs under Wine spell it (Z: is the root).
  static std::string windowsPath(const std::string& unixPath);

  std::string stagePath(const std::string& file) const { return stage + "/" + file; }

 private:
  // How long the prefix's wineserver stays after its last program ends.
  static constexpr int kServerLingerSeconds = 120;

  std::string probeFile() const { return prefix + ".probe"; }
  void keepServerRunning() const;
};

}  // namespace support

// Skips the current test when this machine can't run the architecture's
// programs under Wine, and fails it when Wine is installed but broken.
#define REQUIRE_WINE()                                   \
  do {                                                   \
    std::string wineReason;                              \
    switch (::support::Wine::get().state(&wineReason)) { \
      case ::support::Wine::State::kReady:               \
        break;                                           \
      case ::support::Wine::State::kUnavailable:         \
        GTEST_SKIP() << wineReason;                      \
      case ::support::Wine::State::kBroken:              \
        FAIL() << wineReason;                            \
    }                                                    \
  } while (false)

#endif  // INKSTAMP_TESTS_SUPPORT_WINE_H_
