#pragma once
// A shared library opened while the program runs (dlopen) instead of linked
// in: for libraries that only some commands use, whose loading and
// relocation at start would cost every call. The library is never closed,
// so the functions found in it stay valid for the rest of the process.
// POSIX only: the Windows build has none of the libraries loaded this way
// (no history store, no zone plugin), and nothing it builds includes this.

#include <dlfcn.h>

#include <mutex>
#include <string>

namespace zerb {

class SharedLibrary {
 public:
  // Opens `file` (a soname such as "libsqlite3.so.0"), binding all of it
  // now so that a missing symbol shows here, not at a later call.
  explicit SharedLibrary(const char* file) : handle_(dlopen(file, RTLD_NOW | RTLD_LOCAL)) {
    if (!handle_) NoteError();
  }

  bool Opened() const { return handle_ != nullptr; }
  // Why the open or the last Find failed, in the system loader's words.
  const std::string& Error() const { return error_; }

  // Points `function` at the library's function `name`: false (and null)
  // when the library is not open or lacks it.
  template <typename Function>
  bool Find(const char* name, Function*& function) {
    void* symbol = handle_ ? dlsym(handle_, name) : nullptr;
    function = reinterpret_cast<Function*>(symbol);
    if (handle_ && !symbol) NoteError();
    return symbol != nullptr;
  }

  // The file of the program or library whose code holds `address` (where
  // it lies, to find files installed beside it); "" when the loader can't
  // say, or names no absolute path.
  static std::string FileHolding(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) != 0 && info.dli_fname != nullptr && info.dli_fname[0] == '/') return info.dli_fname;
    return {};
  }

 private:
  void NoteError() {
    const char* reason = dlerror();
    error_ = reason ? reason : "unknown error";
  }

  void* handle_;
  std::string error_;
};

// A table of a library's functions, found on first use, once, whichever
// thread asks first. `FindAll(library, table)` fills the table and says
// whether every function was there.
template <typename Functions>
class LoadedFunctions {
 public:
  using FindAll = bool (*)(SharedLibrary& library, Functions& found);
  // `file` is the soname; `what` names the library for messages.
  LoadedFunctions(const char* file, const char* what, FindAll findAll) : file_(file), what_(what), findAll_(findAll) {}

  // False, with a sentence in `error`, when the library can't be loaded.
  bool Load(std::string& error) {
    std::call_once(once_, [this] {
      SharedLibrary library(file_);
      Functions found;
      if (library.Opened() && findAll_(library, found))
        functions_ = found;
      else
        error_ = std::string(what_) + " " + file_ + " cannot be loaded: " + library.Error();
    });
    error = error_;
    return error_.empty();
  }
  // All null before a successful Load.
  const Functions& Api() const { return functions_; }

 private:
  const char* file_;
  const char* what_;
  FindAll findAll_;
  std::once_flag once_;
  Functions functions_;
  std::string error_;
};

}  // namespace zerb
