#include "hebrew/class5.h"

namespace morfenaar {

RowChoice chooseClass5Row(const AnalysedRoot& r) {
  if (r.variant == kVariantThreeLetters) return {"5a", {r.stem, r.rad3}};
  if (r.variant == kVariantFinalE) return {"5b", {r.stem}};
  return {"5c", {r.stem, r.rad3}};
}

}  // namespace morfenaar
