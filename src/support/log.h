// The log file, "morfenaar.log" in the working directory unless another
// path is set, in which the program records the Dutch forms of every verb
// it accepts. The file is opened (and so emptied) by the first text logged,
// at most once per run, so a run that never logs leaves an existing file
// untouched. Every text is written with one write call (continued only when
// the system takes part of it) before log() returns, so a verb's lines
// reach the file together and a run that is killed keeps only whole verbs.
//
// The log never stops the run: when the file cannot be created or written,
// one message goes to standard error, later texts are dropped, and
// logFailed() reports it so that the run can end with a failure status.
#pragma once

#include <string_view>

namespace morfenaar {

// Name of the log file, relative to the working directory, unless
// setLogPath chose another.
inline constexpr const char* kLogFileName = "morfenaar.log";

// Writes the log to `path` instead; the failure messages name that path.
// Must be called before the first text is logged.
void setLogPath(std::string_view path);

// Writes `text` (whole lines, each with its LF) unchanged: a percent sign
// is an ordinary character. Opens the file first if this is the run's first
// text.
void log(std::string_view text);

// Closes the log if it was opened. Returns false when the log failed at any
// time during the run (including this final close).
bool closeLog();
// True once opening or writing the log has failed.
bool logFailed();

}  // namespace morfenaar
