#include "faxsimtool/text_table.h"

namespace faxsimtool {

size_t displayWidth(const std::string& text) {
  size_t width = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
      ++width;
  }
  return width;
}

TextTable::TextTable(std::initializer_list<TableColumn> columns) : columns_(columns) {
  for (const TableColumn& column : columns_)
    widths_.push_back(displayWidth(column.header));
}

void TextTable::measure(const std::vector<std::string>& cells) {
  for (size_t i = 0; i < cells.size() && i < widths_.size(); ++i) {
    size_t width = displayWidth(cells[i]);
    if (width > widths_[i])
      widths_[i] = width;
  }
}

void TextTable::printHeader(FILE* out) const {
  std::vector<std::string> headers;
  for (const TableColumn& column : columns_)
    headers.emplace_back(column.header);
  printCells(out, headers);
}

void TextTable::printRow(FILE* out, const std::vector<std::string>& cells) const {
  printCells(out, cells);
}

void TextTable::printCells(FILE* out, const std::vector<std::string>& cells) const {
  std::string line;
  for (size_t i = 0; i < columns_.size(); ++i) {
    const std::string& cell = i < cells.size() ? cells[i] : std::string();
    size_t width = displayWidth(cell);
    size_t padding = widths_[i] > width ? widths_[i] - width : 0;
    if (i > 0)
      line += "  ";
    if (columns_[i].rightAligned)
      line.append(padding, ' ');
    line += cell;
    if (!columns_[i].rightAligned)
      line.append(padding, ' ');
  }
  line.erase(line.find_last_not_of(' ') + 1);
  line += '\n';
  fwrite(line.data(), 1, line.size(), out);
}

}  // namespace faxsimtool
