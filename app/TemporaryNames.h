#pragma once
// The named temporary output files that exist right now, and the one lock
// that holds off the program's end for a step that must be whole: a file
// made and noted, or put in place (or removed) and forgotten; a log
// committed to a store and said to be. The routine that ends the program
// on a signal takes the same lock, so it never meets a file half made, an
// output half replaced or a stored log without its line, and no file
// appears after it has removed them.

#include <mutex>
#include <string>

namespace zerb {

// The lock; hold it for as short a time as the step takes.
std::unique_lock<std::mutex> HoldOffEnding();

// With the lock held: a named temporary file now exists, or no longer does.
void NoteTemporaryName(const std::string& path);
void ForgetTemporaryName(const std::string& path);

// Takes the lock for good and removes every noted file: for a program
// about to end, which then leaves none behind. A thread that then goes to
// make or put in place a file waits for the end instead. Not for a signal
// handler: the program's ending routine (app/EndingSignals.h) calls it on a
// thread of its own.
void RemoveTemporaryOutputs() noexcept;

// Tests only: make temporary files under a name even where the file system
// offers unnamed ones, to check the named path.
void UseNamedTemporaryFilesOnly(bool named);
bool NamedTemporaryFilesOnly();

}  // namespace zerb
