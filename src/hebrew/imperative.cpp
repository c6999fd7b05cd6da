#include "hebrew/imperative.h"

#include <optional>

#include "hebrew/class5.h"
#include "hebrew/pattern.h"
#include "hebrew/records.h"

namespace morfenaar {

namespace {

// Each record with the person code for `geb`. Rows 1a and 1c have no 2fp
// record.
// clang-format off
constexpr RecordRow kImperativeRows[] = {
    {"1a", {{"#%c%c\t%s\t{2ms}%s\n", "s"},
            {"#%c%cI\t%s\t{2fs}%s\n", "s"},
            {"#%c%cW\t%s\t{2mp}%s\n", "p"}}},
    {"1b", {{"#%c%c\t%s\t{2ms}%s\n", "s"},
            {"#%c%cI\t%s\t{2fs}%s\n", "s"},
            {"#%c%cW\t%s\t{2mp}%s\n", "p"},
            {"#%c%cNE\t%s\t{2fp}%s\n", "p"}}},
    {"1c", {{"#%c%cE\t%s\t{2ms}%s\n", "s"},
            {"#%c%cI\t%s\t{2fs}%s\n", "s"},
            {"#%c%cW\t%s\t{2mp}%s\n", "p"}}},
    {"1d", {{"#E%cE\t%s\t{2ms}%s\n", "s"},
            {"#E%cI\t%s\t{2fs}%s\n", "s"},
            {"#E%cW\t%s\t{2mp}%s\n", "p"},
            {"#E%cINE\t%s\t{2fp}%s\n", "p"}}},
    {"1e", {{"#%c%cE\t%s\t{2ms}%s\n", "s"},
            {"#%c%cI\t%s\t{2fs}%s\n", "s"},
            {"#%c%cW\t%s\t{2mp}%s\n", "p"},
            {"#%c%cINE\t%s\t{2fp}%s\n", "p"}}},
    {"1f", {{"#%c%c%c\t%s\t{2ms}%s\n", "s"},
            {"#%c%c%cI\t%s\t{2fs}%s\n", "s"},
            {"#%c%c%cW\t%s\t{2mp}%s\n", "p"},
            {"#%c%c%cNE\t%s\t{2fp}%s\n", "p"}}},
    {"1g", {{"#%c%c\t%s\t{2ms}%s\n", "s"},
            {"#%c%cI\t%s\t{2fs}%s\n", "s"},
            {"#%c%cW\t%s\t{2mp}%s\n", "p"},
            {"#%c%cNE\t%s\t{2fp}%s\n", "p"}}},
    {"1h", {{"#%c%cW%c\t%s\t{2ms}%s\n", "s"},
            {"#%c%c%cI\t%s\t{2fs}%s\n", "s"},
            {"#%c%c%cW\t%s\t{2mp}%s\n", "p"},
            {"#%c%cW%cNE\t%s\t{2fp}%s\n", "p"}}},
    {"2a", {{"#EIW%s\t%s\t{2ms}%s\n", "s"},
            {"#EIW%sI\t%s\t{2fs}%s\n", "s"},
            {"#EIW%sW\t%s\t{2mp}%s\n", "p"},
            {"#EIW%sNE\t%s\t{2fp}%s\n", "p"}}},
    {"2b", {{"#EIN%s\t%s\t{2ms}%s\n", "s"},
            {"#EIN%sI\t%s\t{2fs}%s\n", "s"},
            {"#EIN%sW\t%s\t{2mp}%s\n", "p"},
            {"#EIN%sNE\t%s\t{2fp}%s\n", "p"}}},
    {"2c", {{"#EI%s\t%s\t{2ms}%s\n", "s"},
            {"#EI%sI\t%s\t{2fs}%s\n", "s"},
            {"#EI%sW\t%s\t{2mp}%s\n", "p"},
            {"#EI%sNE\t%s\t{2fp}%s\n", "p"}}},
    {"3", {{"#%c%c%c\t%s\t{2ms}%s\n", "s"},
           {"#%c%c%cI\t%s\t{2fs}%s\n", "s"},
           {"#%c%c%cW\t%s\t{2mp}%s\n", "p"},
           {"#%c%c%cNE\t%s\t{2fp}%s\n", "p"}}},
    {"5a", {{"#E%s%c\t%s\t{2ms}%s\n", "s"},
            {"#E%s%cI\t%s\t{2fs}%s\n", "s"},
            {"#E%s%cW\t%s\t{2mp}%s\n", "p"},
            {"#E%s%cNE\t%s\t{2fp}%s\n", "p"}}},
    {"5b", {{"#E%sE\t%s\t{2ms}%s\n", "s"},
            {"#E%sI\t%s\t{2fs}%s\n", "s"},
            {"#E%sW\t%s\t{2mp}%s\n", "p"},
            {"#E%sINE\t%s\t{2fp}%s\n", "p"}}},
    {"5c", {{"#E%s%c\t%s\t{2ms}%s\n", "s"},
            {"#E%sI%cI\t%s\t{2fs}%s\n", "s"},
            {"#E%sI%cW\t%s\t{2mp}%s\n", "p"},
            {"#E%s%cNE\t%s\t{2fp}%s\n", "p"}}},
    {"7a", {{"#E%s%s\t%s\t{2ms}%s\n", "s"},
            {"#E%sI\t%s\t{2fs}%s\n", "s"},
            {"#E%sW\t%s\t{2mp}%s\n", "p"},
            {"#E%sINE\t%s\t{2fp}%s\n", "p"}}},
    {"7b", {{"#E%s\t%s\t{2ms}%s\n", "s"},
            {"#E%sI\t%s\t{2fs}%s\n", "s"},
            {"#E%sW\t%s\t{2mp}%s\n", "p"},
            {"#E%sNE\t%s\t{2fp}%s\n", "p"}}},
};
// clang-format on

RowChoice chooseClass1(const AnalysedRoot& r) {
  if (r.root == "LQH" || r.root == "NSA" || isRootIThenByteDFThenA(r.root))
    return {"1a", {r.rad2, r.rad3}};
  if (r.root == "ELK") return {"1b", {r.rad2, r.rad3}};
  if (r.root == "NTN") return {"1c", {r.rad2, r.rad3}};
  if (r.r1IsN && r.r3IsE) return {"1d", {r.rad2}};
  if (r.r3IsE) return {"1e", {r.rad1, r.rad2}};
  if (r.r2IsW || r.r2IsI || r.r2EqR3 || r.r3IsA) return {"1f", {r.rad1, r.rad2, r.rad3}};
  if (r.r1IsI) return {"1g", {r.rad2, r.rad3}};
  return {"1h", {r.rad1, r.rad2, r.rad3}};
}

std::optional<RowChoice> chooseImperativeRow(const AnalysedRoot& r) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      if (r.rad1 == 'W') return RowChoice{"2a", {rootFrom(r.root, 1)}};
      if (r.rad1 == 'I') return RowChoice{"2b", {rootFrom(r.root, 2)}};
      return RowChoice{"2c", {rootFrom(r.root, 1)}};
    case 3:
      return RowChoice{"3", {r.rad1, r.rad2, r.rad3}};
    case 5:
      return chooseClass5Row(r);
    case 7:
      // Only the 2ms record of 7a takes the ending.
      if (r.variant == kVariantFinalE) return RowChoice{"7a", {r.stem7, ending7(r)}};
      return RowChoice{"7b", {r.stem7}};
    // Classes 4 and 6 have no imperative. The default is only for the
    // compiler: writeParadigm passes classes 1 to 7 alone (isKnownClass), and
    // a direct call with another number writes nothing.
    case 4:
    case 6:
    default:
      return std::nullopt;
  }
}

}  // namespace

void writeImperative(const AnalysedRoot& root, const Woord& woord, std::string_view source,
                     TextBuffer& out) {
  writeChosenRow(
      out, kImperativeRows, chooseImperativeRow(root),
      [&](std::string_view code, int) -> const std::string& { return woord.geb(code); }, source);
}

}  // namespace morfenaar
