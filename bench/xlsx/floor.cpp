// The least libxlsxwriter takes to write a data sheet: the same cells as
// the xlsx style's sheet, read whole into memory first, then written in
// constant-memory mode with one format per style and nothing else.
// bench/xlsx-speed.sh times it beside the xlsx style and zip -6 of the sheet.
//
//   bench_xlsx_floor OUT.xlsx CELLS FORMATS
// CELLS holds the cells in sheet order, each a little-endian record of
// row (u32), column (u16), style (u16) and value (an IEEE double's u64);
// a style with the top bit set marks a text cell, whose value is its length
// in bytes and whose bytes follow the record. FORMATS holds one number
// format a line for the styles from 2 on; style 1 is bold, style 0 none.

#include <xlsxwriter.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr uint16_t TextCell = 0x8000;
constexpr std::size_t RecordSize = 16;

uint64_t LoadLe(const unsigned char* at, int bytes) {
  uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | at[i];
  return value;
}

std::vector<unsigned char> ReadAll(const char* name) {
  std::ifstream in(name, std::ios::binary | std::ios::ate);
  std::vector<unsigned char> bytes(in ? static_cast<std::size_t>(in.tellg()) : 0);
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// Writes the cells; false when a record runs past the end.
bool WriteCells(lxw_worksheet* sheet, const std::vector<unsigned char>& cells,
                const std::vector<lxw_format*>& formats) {
  std::string text;
  for (std::size_t at = 0; at < cells.size();) {
    if (cells.size() - at < RecordSize) return false;
    const unsigned char* record = cells.data() + at;
    const auto row = static_cast<lxw_row_t>(LoadLe(record, 4));
    const auto column = static_cast<lxw_col_t>(LoadLe(record + 4, 2));
    const auto style = static_cast<uint16_t>(LoadLe(record + 6, 2));
    const double value = std::bit_cast<double>(LoadLe(record + 8, 8));
    at += RecordSize;
    lxw_format* format = formats.at(style & ~TextCell);
    if (!(style & TextCell)) {
      worksheet_write_number(sheet, row, column, value, format);
      continue;
    }
    const auto length = static_cast<std::size_t>(value);
    if (cells.size() - at < length) return false;
    text.assign(reinterpret_cast<const char*>(cells.data() + at), length);
    at += length;
    worksheet_write_string(sheet, row, column, text.c_str(), format);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s OUT.xlsx CELLS FORMATS\n", argv[0]);
    return 2;
  }
  const std::vector<unsigned char> cells = ReadAll(argv[2]);
  std::ifstream formatLines(argv[3]);
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* book = workbook_new_opt(argv[1], &options);
  if (!book) return 1;
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Data");
  std::vector<lxw_format*> formats{nullptr, workbook_add_format(book)};
  format_set_bold(formats[1]);
  for (std::string line; std::getline(formatLines, line);) {
    formats.push_back(workbook_add_format(book));
    format_set_num_format(formats.back(), line.c_str());
  }
  const bool whole = WriteCells(sheet, cells, formats);
  const lxw_error error = workbook_close(book);
  if (!whole) std::fprintf(stderr, "%s ends inside a cell\n", argv[2]);
  if (error != LXW_NO_ERROR) std::fprintf(stderr, "%s\n", lxw_strerror(error));
  return whole && error == LXW_NO_ERROR ? 0 : 1;
}
