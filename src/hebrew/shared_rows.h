// The rows that several blocks choose alike. Class 5 takes the same row in
// the past tense, the participles, the imperative and the infinitive (the
// future of the default rules chooses its own; the modern rules use it in
// all five blocks). Class 7 takes 7a or 7b alike in the participles, the
// imperative and the future.
#pragma once

#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar {

// Row 5a for kVariantThreeLetters and 5c for every variant other than
// kVariantFinalE, both with `stem` and `rad3`; 5b for kVariantFinalE, with
// `stem`.
RowChoice chooseClass5Row(const AnalysedRoot& root);

// Row 7a for kVariantFinalE, with `stem7` and the ending (ending7); 7b for
// any other root, with `stem7`.
RowChoice chooseClass7Row(const AnalysedRoot& root);

}  // namespace morfenaar
