// Checks of input lines, as read, for two everyday mistakes that the reader
// would otherwise pass over in silence: a file saved as UTF-16, and line
// ends written as a CR alone (which leave the whole file one line).
#pragma once

#include <string_view>

namespace morfenaar {

// True when `firstLine` (an input's first line as read, with its LF if it
// has one) starts with a UTF-16 byte order mark, FF FE or FE FF, or has a
// NUL byte in every other position: at every odd position (little endian)
// or at every even one (big endian) of its at least two bytes before the
// LF.
bool isUtf16(std::string_view firstLine);

// True when a CR in `line` is followed by any byte other than LF.
bool hasCrWithoutLf(std::string_view line);

}  // namespace morfenaar
