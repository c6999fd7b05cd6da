#include "hebrew/participle.h"

#include <optional>

#include "hebrew/class5.h"
#include "hebrew/pattern.h"
#include "hebrew/records.h"

namespace morfenaar {

namespace {

// Each record with the person code for `tegenw`: "s" for {s}, {ms} and {fs},
// "p" for {mp} and {fp}.
// clang-format off
constexpr RecordRow kParticipleRows[] = {
    {"1a", {{"#%cW%cE\t%s\t{s}%s\n", "s"},
            {"#%cW%cIM\t%s\t{mp}%s\n", "p"},
            {"#%cW%cWT\t%s\t{fp}%s\n", "p"}}},
    {"1b", {{"#%c%c\t%s\t{ms}%s\n", "s"},
            {"#%c%cE\t%s\t{fs}%s\n", "s"},
            {"#%c%cIM\t%s\t{mp}%s\n", "p"},
            {"#%c%cWT\t%s\t{fp}%s\n", "p"}}},
    {"1c", {{"#%cW%s\t%s\t{ms}%s\n", "s"},
            {"#%cW%sT\t%s\t{fs}%s\n", "s"},
            {"#%cW%sIM\t%s\t{mp}%s\n", "p"},
            {"#%cW%sWT\t%s\t{fp}%s\n", "p"}}},
    {"2a", {{"#%s\t%s\t{ms}%s\n", "s"},
            {"#%sE\t%s\t{fs}%s\n", "s"},
            {"#%sIM\t%s\t{mp}%s\n", "p"},
            {"#%sWT\t%s\t{fp}%s\n", "p"}}},
    {"2b", {{"#%s\t%s\t{ms}%s\n", "s"},
            {"#%sT\t%s\t{fs}%s\n", "s"},
            {"#%sIM\t%s\t{mp}%s\n", "p"},
            {"#%sWT\t%s\t{fp}%s\n", "p"}}},
    {"2c", {{"#N%c%c%c\t%s\t{ms}%s\n", "s"},
            {"#N%c%cW%c\t%s\t{ms}%s\n", "s"},
            {"#N%c%c%cT\t%s\t{fs}%s\n", "s"},
            {"#N%c%cW%cT\t%s\t{fs}%s\n", "s"},
            {"#N%c%c%cIM\t%s\t{mp}%s\n", "p"},
            {"#N%c%cW%cIM\t%s\t{mp}%s\n", "p"},
            {"#N%c%c%cWT\t%s\t{fp}%s\n", "p"},
            {"#N%c%cW%cWT\t%s\t{fp}%s\n", "p"}}},
    {"2d", {{"#N%c%c%c\t%s\t{ms}%s\n", "s"},
            {"#N%c%c%cT\t%s\t{fs}%s\n", "s"},
            {"#N%c%c%cIM\t%s\t{mp}%s\n", "p"},
            {"#N%c%c%cWT\t%s\t{fp}%s\n", "p"}}},
    {"3", {{"#M%c%c%c\t%s\t{ms}%s\n", "s"},
           {"#M%c%c%cT\t%s\t{fs}%s\n", "s"},
           {"#M%c%c%cIM\t%s\t{mp}%s\n", "p"},
           {"#M%c%c%cWT\t%s\t{fp}%s\n", "p"}}},
    {"4", {{"#M%cW%c%c\t%s\t{ms}%s\n", "s"},
           {"#M%cW%c%cT\t%s\t{fs}%s\n", "s"},
           {"#M%cW%c%cIM\t%s\t{mp}%s\n", "p"},
           {"#M%cW%c%cWT\t%s\t{fp}%s\n", "p"}}},
    {"5a", {{"#M%s%c\t%s\t{ms}%s\n", "s"},
            {"#M%sI%cE\t%s\t{fs}%s\n", "s"},
            {"#M%sI%cIM\t%s\t{mp}%s\n", "p"},
            {"#M%sI%cWT\t%s\t{fp}%s\n", "p"}}},
    {"5b", {{"#M%sE\t%s\t{ms}%s\n", "s"},
            {"#M%sE\t%s\t{fs}%s\n", "s"},
            {"#M%sIM\t%s\t{mp}%s\n", "p"},
            {"#M%sWT\t%s\t{fp}%s\n", "p"}}},
    {"5c", {{"#M%sI%c\t%s\t{ms}%s\n", "s"},
            {"#M%sI%cE\t%s\t{fs}%s\n", "s"},
            {"#M%sI%cIM\t%s\t{mp}%s\n", "p"},
            {"#M%sI%cWT\t%s\t{fp}%s\n", "p"}}},
    {"6", {{"#MW%s\t%s\t{ms}%s\n", "s"},
           {"#MW%sT\t%s\t{fs}%s\n", "s"},
           {"#MW%sIM\t%s\t{mp}%s\n", "p"},
           {"#MW%sWT\t%s\t{fp}%s\n", "p"}}},
    {"7a", {{"#M%s%s\t%s\t{ms}%s\n", "s"},
            {"#M%sIT\t%s\t{fs}%s\n", "s"},
            {"#M%sIM\t%s\t{mp}%s\n", "p"},
            {"#M%sWT\t%s\t{fp}%s\n", "p"}}},
    {"7b", {{"#M%s\t%s\t{ms}%s\n", "s"},
            {"#M%sT\t%s\t{fs}%s\n", "s"},
            {"#M%sIM\t%s\t{mp}%s\n", "p"},
            {"#M%sWT\t%s\t{fp}%s\n", "p"}}},
};
// clang-format on

std::optional<RowChoice> chooseParticipleRow(const AnalysedRoot& r) {
  switch (r.klasse) {
    case 1:
      // "BWA" has no row of its own here: it is hollow like any other.
      if (r.r3IsE) return RowChoice{"1a", {r.rad1, r.rad2}};
      if (r.r2IsW || r.r2IsI) return RowChoice{"1b", {r.rad1, r.rad3}};
      return RowChoice{"1c", {r.rad1, rootFrom(r.root, 1)}};
    case 2:
      if (r.r2EqR3) return RowChoice{"2a", {r.root}};
      if (r.rad1 == 'W') return RowChoice{"2b", {r.root}};
      if (r.rad1 == 'I') return RowChoice{"2c", {r.rad1, r.rad2, r.rad3}};
      return RowChoice{"2d", {r.rad1, r.rad2, r.rad3}};
    case 3:
      return RowChoice{"3", {r.rad1, r.rad2, r.rad3}};
    case 4:
      return RowChoice{"4", {r.rad1, r.rad2, r.rad3}};
    case 5:
      return chooseClass5Row(r);
    case 6:
      return RowChoice{"6", {rootFrom(r.root, 2)}};
    case 7:
      // Only the ms record of 7a takes the ending.
      if (r.variant == kVariantFinalE) return RowChoice{"7a", {r.stem7, ending7(r)}};
      return RowChoice{"7b", {r.stem7}};
    default:
      // Only for the compiler: writeParadigm passes classes 1 to 7 alone
      // (isKnownClass). A direct call with another number writes nothing.
      return std::nullopt;
  }
}

}  // namespace

void writeParticiples(const AnalysedRoot& root, const Woord& woord, std::string_view source,
                      TextBuffer& out) {
  writeChosenRow(
      out, kParticipleRows, chooseParticipleRow(root),
      [&](std::string_view code, int) -> const std::string& { return woord.tegenw(code); }, source);
}

}  // namespace morfenaar
