// The log file, "morfenaar.log" in the working directory unless another
// path is set, in which the program records the Dutch forms of every verb
// it accepts. The file is
// opened (and so emptied) by the first line written, at most once per run,
// so a run that never logs leaves an existing file untouched. Every line is
// flushed as soon as it is written.
//
// The log never stops the run: when the file cannot be created or written,
// one message goes to standard error, later lines are dropped, and
// logFailed() reports it so that the run can end with a failure status.
#pragma once

#include <span>
#include <string_view>

namespace morfenaar {

// Name of the log file, relative to the working directory, unless
// setLogPath chose another.
inline constexpr const char* kLogFileName = "morfenaar.log";

// Writes the log to `path` instead; the failure messages name that path.
// Must be called before the first line is logged.
void setLogPath(std::string_view path);

// Appends `text` unchanged (a percent sign is an ordinary character) and
// flushes the file, opening it first if this is the run's first line.
void log(std::string_view text);
// Logs `first` followed by `second`, as one line.
void log(std::string_view first, std::string_view second);
// Logs each of `lines` in turn, as log() would.
void log(std::span<const std::string_view> lines);

// From now on the lines are written by a thread of the log's own, in the
// order logged, each with its own write as before; log() returns once its
// line is queued, so the run goes on while the system writes (on a machine
// busy with other work the caller soon writes them itself again: see
// LineQueue). syncLog()
// waits until every line logged so far is in the file (or dropped after a
// failure, whose message is then out): the run calls it before it writes
// to standard output or standard error, so that what the log holds and
// the order of the messages are those of a run that writes every line at
// once. Without writeLogInBackground(), syncLog() does nothing.
void writeLogInBackground();
void syncLog();

// Writes every queued line, ends the log's thread, and closes the log if
// it was opened. Returns false when the log failed at any time during the
// run (including this final close).
bool closeLog();
// True once opening, writing or flushing the log has failed.
bool logFailed();

}  // namespace morfenaar
