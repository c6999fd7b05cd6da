// Writes the present participles: three, four or eight records with the Dutch
// present of one analysed verb entry, as output records
// appended to a buffer. The pattern tables read row by row: the row is chosen
// by the class number and a fixed sequence of tests on the analysed root,
// the first test that holds wins.
#pragma once

#include <string>
#include <string_view>

#include "dutch/woord.h"
#include "hebrew/root.h"

namespace morfenaar {

// Appends the records of `root` (class 1 to 7) to `out`; `source` is the
// entry's source tag, "[" first field "]". The Dutch text of every record is
// asked of `woord` immediately before the record is written.
void writeParticiples(const AnalysedRoot& root, Woord& woord, std::string_view source,
         std::string& out);

}  // namespace morfenaar
