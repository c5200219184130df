// The fixed texts of inkstamp's standard output that nearly every scenario
// expects: the banner with the client library's version line, and the usage
// text. Written out here once so that each test spells out only what is
// particular to it.
#ifndef INKSTAMP_TESTS_E2E_EXPECTED_OUTPUT_H_
#define INKSTAMP_TESTS_E2E_EXPECTED_OUTPUT_H_

#include <string>
#include <string_view>

namespace e2e {

// The version line's time for the stores' default API version.
extern const char kDefaultApiVersionText[];

// The five banner outputs that open every run.
std::string banner();

// The banner and the version line that the program object prints on
// construction, for a library whose version shows as `apiVersionText`
// (such as "12/06/2008 00:00:00Z"): what every run's output begins with.
std::string outputHead(std::string_view apiVersionText = kDefaultApiVersionText);

// The usage text, without a blank line before it.
std::string usage();

}  // namespace e2e

#endif  // INKSTAMP_TESTS_E2E_EXPECTED_OUTPUT_H_
