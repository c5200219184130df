// libFuzzer target for the whole inkstamp program: the option loop, the
// request checks, the run sequence and the marking pass, run in-process
// against the fake client library. The input chooses the command line and
// every answer of the library; the program's output and the library's call
// trace are then checked against each other (see run_checks.h).
//
// Input: a 16-bit little-endian length, that many bytes of arguments split at
// NUL bytes (argv[0] is always "inkstamp"), then a sequence of commands that
// set up the fake, each a command byte and its operands (fuzz_scenario.cc).
// A short input simply ends the sequence; reads past the end give zeros.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include "fakeclient/fake_client.h"
#include "fuzz_scenario.h"
#include "inkstamp/mark_program.h"
#include "run_checks.h"

namespace {

// Runs the program as the entry point does, minus the banner: one program
// object per run, its output and standard output both going to `capture`.
// The object is deleted afterwards so that nothing leaks from run to run.
int runProgram(ArgumentVector& arguments, FILE* capture) {
  FILE* realStdout = stdout;
  stdout = capture;
  MarkProgram* program = new MarkProgram;
  program->output = stdout;
  int status = program->run(arguments.count(), arguments.vector());
  if (program->serverHandle != 0)
    program->disconnect();
  delete program;
  fflush(capture);
  stdout = realStdout;
  return status;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fakeclient::reset();
  sortOrder = kSortNone;

  Scenario scenario;
  readScenario(data, size, &scenario);

  char* text = nullptr;
  size_t length = 0;
  FILE* capture = open_memstream(&text, &length);
  if (capture == nullptr)
    abort();
  RunRecord record;
  record.status = runProgram(scenario.arguments, capture);
  fclose(capture);
  record.output.assign(text, length);
  free(text);
  record.trace = fakeclient::trace();
  record.sortOrder = sortOrder;
  record.serverLeftOpen = fakeclient::openServerHandle() != 0;
  record.listLeftOpen = fakeclient::listIsOpen();

  checkRun(scenario, record);
  return 0;
}
