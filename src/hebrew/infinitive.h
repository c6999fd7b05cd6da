// Infinitive of one analysed verb entry: the L-form with the Dutch
// infinitive (`onbep`) and the M-form with "om " and the same text, all
// tagged {}. Two records as a rule, four for a class-1 root ending in A (row
// 1f) and for class 5 kVariantThreeLetters; none for classes 4 and 6. The
// row is chosen by the class number and a fixed sequence of tests on the
// analysed root, the first test that holds wins.
#pragma once

#include <string>
#include <string_view>

#include "dutch/woord.h"
#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar {

// Hands the records of `root` to `sink`, as every block writer does (the
// contract is in hebrew/paradigm.h).
void writeInfinitive(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

}  // namespace morfenaar
