#include "app/WriteOutput.h"

#include <memory>

#include "app/OutputFile.h"

namespace zerb {

bool WriteOutput(const std::string& path, const std::function<bool(OutputSink&)>& write, const std::string& notWritten,
                 std::string& error) {
  const std::unique_ptr<OutputFile> file = OutputFile::Open(path, error);
  if (!file) return false;
  if (!write(file->Sink())) {
    error = file->WriteError().empty() ? notWritten : file->WriteError();
    return false;
  }
  return file->Commit(error);
}

bool WriteWholeText(const std::string& path, std::string_view text, std::string& error) {
  return WriteOutput(path, [text](OutputSink& sink) { return sink.Write(text); }, "cannot write " + path, error);
}

}  // namespace zerb
