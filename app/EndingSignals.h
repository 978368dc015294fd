#pragma once
// How a program ends on Ctrl-C, kill or a closed terminal: at once,
// whatever its threads wait for, with the temporary files of every output
// removed and the old outputs as they were; the exit status is the
// signal's own (130 for Ctrl-C in a shell).

namespace zerb {

// Call once, before any other thread starts. POSIX: SIGINT, SIGTERM and
// SIGHUP are blocked in every thread and one thread waits for them; it
// takes the lock of the temporary files (app/TemporaryNames.h), removes
// them and ends the process by the signal's default action. Windows: the
// console's Ctrl-C, Ctrl-Break and close events do the same through the
// console control handler.
void EndOnSignals();

// For a program that serves until told to stop, after EndOnSignals: from
// now on SIGINT and SIGTERM call `stop` and SIGHUP calls `hangUp`, on the
// thread that waits for the signals (each must return soon); a second
// SIGINT or SIGTERM ends the program at once, as before. POSIX only.
void ServeSignals(void (*stop)(), void (*hangUp)());

}  // namespace zerb
