// The row that class 5 takes in the past tense, the participles, the
// imperative and the infinitive: the four blocks share their row labels
// and values for it (the future of the default rules chooses its own; the
// modern rules use it in all five blocks).
#pragma once

#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar {

// Row 5a for kVariantThreeLetters and 5c for every variant other than
// kVariantFinalE, both with `stem` and `rad3`; 5b for kVariantFinalE, with
// `stem`.
RowChoice chooseClass5Row(const AnalysedRoot& root);

}  // namespace morfenaar
