// Everything a test needs to run the built inkstamp against a simulator store
// and check what it did: running programs, the program under test, throw-away
// stores, and the program's fixed texts.
#ifndef INKSTAMP_TESTS_SUPPORT_E2E_SUPPORT_H_
#define INKSTAMP_TESTS_SUPPORT_E2E_SUPPORT_H_

#include "support/expected_output.h"
#include "support/program_under_test.h"
#include "support/run_process.h"
#include "support/sim_store.h"

#endif  // INKSTAMP_TESTS_SUPPORT_E2E_SUPPORT_H_
