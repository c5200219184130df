// A fax list as the client library hands it out: a snapshot of one user's
// faxes taken in one read, held as the 256-byte element records that the
// caller reads in place, with the cursor of the caller's walk.
#ifndef INKSTAMP_FAXSIM_FAX_LIST_H_
#define INKSTAMP_FAXSIM_FAX_LIST_H_

#include <stddef.h>

#include <string_view>
#include <vector>

#include "faxclient/faxclient.h"
#include "faxsim/store.h"

namespace faxsim {

class FaxList {
 public:
  // Reads the faxes that `owner` has on `host`, in ascending handle order:
  // those in folder 'main' (exactly so spelled), or those of every folder.
  // false when the store failed.
  bool fetch(Store& store, std::string_view host, std::string_view owner, bool allFolders);

  // Orders the elements with the caller's comparison, keeping the order of
  // elements it finds equal. The sort stays within the list whatever the
  // comparison returns, even when its answers contradict each other.
  void sort(RFaxCompareFunction compare);

  size_t size() const { return elements_.size(); }
  FaxListElement* element(size_t index) { return &elements_[index]; }

  // The index of the element that the next "next element" request hands out.
  size_t cursor() const { return cursor_; }
  void setCursor(size_t cursor) { cursor_ = cursor; }

  // Whether the store held an element fault for this server when the list
  // was taken. Without one, the walk need not ask the store per element,
  // which keeps walking a long list cheap.
  bool mayHaveElementFaults() const { return elementFaults_; }

 private:
  std::vector<FaxListElement> elements_;
  size_t cursor_ = 0;
  bool elementFaults_ = false;
};

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_FAX_LIST_H_
