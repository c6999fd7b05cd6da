// Present participles of one analysed verb entry: as a rule four records
// (ms, fs, mp, fp); three for a class-1 root ending in E ({s}, {mp}, {fp})
// and eight for a class-2 root whose first radical is I. Each carries the
// Dutch present (`tegenw`) for "s" or "p". The row of records is chosen by
// the class number and a fixed sequence of tests on the analysed root, the
// first test that holds wins.
#pragma once

#include <string>
#include <string_view>

#include "dutch/texts.h"
#include "dutch/woord.h"
#include "hebrew/root.h"

namespace morfenaar {

// Appends the records of `root` to `out` (nothing for a class number outside
// 1 to 7); `source` is the entry's source tag, "[" first field "]". The
// Dutch text of every record is asked of `woord` immediately before the
// record is written. The root must be at least minimumRootLength() letters
// long; no read goes outside it or its stems, and forms have no length limit.
void writeParticiples(const AnalysedRoot& root, Woord& woord, std::string_view source,
                      std::string& out);
// The same with the Dutch texts taken from `texts`, which the blocks of one
// entry share.
void writeParticiples(const AnalysedRoot& root, DutchTexts& texts, std::string_view source,
                      std::string& out);

}  // namespace morfenaar
