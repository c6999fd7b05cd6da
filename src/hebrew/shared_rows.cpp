#include "hebrew/shared_rows.h"

namespace morfenaar {

RowChoice chooseClass5Row(const AnalysedRoot& r) {
  if (r.variant == kVariantThreeLetters) return {"5a", {r.stem, r.rad3}};
  if (r.variant == kVariantFinalE) return {"5b", {r.stem}};
  return {"5c", {r.stem, r.rad3}};
}

RowChoice chooseClass7Row(const AnalysedRoot& r) {
  if (r.variant == kVariantFinalE) return {"7a", {r.stem7, ending7(r)}};
  return {"7b", {r.stem7}};
}

}  // namespace morfenaar
