#include "faxsim/fax_list.h"

#include <sqlite3.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <numeric>

namespace faxsim {

namespace {

// Columns: handle, received, viewed, date, pages, error_code, fax_id. The
// element arrives zeroed, so the fax ID's terminator and every unnamed byte
// are already in place.
void fillElement(const sqlite::Statement& row, FaxListElement* element) {
  element->faxHandle = static_cast<uint32_t>(row.columnInt(0));
  uint32_t flags = 0;
  if (row.columnInt(1) != 0)
    flags |= kFaxFlagReceived;
  if (row.columnInt(2) != 0)
    flags |= kFaxFlagViewed;
  element->flags = flags;
  element->date = static_cast<int32_t>(row.columnInt(3));
  element->pages = static_cast<int16_t>(row.columnInt(4));
  element->errorCode = static_cast<uint16_t>(row.columnInt(5));
  std::string_view faxId = row.columnText(6);
  memcpy(element->faxId, faxId.data(), std::min(faxId.size(), sizeof(element->faxId) - 1));
}

bool bindOwner(sqlite::Statement& statement, std::string_view host, std::string_view owner) {
  return statement.bindText(1, host) && statement.bindText(2, owner);
}

bool countRows(sqlite::Statement& count, std::string_view host, std::string_view owner,
               int64_t* rows) {
  sqlite::ResetGuard reset(count);
  if (!bindOwner(count, host, owner) || count.step() != SQLITE_ROW)
    return false;
  *rows = count.columnInt(0);
  return true;
}

bool anyElementFault(Store& store, std::string_view host, bool* any) {
  sqlite::Statement& find = store.sql().anyElementFault;
  sqlite::ResetGuard reset(find);
  if (!find.bindText(1, host))
    return false;
  int rc = find.step();
  *any = rc == SQLITE_ROW;
  return rc == SQLITE_ROW || rc == SQLITE_DONE;
}

}  // namespace

bool FaxList::fetch(Store& store, std::string_view host, std::string_view owner, bool allFolders) {
  StoreStatements& sql = store.sql();
  sqlite::Statement& count = allFolders ? sql.countAllFolders : sql.countMainFolder;
  sqlite::Statement& rows = allFolders ? sql.listAllFolders : sql.listMainFolder;
  elements_.clear();
  cursor_ = 0;
  // One read transaction, so that the count, the rows and the fault check
  // all see the same state of the store.
  sqlite::Transaction snapshot(store.db());
  int64_t expected = 0;
  if (!snapshot.beginRead() || !countRows(count, host, owner, &expected) ||
      !anyElementFault(store, host, &elementFaults_))
    return false;
  // Rows go straight into records sized up front: no copy per fax.
  elements_.resize(static_cast<size_t>(expected));
  size_t filled = 0;
  {
    sqlite::ResetGuard reset(rows);
    if (!bindOwner(rows, host, owner))
      return false;
    int rc;
    while ((rc = rows.step()) == SQLITE_ROW) {
      if (filled == elements_.size())
        elements_.emplace_back();
      fillElement(rows, &elements_[filled++]);
    }
    if (rc != SQLITE_DONE)
      return false;
  }
  elements_.resize(filled);
  return store.commit(snapshot);
}

void FaxList::sort(RFaxCompareFunction compare) {
  const size_t count = elements_.size();
  if (count < 2)
    return;
#if defined(RFAX_QSORT_CALLBACK)
  // The test build of a library that lets its C runtime call the
  // comparison back (__cdecl): qsort, not stable, so only for lists of
  // distinct dates.
  qsort(elements_.data(), count, sizeof(FaxListElement),
        reinterpret_cast<int (*)(const void*, const void*)>(
            reinterpret_cast<void (*)(void)>(compare)));
  return;
#endif
  // A bottom-up merge sort of indices: merging takes from the right run only
  // when its element compares strictly less, which keeps equal elements in
  // order, and every index stays within its runs whatever the comparison
  // answers. The comparison sees elements where they lie in the list.
  std::vector<uint32_t> order(count), merged(count);
  std::iota(order.begin(), order.end(), 0u);
  for (size_t width = 1; width < count; width *= 2) {
    for (size_t left = 0; left < count; left += 2 * width) {
      size_t middle = std::min(left + width, count), right = std::min(left + 2 * width, count);
      size_t i = left, j = middle, k = left;
      while (i < middle && j < right) {
        bool rightFirst = compare(&elements_[order[j]], &elements_[order[i]]) < 0;
        merged[k++] = rightFirst ? order[j++] : order[i++];
      }
      while (i < middle)
        merged[k++] = order[i++];
      while (j < right)
        merged[k++] = order[j++];
    }
    order.swap(merged);
  }
  std::vector<FaxListElement> sorted(count);
  for (size_t k = 0; k < count; ++k)
    sorted[k] = elements_[order[k]];
  elements_.swap(sorted);
}

}  // namespace faxsim
