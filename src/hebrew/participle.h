// Present participles of one analysed verb entry: as a rule four records
// (ms, fs, mp, fp); three for a class-1 root ending in E ({s}, {mp}, {fp})
// and eight for a class-2 root whose first radical is I. Each carries the
// Dutch present (`tegenw`) for "s" or "p". The row of records is chosen by
// the class number and a fixed sequence of tests on the analysed root, the
// first test that holds wins.
#pragma once

#include <string>
#include <string_view>

#include "dutch/woord.h"
#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar {

// Hands the records of `root` to `sink`, as every block writer does (the
// contract is in hebrew/paradigm.h).
void writeParticiples(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

}  // namespace morfenaar
