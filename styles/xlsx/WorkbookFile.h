#pragma once
// The file libxlsxwriter writes a workbook into. The library writes to a
// file name; this one names an unnamed temporary file (gone with the
// process, whatever ends it), whose bytes then go to the output's sink.

#include <cstdio>
#include <string>

#include "classic/OutputSink.h"

namespace zerb {

class WorkbookFile {
 public:
  WorkbookFile();
  WorkbookFile(const WorkbookFile&) = delete;
  WorkbookFile& operator=(const WorkbookFile&) = delete;
  ~WorkbookFile();

  // Why the file could not be made; "" when it was.
  const std::string& Error() const { return error_; }
  // A name under which the library can open the file for writing.
  const std::string& Name() const { return name_; }
  // Hands the whole file, as the library left it, to the sink. False when
  // it can't be read (with Error() set) or the sink refuses it.
  bool CopyTo(OutputSink& out);

 private:
  std::FILE* file_ = nullptr;
  std::string name_;
  std::string error_;
};

}  // namespace zerb
