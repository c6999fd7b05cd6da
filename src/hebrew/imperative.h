// Imperative of one analysed verb entry: as a rule four records (2ms, 2fs,
// 2mp, 2fp) with the Dutch imperative (`geb`) for "s" or "p"; three, without
// 2fp, for the roots LQH, NSA, I 0xDF A and NTN; none for classes 4 and 6.
// The row of records is chosen by the class number and a fixed sequence of
// tests on the analysed root, the first test that holds wins.
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
void writeImperative(const AnalysedRoot& root, Woord& woord, std::string_view source,
                     std::string& out);
// The same with the Dutch texts taken from `texts`, which the blocks of one
// entry share.
void writeImperative(const AnalysedRoot& root, DutchTexts& texts, std::string_view source,
                     std::string& out);

}  // namespace morfenaar
