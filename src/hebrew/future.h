// Future (imperfect) of one analysed verb entry. Every form is written
// twice under the same tag: first with the Dutch simple past (`ovt`), then
// with the Dutch future (`toek`), both for the slot's person code. Order:
// 1s, 2sm, 3sf, 2sf, 3sm, alternative 3sm, alternative 3sf, 1p, 2p, 2pf, 3p;
// the alternatives and 2pf are written only where the row fills them, so an
// entry gets 16, 18 or 22 records. The row is chosen by the class number and
// a fixed sequence of tests on the analysed root, the first that holds wins.
#pragma once

#include <string>
#include <string_view>

#include "dutch/woord.h"
#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar {

// Hands the records of `root` to `sink`, as every block writer does (the
// contract is in hebrew/paradigm.h).
void writeFuture(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

}  // namespace morfenaar
