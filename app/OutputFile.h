#pragma once
// The one way the program writes an output file. The bytes go to a temporary
// file in the output's folder (unnamed where the file system allows it) and
// replace the output only at Commit, so a failed, stopped or killed run never
// leaves a partial output or a stray file. Paths that must not be written
// are refused before anything is touched:
// - an existing log or site file (a ".log" or ".STE" name, any case, on the
//   path or on the final target of a symbolic link), a history store (any
//   SQLite database and its companion files), a folder;
// - an existing output that the user may not write in place.
// A symbolic link keeps pointing at its target, which is replaced. Standard
// output ("-", /dev/stdout, /dev/fd/1 or the same file as descriptor 1) and
// other files that are not regular files (devices, pipes) are written in
// place. A replacement keeps the old output's permission bits (and owner
// where the process may set it) and is flushed to disk before it replaces
// the old output. An output with several hard links, or in a folder where no
// temporary file can be made, is filled in place from the finished temporary
// file, so every name keeps it.

#include <memory>
#include <string>

#include "classic/OutputSink.h"

namespace zerb {

class OutputFile {
 public:
  // Prepares to write `path`; nothing is changed yet. Returns nothing, with
  // a sentence for the user in `error`, when the path can't be written.
  static std::unique_ptr<OutputFile> Open(const std::string& path, std::string& error);

  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // Without Commit: the old output untouched, no temporary file left.
  ~OutputFile();

  // Where the bytes go.
  OutputSink& Sink();
  // Flushes everything (to disk when an old output is replaced) and puts it
  // in place. False, with a sentence in `error`, when a write failed or the
  // new file could not be put in place: then the old output stays.
  bool Commit(std::string& error);
  // The sentence for the first write that failed, or "" while none has.
  std::string WriteError() const;

  struct State;

 private:
  explicit OutputFile(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

// True when `path` is written through descriptor 1 (see above): nothing
// else should be printed on standard output then.
bool IsStandardOutputPath(const std::string& path);

}  // namespace zerb
