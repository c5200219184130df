// The fixture of the faxsim command's tests: a fresh directory per test,
// faxsim runs in-process with captured output, and a dump of a store's rows
// for "nothing changed" checks.
#ifndef INKSTAMP_FAXSIMTOOL_FAXSIM_COMMAND_TEST_H_
#define INKSTAMP_FAXSIMTOOL_FAXSIM_COMMAND_TEST_H_

#include <gtest/gtest.h>
#include <stdint.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/temp_store.h"

namespace support {

struct RunResult {
  int status;
  std::string out;
  std::string err;
};

class FaxsimTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const std::string& store() const { return store_; }
  const std::filesystem::path& dir() const { return dir_; }

  // Runs `faxsim --store STORE args...` with an empty environment.
  RunResult run(std::vector<std::string> args);
  // Runs `faxsim args...` as given.
  RunResult runPlain(std::vector<std::string> args);
  // Runs and expects success.
  std::string ok(std::vector<std::string> args);
  // A new store (replacing any) with the test world's server and its user
  // ALICE, with faxsim's defaults for everything else.
  void createWithAlice();

  // Every row of every table, in a fixed order, as text.
  std::string dump() const;
  // One integer from a query on the store.
  int64_t queryInt(const std::string& sql) const;
  // One text from a query on the store.
  std::string queryText(const std::string& sql) const;

  // Expects `args` to fail with `status` and one error line that contains
  // `message`, and the store to be as it was.
  void expectRejected(std::vector<std::string> args, int status, const std::string& message);

 private:
  std::unique_ptr<TempStore> temp_;
  std::filesystem::path dir_;
  std::string store_;
};

}  // namespace support

#endif  // INKSTAMP_FAXSIMTOOL_FAXSIM_COMMAND_TEST_H_
