// Past tense (perfect) of one analysed verb entry: eight records, one per
// person slot in the order 1s, 2s, 3s, 3sf, 1p, 2pm, 2pf, 3p, each with the
// Dutch perfect (`perf`) for the slot's person code; 2pm and 2pf both ask
// for "2p". The eight forms are filled from one row of the pattern table,
// chosen by the class number and a fixed sequence of tests on the analysed
// root (the first test that holds wins), before the first record is written.
#pragma once

#include <string>
#include <string_view>

#include "dutch/woord.h"
#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar {

// Hands the records of `root` to `sink`, as every block writer does (the
// contract is in hebrew/paradigm.h).
void writePast(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

}  // namespace morfenaar
