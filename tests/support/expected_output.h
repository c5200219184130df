// The texts of inkstamp's standard output that nearly every scenario
// expects: the banner with the client library's version line, the usage
// text, and the lines of a session and its marking pass built from their
// particulars. Written out here once so that each test spells out only what
// is particular to it.
#ifndef INKSTAMP_TESTS_SUPPORT_EXPECTED_OUTPUT_H_
#define INKSTAMP_TESTS_SUPPORT_EXPECTED_OUTPUT_H_

#include <initializer_list>
#include <string>
#include <string_view>

namespace support {

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

// From the server line to the line that says the first try connected to
// `host`.
std::string connectedAtFirstTry(std::string_view host);

// The connection tries `first` to `last` to `host`, each failing with
// `failure` ("error N: text").
std::string failedTries(std::string_view host, std::string_view failure, int first, int last);

// A session that connects at the first try, from the server line to the
// blank line after the user line, which shows `user` as
// QUALIFIER\USER-ID "NAME".
std::string sessionHead(std::string_view host, std::string_view description, std::string_view user);
// What follows the marking pass: the blank line and the disconnect lines.
std::string sessionTail(std::string_view host, std::string_view description);

// The end of a run that the release check refused, after the first try
// connected: no description was read, so none is shown.
std::string refusedReleaseTail(std::string_view host);

// The progress lines of faxes that are all marked, in this order.
std::string markedInTurn(std::initializer_list<std::string_view> faxIds);

// The marking pass of a run: the fax list's retrieval, the line of its sort
// when `sorted`, the blank line, the progress lines in `progress` with a
// blank line after them when there are any, and the two summary lines.
std::string markingPass(std::string_view progress, std::string_view summary, bool sorted = false);

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_EXPECTED_OUTPUT_H_
