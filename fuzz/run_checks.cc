// The rules every run of the program must keep, checked from its output, its
// exit status and the fake library's call trace.
#include "run_checks.h"

#include <inttypes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "inkstamp/wildcard.h"
#include "traced_calls.h"

namespace {

const char kUsageEnd[] =
    "characters.  Conflicting marking options cannot be specified.\n"
    "\n";

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A text field of a record, up to its terminator or the field's end.
std::string fieldText(const char* field, size_t fieldSize) {
  const void* nul = memchr(field, '\0', fieldSize);
  size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : fieldSize;
  return std::string(field, length);
}

// faxId runs to its terminator, which the scenario keeps inside the record.
std::string faxIdOf(const FaxListElement& element) {
  size_t room = sizeof element - offsetof(FaxListElement, faxId);
  return fieldText(element.faxId, room);
}

std::string format(const char* pattern, int64_t first, int64_t second = 0) {
  char text[64];
  snprintf(text, sizeof text, pattern, first, second);
  return text;
}

// One fax that the pass selected, as the trace shows it.
struct SelectedFax {
  size_t index = 0;  // in the walked order
  bool loaded = false;
  std::vector<int64_t> markCodes;
  std::vector<bool> markFailed;
  bool fullyMarked() const {
    return loaded && std::find(markFailed.begin(), markFailed.end(), true) == markFailed.end();
  }
};

class RunChecker {
 public:
  RunChecker(const Scenario& scenario, const RunRecord& record)
      : scenario_(scenario), record_(record) {}

  void check();

 private:
  void expect(bool condition, const char* rule);
  size_t count(const char* name) const;
  const TracedCall* last(const char* name) const;
  void checkConnection();
  void checkConnectedRun(const std::string& host);
  void checkPass(std::string body);
  size_t walk(size_t from, const std::vector<FaxListElement>& walkedOrder);
  void checkMarkCodes();
  void checkSelection(const std::vector<FaxListElement>& walkedOrder);
  std::string faxBlocks(const std::vector<FaxListElement>& walkedOrder) const;
  void checkSummary(const std::string& summary, const std::vector<FaxListElement>& walkedOrder);

