// The jsonl format: one JSON object per record, one per line, with the
// columns of the tsv format as members:
//
//   {"bron":"1-KTB","klasse":1,"blok":"verleden","persoon":"1s",
//    "hebreeuws":"KTBTI","nederlands":"(ik) heb geschreven"}
//
// (on one line). "klasse" is a number, the others are strings. The text is
// UTF-8 (support/utf8.h); a quote, a backslash and every control character
// are escaped, the latter as \u00XX.
#pragma once

#include <string>
#include <string_view>

#include "driver/reader.h"
#include "hebrew/record.h"

namespace morfenaar {

void writeJsonLine(std::string& out, const Record& record, const Entry& entry);

// Appends `text` as a JSON string, quotes included.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace morfenaar
