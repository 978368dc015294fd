#pragma once
// libxlsxwriter, loaded when the first workbook is written rather than when
// the program starts: only the xlsx style uses it, and it brings zlib and
// minizip along. The functions below have the library's own signatures;
// xlsxwriter.h still gives the types and constants.

#include <xlsxwriter.h>

#include <string>

namespace zerb::xlsx {

// Loads libxlsxwriter once (safe from several threads); false, with a
// sentence in `error`, when it can't be. Every other function here needs
// it loaded.
bool Load(std::string& error);

#define ZERB32_XLSX_FUNCTIONS(X)                                                                          \
  X(workbook_new_opt) X(workbook_add_worksheet) X(workbook_add_format) X(workbook_close)                  \
  X(format_set_num_format) X(format_set_bold) X(worksheet_write_number) X(worksheet_write_string)          \
  X(worksheet_set_column) X(worksheet_freeze_panes) X(worksheet_autofilter) X(lxw_strerror) X(lxw_workbook_free)

struct Functions {
#define ZERB32_XLSX_POINTER(name) decltype(&::name) name = nullptr;
  ZERB32_XLSX_FUNCTIONS(ZERB32_XLSX_POINTER)
#undef ZERB32_XLSX_POINTER
};

// The loaded functions (all null before a successful Load).
const Functions& Api();

}  // namespace zerb::xlsx
