// The reading loop of the program: reads the verb list line by line until
// end of input, hands every entry to the per-verb driver, and at the end
// flushes and closes standard output and the log.
//
// Exit status: 0 when all went well; 1 when a gloss lacks "(", "," or ")"
// (everything written before it stays written); 2 when standard input,
// standard output or the log could not be read or written.
#pragma once

#include <cstdio>

namespace morfenaar {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadGloss = 1;
inline constexpr int kExitIoError = 2;

// Runs the whole program over `in`; returns the exit status. The person
// tables must have been filled (init) before.
int run(std::FILE* in);

}  // namespace morfenaar
