// The reason of a failed open, read or write, told in the words that every
// file message of the program uses (input files and the log alike).
#pragma once

namespace morfenaar {

// Dutch words for the common errno values, the system's own (English) text
// for the others. Allocates nothing, so that it can be told when memory is
// short.
const char* errorReason(int error);

}  // namespace morfenaar
