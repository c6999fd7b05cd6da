#include "hebrew/infinitive.h"

#include <optional>

#include "hebrew/class5.h"
#include "hebrew/pattern.h"
#include "hebrew/records.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// L-records carry the Dutch infinitive, M-records "om " and the infinitive.
// `onbep` takes no person code, so the code column is empty.
// clang-format off
constexpr RecordRow kInfinitiveRows[] = {
    {"1a", {{"#L%c%c%c\t%s\t{}%s\n", ""}, {"#M%c%c%c\tom %s\t{}%s\n", ""}}},
    {"1b", {{"#L%cT\t%s\t{}%s\n", ""}, {"#M%cT\tom %s\t{}%s\n", ""}}},
    {"1c", {{"#L%c%cWT\t%s\t{}%s\n", ""}, {"#M%c%cWT\tom %s\t{}%s\n", ""}}},
    {"1d", {{"#L%c%c%c\t%s\t{}%s\n", ""}, {"#M%c%c%c\tom %s\t{}%s\n", ""}}},
    {"1e", {{"#L%c%cT\t%s\t{}%s\n", ""}, {"#M%c%cT\tom %s\t{}%s\n", ""}}},
    {"1f", {{"#L%c%cW%c\t%s\t{}%s\n", ""},
            {"#L%c%c%c\t%s\t{}%s\n", ""},
            {"#M%c%cW%c\tom %s\t{}%s\n", ""},
            {"#M%c%c%c\tom %s\t{}%s\n", ""}}},
    {"1g", {{"#L%c%cW%c\t%s\t{}%s\n", ""}, {"#M%c%cW%c\tom %s\t{}%s\n", ""}}},
    {"2a", {{"#LEIN%s\t%s\t{}%s\n", ""}, {"#MEIN%s\tom %s\t{}%s\n", ""}}},
    {"2b", {{"#LEIW%s\t%s\t{}%s\n", ""}, {"#MEIW%s\tom %s\t{}%s\n", ""}}},
    {"2c", {{"#LEI%s\t%s\t{}%s\n", ""}, {"#MEI%s\tom %s\t{}%s\n", ""}}},
    {"3", {{"#L%c%c%c\t%s\t{}%s\n", ""}, {"#M%c%c%c\tom %s\t{}%s\n", ""}}},
    {"5a", {{"#LE%s%c\t%s\t{}%s\n", ""},
            {"#ME%s%c\tom %s\t{}%s\n", ""},
            {"#LE%sI%c\t%s\t{}%s\n", ""},
            {"#ME%sI%c\tom %s\t{}%s\n", ""}}},
    {"5b", {{"#LE%sWT\t%s\t{}%s\n", ""}, {"#ME%sWT\tom %s\t{}%s\n", ""}}},
    {"5c", {{"#LE%sI%c\t%s\t{}%s\n", ""}, {"#ME%sI%c\tom %s\t{}%s\n", ""}}},
    {"7a", {{"#LE%s%s\t%s\t{}%s\n", ""}, {"#ME%s%s\tom %s\t{}%s\n", ""}}},
    {"7b", {{"#LET%s%s\t%s\t{}%s\n", ""}, {"#MET%s%s\tom %s\t{}%s\n", ""}}},
};
// clang-format on

RowChoice chooseClass1(const AnalysedRoot& r) {
  if (r.root == "AMR") return {"1a", {r.rad1, r.rad2, r.rad3}};
  if (r.nunNun) return {"1b", {r.rad2}};
  if (r.r3IsE) return {"1c", {r.rad1, r.rad2}};
  if (r.r2IsW || r.r2IsI || r.r2EqR3) return {"1d", {r.rad1, r.rad2, r.rad3}};
  if (r.r1IsI || r.root == "NSA") return {"1e", {r.rad2, r.rad3}};
  if (r.r3IsA) return {"1f", {r.rad1, r.rad2, r.rad3}};
  return {"1g", {r.rad1, r.rad2, r.rad3}};
}

// Class 7 infinitive ending: only for a root ending in E (kVariantFinalE), "T"
// after a stem7 ending in W and "WT" after any other.
std::string_view infinitiveEnding7(const AnalysedRoot& r) {
  if (r.variant != kVariantFinalE) return "";
  return endsWith(r.stem7, 'W') ? "T" : "WT";
}

std::optional<RowChoice> chooseInfinitiveRow(const AnalysedRoot& r) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:  // here 2a is the row of rad1 I and 2b that of rad1 W
      if (r.rad1 == 'I') return RowChoice{"2a", {rootFrom(r.root, 2)}};
      if (r.rad1 == 'W') return RowChoice{"2b", {rootFrom(r.root, 1)}};
      return RowChoice{"2c", {rootFrom(r.root, 1)}};
    case 3:
      return RowChoice{"3", {r.rad1, r.rad2, r.rad3}};
    case 5:
      return chooseClass5Row(r);
    case 7: {
      bool direct = startsWith(r.stem7, "ST") || startsWith(r.stem7, "T");
      return RowChoice{direct ? "7a" : "7b", {r.stem7, infinitiveEnding7(r)}};
    }
    // Classes 4 and 6 have no infinitive. The default is only for the
    // compiler: writeParadigm passes classes 1 to 7 alone (isKnownClass), and
    // a direct call with another number writes nothing.
    case 4:
    case 6:
    default:
      return std::nullopt;
  }
}

}  // namespace

void writeInfinitive(const AnalysedRoot& root, const Woord& woord, std::string_view source,
                     TextBuffer& out) {
  writeChosenRow(
      out, kInfinitiveRows, chooseInfinitiveRow(root),
      [&](std::string_view, int) -> const std::string& { return woord.onbep(); }, source);
}

}  // namespace morfenaar
