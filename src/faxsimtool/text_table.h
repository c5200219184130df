// Aligned text tables for the list commands. A table is measured row by row
// and then printed row by row, so that the caller can run its query twice
// (measure, then print) instead of holding a million rows in memory.
// Columns are two spaces apart; lines carry no trailing blanks.
#ifndef INKSTAMP_FAXSIMTOOL_TEXT_TABLE_H_
#define INKSTAMP_FAXSIMTOOL_TEXT_TABLE_H_

#include <stdio.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace faxsimtool {

struct TableColumn {
  const char* header;
  bool rightAligned;
};

class TextTable {
 public:
  TextTable(std::initializer_list<TableColumn> columns);

  size_t columnCount() const { return columns_.size(); }
  // Widens the columns to fit `cells` (one per column).
  void measure(const std::vector<std::string>& cells);
  void printHeader(FILE* out) const;
  void printRow(FILE* out, const std::vector<std::string>& cells) const;

 private:
  void printCells(FILE* out, const std::vector<std::string>& cells) const;

  std::vector<TableColumn> columns_;
  std::vector<size_t> widths_;
};

// The width of a UTF-8 text in characters (bytes that do not continue one),
// so that a user's name with accents lines up like any other.
size_t displayWidth(const std::string& text);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_TEXT_TABLE_H_
