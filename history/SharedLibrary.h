#pragma once
// A shared library opened while the program runs (dlopen) instead of linked
// in: for libraries that only some commands use, whose loading and
// relocation at start would cost every call. The library is never closed,
// so the functions found in it stay valid for the rest of the process.

#include <dlfcn.h>

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

 private:
  void NoteError() {
    const char* reason = dlerror();
    error_ = reason ? reason : "unknown error";
  }

  void* handle_;
  std::string error_;
};

}  // namespace zerb
