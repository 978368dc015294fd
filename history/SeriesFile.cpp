#include "history/SeriesFile.h"

#include <memory>

#include "app/OutputFile.h"

namespace zerb {

bool WriteOutput(const std::string& path, const std::function<int(OutputSink&)>& write, std::string& error) {
  const std::unique_ptr<OutputFile> file = OutputFile::Open(path, error);
  if (!file) return false;
  if (write(file->Sink()) != 1) {
    error = file->WriteError().empty() ? "the series could not be read; " + path + " is left as it was"
                                       : file->WriteError();
    return false;
  }
  return file->Commit(error);
}

}  // namespace zerb