  const Scenario& scenario_;
  const RunRecord& record_;
  std::vector<TracedCall> calls_;
  std::string userId_;
  size_t walked_ = 0;
  bool walkEnded_ = false;
  std::vector<SelectedFax> selected_;
};

void RunChecker::expect(bool condition, const char* rule) {
  if (condition)
    return;
  fprintf(stderr, "\n*** inkstamp_fuzz: %s\n*** exit status %d\n*** arguments:", rule,
          record_.status);
  for (const std::string& argument : scenario_.arguments.arguments())
    fprintf(stderr, " [%s]", argument.c_str());
  fprintf(stderr, "\n*** output:\n%s\n*** trace:\n%s", record_.output.c_str(),
          record_.trace.c_str());
  abort();
}

size_t RunChecker::count(const char* name) const {
  return std::count_if(calls_.begin(), calls_.end(),
                       [name](const TracedCall& call) { return call.name == name; });
}

const TracedCall* RunChecker::last(const char* name) const {
  for (auto call = calls_.rbegin(); call != calls_.rend(); ++call) {
    if (call->name == name)
      return &*call;
  }
  return nullptr;
}

void RunChecker::check() {
  int status = record_.status;
  expect(status == 0 || status == 1 || status == 2 || status == 3 || status == 255,
         "the exit status is one of 0, 1, 2, 3 and 255");
  expect(record_.output.rfind("RightFax API version: ", 0) == 0,
         "the output begins with the API version line");
  expect(!record_.serverLeftOpen, "the server handle is closed");
  expect(!record_.listLeftOpen, "the list handle is closed");
  expect(parseTrace(record_.trace, &calls_), "the trace reads as calls");
  expect(!calls_.empty() && calls_[0].name == "RFaxGetAPIVersion",
         "the API version is asked first");
  if (status == 255) {
    expect(calls_.size() == 1, "a refused command line makes no call to the server");
    expect(endsWith(record_.output, kUsageEnd), "a refused command line ends with the usage");
    return;
  }
  checkConnection();
}

void RunChecker::checkConnection() {
  size_t tries = count("RFaxCreateServerHandle");
  expect(tries >= 1 && tries <= 5, "one to five connection tries");
  const TracedCall* lastTry = last("RFaxCreateServerHandle");
  expect(!lastTry->args.empty(), "the host is traced");
  const std::string host = lastTry->args[0];
  for (const TracedCall& call : calls_) {
    if (call.name == "RFaxCreateServerHandle")
      expect(call.args[0] == host, "every try goes to the same host");
  }
  expect(count("Sleep") == tries - (lastTry->result != 0 ? 1 : 0),
         "a pause after each failed try, the last included");
  if (lastTry->result == 0) {
    expect(tries == 5 && record_.status == 1, "no connection after five tries: status 1");
    expect(calls_.back().name == "Sleep", "nothing happens after the last pause");
    expect(
        endsWith(record_.output, "Can't connect to RightFax server after 5 tries: " + host + "\n"),
        "the output ends with the give-up line");
    return;
  }
  checkConnectedRun(host);
}

void RunChecker::checkConnectedRun(const std::string& host) {
  expect(count("RFaxCloseServerHandle") == 1 && calls_.back().name == "RFaxCloseServerHandle",
         "the server handle is closed once, by the last call");
  const TracedCall* info = last("RFaxGetServerInfo2");
  bool described = std::any_of(calls_.begin(), calls_.end(), [](const TracedCall& call) {
    return call.name == "RFaxGetServerInfo2" && call.result == 0;
  });
  std::string description = described ? fieldText(scenario_.serverInfo.description,
                                                  sizeof scenario_.serverInfo.description)
                                      : "-";
  std::string disconnect =
      "Disconnect from RightFax server: " + host + ", " + description + "\nDisconnected\n";
  expect(endsWith(record_.output, disconnect), "the disconnect messages come last");
  std::string body = record_.output.substr(0, record_.output.size() - disconnect.size());

  const TracedCall* lookup = last("RFaxLoadUser3");
  switch (record_.status) {
    case 1:
      expect(last("RFaxVersionCheck") != nullptr && last("RFaxVersionCheck")->result != 0,
             "status 1 after connecting: release refused");
      expect(endsWith(body, "Incompatible RightFax server release, need 5.20\n"),
             "the release message comes before the disconnect");
      break;
    case 2:
      expect(info != nullptr && info->result != 0, "status 2: no server information");
      expect(endsWith(body, "Can't retrieve server info: " + host + "\n"),
             "the server information message comes before the disconnect");
      break;
    case 3:
      expect(lookup != nullptr && lookup->result != 0 && lookup->args.size() > 3,
             "status 3: no such user");
      expect(endsWith(body, "Invalid user: \"" + lookup->args[3] + "\"\n"),
             "the user message comes before the disconnect");
      break;
    default:
      expect(lookup != nullptr && lookup->result == 0, "status 0: the user was found");
      checkPass(body);
      return;
  }
  expect(count("RFaxGetFaxList") == 0, "no fax list unless the run got to the pass");
}

void RunChecker::checkPass(std::string body) {
  expect(endsWith(body, "\n"), "a blank line follows the pass");
  body.pop_back();
  userId_ = fieldText(scenario_.userRecord.userId, sizeof scenario_.userRecord.userId);

  expect(count("RFaxGetFaxList") == 1, "one fax list request");
  size_t fetch = 0;
  while (calls_[fetch].name != "RFaxGetFaxList")
    ++fetch;
  expect(calls_[fetch].args.size() > 1 && calls_[fetch].args[1] == userId_,
         "the list is fetched under the user ID the server returned");
  if (calls_[fetch].result != 0) {
    expect(endsWith(body,
                    "Retrieving fax list...\nCan't retrieve fax list for user: " + userId_ + "\n"),
           "a refused fax list ends the pass at once");
    expect(fetch + 2 == calls_.size(), "nothing but the disconnect follows a refused list");
    return;
  }

  const TracedCall* sort = last("RFaxListSort");
  expect((sort != nullptr) == (record_.sortOrder != kSortNone), "sorted only when asked");
  std::vector<FaxListElement> walkedOrder = scenario_.list;
  if (sort != nullptr && sort->result == 0) {
    bool reversed = record_.sortOrder == kSortByDateReversed;
    std::stable_sort(walkedOrder.begin(), walkedOrder.end(),
                     [reversed](const FaxListElement& left, const FaxListElement& right) {
                       int32_t leftDate = left.date;
                       int32_t rightDate = right.date;
                       return reversed ? leftDate > rightDate : leftDate < rightDate;
                     });
  }
  size_t close = walk(fetch + 1, walkedOrder);
  expect(close + 2 == calls_.size(), "the list is closed once, just before the disconnect");
  checkMarkCodes();
  checkSelection(walkedOrder);

  std::string pass = "Retrieving fax list...\n";
  if (sort != nullptr) {
    pass += "Sorting fax list by date...\n";
    if (sort->result != 0)
      pass += "Can't sort the fax list for user: " + userId_ + "\n";
  }
  if (!selected_.empty())
    pass += "\n";
  pass += faxBlocks(walkedOrder);
  pass += "\n";
  // The summary holds no text from the server, so its last occurrence is it.
  size_t summary = body.rfind("\nfaxes:");
  expect(summary != std::string::npos, "the pass ends with a summary");
  expect(endsWith(body.substr(0, summary + 1), pass),
         "the progress lines and per-fax messages agree with the calls made");
  checkSummary(body.substr(summary + 1), walkedOrder);
}

// Follows the calls of the walk from `from` on; returns the index of the
// list's closing.
size_t RunChecker::walk(size_t from, const std::vector<FaxListElement>& walkedOrder) {
  bool started = false;
  size_t at = from;
  for (; at < calls_.size(); ++at) {
    const TracedCall& call = calls_[at];
    if (call.name == "RFaxListSort") {
      expect(!started, "the sort comes before the walk");
    } else if (call.name == "RFaxListGetFirstElementPtr" ||
               call.name == "RFaxListGetNextElementPtr") {
      expect((call.name == "RFaxListGetFirstElementPtr") == !started,
             "the walk asks for the first element once, then the next ones");
      expect(!walkEnded_, "no element is asked for after the walk ended");
      started = true;
      if (call.result != 0) {
        walkEnded_ = true;
      } else {
        expect(walked_ < walkedOrder.size(), "no more elements than listed");
        ++walked_;
      }
    } else if (call.name == "RFaxLoadFax3") {
      expect(walked_ > 0 && !walkEnded_, "a fax is loaded only while its element is current");
      expect(selected_.empty() || selected_.back().index != walked_ - 1,
             "each selected fax is loaded once");
      expect(static_cast<uint32_t>(call.number(1)) == walkedOrder[walked_ - 1].faxHandle,
             "the fax loaded is the current element's");
      SelectedFax fax;
      fax.index = walked_ - 1;
      fax.loaded = call.result == 0;
      selected_.push_back(fax);
    } else if (call.name == "InkStampFax") {
      expect(!selected_.empty() && selected_.back().index == walked_ - 1 && !walkEnded_ &&
                 selected_.back().loaded,
             "marks go only to the current, loaded fax");
      expect(static_cast<uint32_t>(call.number(1)) == walkedOrder[walked_ - 1].faxHandle,
             "the fax marked is the current element's");
      selected_.back().markCodes.push_back(call.number(2));
      selected_.back().markFailed.push_back(call.result != 0);
    } else if (call.name == "RFaxCloseListHandle") {
      break;
    } else {
      expect(false, "only list, load and mark calls during the pass");
    }
  }
  expect(at < calls_.size(), "the list is closed");
  expect(walkEnded_, "the walk ends only at a request that gives no element");
  return at;
}

void RunChecker::checkMarkCodes() {
  const SelectedFax* first = nullptr;
  for (const SelectedFax& fax : selected_) {
    if (!fax.loaded)
      continue;
    if (first == nullptr)
      first = &fax;
    expect(fax.markCodes == first->markCodes, "every fax gets the same marks in the same order");
  }
  if (first == nullptr)
    return;
  std::vector<int64_t> codes = first->markCodes;
  expect(!codes.empty(), "a run asks for at least one mark");
  std::sort(codes.begin(), codes.end());
  expect(std::adjacent_find(codes.begin(), codes.end()) == codes.end(), "no mark is sent twice");
  for (int64_t code : codes)
    expect(code >= 0 && code <= 13 && code != 2, "only the table's mark codes are sent");
}

void RunChecker::checkSelection(const std::vector<FaxListElement>& walkedOrder) {
  const std::vector<std::string>& arguments = scenario_.arguments.arguments();
  for (const SelectedFax& fax : selected_) {
    std::string faxId = faxIdOf(walkedOrder[fax.index]);
    bool matches =
        std::any_of(arguments.begin() + 1, arguments.end(), [&faxId](const std::string& argument) {
          return matchWildcard(faxId.c_str(), argument.c_str());
        });
    expect(matches, "a selected fax matches one of the arguments");
  }
}

std::string RunChecker::faxBlocks(const std::vector<FaxListElement>& walkedOrder) const {
  std::string blocks;
  int64_t marked = 0;
  int64_t ordinal = 0;
  for (const SelectedFax& fax : selected_) {
    const FaxListElement& element = walkedOrder[fax.index];
    std::string faxId = faxIdOf(element);
    std::string named = faxId + format(" (%08" PRIX64 ")\n", element.faxHandle);
    blocks += format("%" PRId64 "/%" PRId64 " ", marked + 1, ++ordinal) + faxId + "\n";
    if (!fax.loaded) {
      blocks += "Can't retrieve fax: " + named;
      continue;
    }
    for (bool failed : fax.markFailed) {
      if (failed)
        blocks += "Can't mark fax: " + named;
    }
    blocks += "  -> marked\n";
    if (fax.fullyMarked())
      ++marked;
  }
  return blocks;
}

void RunChecker::checkSummary(const std::string& summary,
                              const std::vector<FaxListElement>& walkedOrder) {
  int64_t faxes = static_cast<int64_t>(selected_.size());
  int64_t marked = std::count_if(selected_.begin(), selected_.end(),
                                 [](const SelectedFax& fax) { return fax.fullyMarked(); });
  int64_t received = 0, sent = 0, viewed = 0, errors = 0;
  uint32_t pages = 0;
  for (const SelectedFax& fax : selected_) {
    const FaxListElement& element = walkedOrder[fax.index];
    uint32_t flags = element.flags;
    ((flags & kFaxFlagReceived) != 0 ? received : sent) += 1;
    viewed += (flags & kFaxFlagViewed) != 0;
    int16_t faxPages = element.pages;
    pages += static_cast<uint32_t>(static_cast<int32_t>(faxPages));
    errors += element.errorCode != 0;
  }
  int64_t walked = static_cast<int64_t>(walked_);
  std::string expected = "faxes:" + std::to_string(faxes) + " marked:" + std::to_string(marked) +
                         " failed:" + std::to_string(faxes - marked) +
                         " skipped:" + std::to_string(walked - faxes) +
                         " total:" + std::to_string(walked) + "\n";
  // Which directions were wanted shows only in the summary itself.
  bool receivedShown = summary.find("\nrecv:-") == std::string::npos;
  bool sentShown = summary.find(" sent:-") == std::string::npos;
  expect(receivedShown || sentShown, "at least one direction is wanted");
  expect(receivedShown || received == 0, "no received fax is selected when none is wanted");
  expect(sentShown || sent == 0, "no sent fax is selected when none is wanted");
  expected += receivedShown ? "recv:" + std::to_string(received) : "recv:-";
  expected += sentShown ? " sent:" + std::to_string(sent) : " sent:-";
  expected += " viewed:" + std::to_string(viewed) +
              " pages:" + std::to_string(static_cast<int32_t>(pages)) +
              " errs:" + std::to_string(errors) + "\n";
  expect(summary == expected,
         "the summary counts what was walked, selected and marked (total = walked, "
         "failed = faxes - marked)");
}

}  // namespace

void checkRun(const Scenario& scenario, const RunRecord& record) {
  RunChecker(scenario, record).check();
}
