// The output record: the one place that knows how a record is written.
//
//   "#" Hebrew form TAB Dutch text TAB "{" person tag "}" source tag LF
//
// for example "#KTBTI\t(ik) heb geschreven\t{1s}[1-KTB]\n". The source tag
// is the entry's first field in square brackets. Every part is written as
// it is: a percent sign or a NUL byte typed in a gloss comes out as typed.
#pragma once

#include <string>
#include <string_view>

#include "hebrew/record.h"

namespace morfenaar {

// Appends `record` of the entry with source tag `source` to `out`.
void writeRecord(std::string& out, const Record& record, std::string_view source);

}  // namespace morfenaar
