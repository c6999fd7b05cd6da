// The five block writers of the modern rules (--modern): the forms that a
// grammar of today's Hebrew gives, in full spelling, each slot written
// once (hebrew/modern/rows.h). They keep the contract of the default block
// writers (hebrew/paradigm.h) and are chosen by writeParadigm with
// Rules::Modern.
#pragma once

#include "dutch/woord.h"
#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar::modern {

// Nine records: 1s, 2sm, 2sf, 3sm, 3sf, 1p, 2pm, 2pf, 3p with the Dutch
// perfect.
void writePast(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

// Four records: sm, sf, pm, pf with the Dutch present.
void writeParticiples(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

// Ten records: 1s, 2sm, 2sf, 3sm, 3sf, 1p, 2pm, 2pf, 3pm, 3pf, each with
// the Dutch future.
void writeFuture(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

// Four records, 2sm, 2sf, 2pm, 2pf with the Dutch imperative; none for
// classes 4 and 6.
void writeImperative(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

// Two records, the L-shape with the Dutch infinitive and the M-shape with
// "om " before it, tag {}; none for classes 4 and 6.
void writeInfinitive(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink);

}  // namespace morfenaar::modern
