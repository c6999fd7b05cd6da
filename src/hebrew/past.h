// Past tense (perfect) of one analysed verb entry: eight records, one per
// person slot in the order 1s, 2s, 3s, 3sf, 1p, 2pm, 2pf, 3p, each with the
// Dutch perfect (`perf`) for the slot's person code; 2pm and 2pf both ask
// for "2p". The eight forms are filled from one row of the pattern table,
// chosen by the class number and a fixed sequence of tests on the analysed
// root (the first test that holds wins), before the first record is written.
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
void writePast(const AnalysedRoot& root, Woord& woord, std::string_view source,
               std::string& out);
// The same with the Dutch texts taken from `texts`, which the blocks of one
// entry share.
void writePast(const AnalysedRoot& root, DutchTexts& texts, std::string_view source,
               std::string& out);

}  // namespace morfenaar
