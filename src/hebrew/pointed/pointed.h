// The five block writers of --niqqud: the forms of the modern rules
// (hebrew/modern/modern.h) with vowel points, each with its pronunciation
// in Dutch spelling. They keep the contract of the other block writers
// (hebrew/paradigm.h), write every slot under the modern rules' tags, and
// hand on records whose form is already in Hebrew letters.
#pragma once

#include "dutch/woord.h"
#include "hebrew/pointed/vocalise.h"
#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar::pointed {

// Nine records: 1s, 2sm, 2sf, 3sm, 3sf, 1p, 2pm, 2pf, 3p with the Dutch
// perfect.
void writePast(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
               const RecordSink& sink);

// Four records: sm, sf, pm, pf with the Dutch present.
void writeParticiples(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                      const RecordSink& sink);

// Ten records: 1s, 2sm, 2sf, 3sm, 3sf, 1p, 2pm, 2pf, 3pm, 3pf with the
// Dutch future.
void writeFuture(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                 const RecordSink& sink);

// Four records, 2sm, 2sf, 2pm, 2pf with the Dutch imperative; none for
// classes 4 and 6.
void writeImperative(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                     const RecordSink& sink);

// Two records, the L-shape with the Dutch infinitive and the M-shape with
// "om " before it, tag {}; none for classes 4 and 6.
void writeInfinitive(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                     const RecordSink& sink);

}  // namespace morfenaar::pointed
