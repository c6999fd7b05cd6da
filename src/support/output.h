// Standard output of the program. Records are appended to one buffer and
// written to file descriptor 1 in large blocks; every write is checked, so
// that a full disk or a closed descriptor is noticed, and the final flush
// and close are checked too. A broken pipe keeps the default behaviour of a
// Unix filter: SIGPIPE ends the process quietly.
#pragma once

#include <string>

namespace morfenaar {

// The buffer that the record writers append to.
std::string& outputBuffer();

// Writes the buffer out once it holds a block's worth. Returns false when
// the write failed.
bool flushOutputIfFull();
// Writes out everything buffered. Returns false when the write failed.
bool flushOutput();
// Flushes and closes standard output. Returns false on failure.
bool closeOutput();

// Makes sure descriptors 0, 1 and 2 are open before any file is opened, so
// that the log can never take the place of a closed standard stream. A
// stream that was closed is replaced by /dev/null and remembered: a closed
// standard output then fails at its first write, a closed standard input
// reads as an error.
void protectStandardStreams();
bool standardInputWasClosed();

}  // namespace morfenaar
