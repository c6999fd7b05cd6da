// Imperative of one analysed verb entry: as a rule four records (2ms, 2fs,
// 2mp, 2fp) with the Dutch imperative (`geb`) for "s" or "p"; three, without
// 2fp, for the roots LQH, NSA, kRootUitgaan and NTN; none for classes 4 and 6.
// The row of records is chosen by the class number and a fixed sequence of
// tests on the analysed root, the first test that holds wins.
#pragma once

#include <string>
#include <string_view>

#include "dutch/woord.h"
#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar {

// Hands the records of `root` to `sink`, as every block writer does (the
// contract is in hebrew/paradigm.h).
void writeImperative(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

}  // namespace morfenaar
