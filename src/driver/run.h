// The reading loop of the program: reads the verb list line by line from
// each input in turn, hands every entry to the per-verb driver, and at the
// end flushes and closes standard output and the log.
//
// The inputs are read in order as one list, each to its end; a last line
// without a LF ends with its file. Three bytes EF BB BF (a UTF-8 byte order
// mark) at the very start of an input are skipped. An input that cannot be
// opened or read (a line too long for the memory included), and an input
// in UTF-16, is reported and the run goes on with the next one. The first
// line of each input with a CR that no LF follows is warned about.
//
// Exit status: 0 when all went well; 1 when a gloss lacks "(", "," or ")"
// (everything written before it stays written, later inputs are not read);
// 2 when an input, standard output or the log could not be read or written,
// or when memory ran out: the run then ends after writing the records of
// every whole entry so far.
#pragma once

#include <string>
#include <vector>

#include "support/rules.h"

namespace morfenaar {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadGloss = 1;
inline constexpr int kExitIoError = 2;
// A wrong command line ends with the same status as a failed read or write.
inline constexpr int kExitUsage = kExitIoError;

// Runs the whole program over `files`, where "-" is standard input, with
// the Hebrew forms of `rules`; returns the exit status. The person tables
// must have been filled (init) before.
int run(const std::vector<std::string>& files, Rules rules = Rules::Default);

}  // namespace morfenaar
