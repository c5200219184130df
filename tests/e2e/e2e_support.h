// Everything a test needs to run the built inkstamp against a simulator store
// and check what it did: running programs, the program under test, throw-away
// stores, and the program's fixed texts.
#ifndef INKSTAMP_TESTS_E2E_E2E_SUPPORT_H_
#define INKSTAMP_TESTS_E2E_E2E_SUPPORT_H_

#include "e2e/expected_output.h"
#include "e2e/program_under_test.h"
#include "e2e/run_process.h"
#include "e2e/sim_store.h"

#endif  // INKSTAMP_TESTS_E2E_E2E_SUPPORT_H_
