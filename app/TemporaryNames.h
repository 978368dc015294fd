#pragma once
// The names of the temporary output files that exist right now, kept where
// a signal handler can remove them.

#include <string>

namespace zerb {

// Notes `path`; returns a slot for Forget, or -1 when all slots are taken
// (the file is then only removed by its owner).
int RememberTemporaryName(const std::string& path);
// Forgets the name in `slot` (-1: nothing).
void ForgetTemporaryName(int slot);

// Brackets the steps in which a thread makes a named temporary file and
// notes it, or puts one in place, with the ending signals blocked on that
// thread: a handler running on another thread waits for these steps to
// end, so that no file appears between its removal and the process's end.
void EnterTemporaryFileScope();
void LeaveTemporaryFileScope();

// Removes the temporary files of the outputs being written, for a program
// about to end by a signal, which then leaves none behind. Safe to call from
// a signal handler (atomics, nanosleep and unlink only). It first waits (at
// most 10 s) for other threads to finish making or putting in place a file;
// a thread that starts one afterwards waits for the end instead.
void RemoveTemporaryOutputs() noexcept;

}  // namespace zerb

namespace zerb {

// Tests only: make temporary files under a name even where the file system
// offers unnamed ones, to check the named path.
void UseNamedTemporaryFilesOnly(bool named);
bool NamedTemporaryFilesOnly();

}  // namespace zerb
