// The verb-list reader: splits one input line into the fields of a verb
// entry. A line holds a first field (class digit, one further character,
// root), a TAB and the Dutch gloss; a second TAB, a CR or a LF ends the
// gloss, and whatever follows a second TAB is ignored.
#pragma once

#include <string>
#include <string_view>

namespace morfenaar {

struct Entry {
  int klasse = 0;  // first character's code minus that of "0"
  std::string_view firstField;
  std::string_view root;  // first field from its third character on
  std::string_view gloss;
  std::string sourceTag;  // "[" first field "]"
};

enum class LineKind {
  Skip,     // two characters or fewer: ignored without a message
  NoGloss,  // no TAB before the line end: no entry to hand on
  Entry,    // an entry with a gloss field
};

// Splits `line` (one line as read, with its LF if it has one) into `entry`.
// The views in `entry` point into `line`. A NUL byte ends the line's text.
LineKind splitLine(std::string_view line, Entry& entry);

// The line without its line end, for messages.
std::string_view lineText(std::string_view line);

}  // namespace morfenaar
