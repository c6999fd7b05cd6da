// Future of the modern rules: ten slots, each written once with the Dutch
// future.
#include <optional>
#include <string>

#include "hebrew/modern/modern.h"
#include "hebrew/modern/rows.h"
#include "hebrew/root_lists.h"
#include "hebrew/shared_rows.h"

namespace morfenaar::modern {

namespace {

// clang-format off
constexpr Row kFutureRows[] = {
    // row     1s            2sm           2sf            3sm           3sf           1p            2pm            2pf             3pm            3pf
    // first radical assimilated, a: LQH, NTN, NSA, NGO; the hiriq of the prefix written I
    {"1d-a", {"A%c%c",      "TI%c%c",     "TI%c%cI",     "II%c%c",     "TI%c%c",     "NI%c%c",     "TI%c%cW",     "TI%c%cNE",     "II%c%cW",     "TI%c%cNE"}},
    // N first assimilated, o: NPL
    {"1d",   {"A%cW%c",     "TI%cW%c",    "TI%c%cI",     "II%cW%c",    "TI%cW%c",    "NI%cW%c",    "TI%c%cW",     "TI%cW%cNE",    "II%c%cW",     "TI%cW%cNE"}},
    // N first and final He: NJE
    {"1d-e", {"A%cE",       "TI%cE",      "TI%cI",       "II%cE",      "TI%cE",      "NI%cE",      "TI%cW",       "TI%cINE",      "II%cW",       "TI%cINE"}},
    {"1e",   {"A%c%cE",     "T%c%cE",     "T%c%cI",      "I%c%cE",     "T%c%cE",     "N%c%cE",     "T%c%cW",      "T%c%cINE",     "I%c%cW",      "T%c%cINE"}},
    // hollow and geminate: rad1, the vowel letter, the last radical
    {"1f",   {"A%c%c%c",    "T%c%c%c",    "T%c%c%cI",    "I%c%c%c",    "T%c%c%c",    "N%c%c%c",    "T%c%c%cW",    "T%c%c%cNE",    "I%c%c%cW",    "T%c%c%cNE"}},
    // I first, yirash type, with a: the root as is
    {"1h",   {"A%s",        "T%s",        "T%sI",        "I%s",        "T%s",        "N%s",        "T%sW",        "T%sNE",        "I%sW",        "T%sNE"}},
    // I first, yeshev type, and ELK
    {"1i",   {"A%c%c",      "T%c%c",      "T%c%cI",      "I%c%c",      "T%c%c",      "N%c%c",      "T%c%cW",      "T%c%cNE",      "I%c%cW",      "T%c%cNE"}},
    {"1j",   {"A%c%cA",     "T%c%cA",     "T%c%cAI",     "I%c%cA",     "T%c%cA",     "N%c%cA",     "T%c%cAW",     "T%c%cANE",     "I%c%cAW",     "T%c%cANE"}},
    // A first, a (okhal type): 1s AW
    {"1k",   {"AW%c%c",     "TA%c%c",     "TA%c%cI",     "IA%c%c",     "TA%c%c",     "NA%c%c",     "TA%c%cW",     "TA%c%cNE",     "IA%c%cW",     "TA%c%cNE"}},
    {"1k-e", {"AW%cE",      "TA%cE",      "TA%cI",       "IA%cE",      "TA%cE",      "NA%cE",      "TA%cW",       "TA%cINE",      "IA%cW",       "TA%cINE"}},
    // A first, o
    {"1k-o", {"AA%cW%c",    "TA%cW%c",    "TA%c%cI",     "IA%cW%c",    "TA%cW%c",    "NA%cW%c",    "TA%c%cW",     "TA%cW%cNE",    "IA%c%cW",     "TA%cW%cNE"}},
    // a
    {"1l",   {"A%c%c%c",    "T%c%c%c",    "T%c%c%cI",    "I%c%c%c",    "T%c%c%c",    "N%c%c%c",    "T%c%c%cW",    "T%c%c%cNE",    "I%c%c%cW",    "T%c%c%cNE"}},
    // o
    {"1n",   {"A%c%cW%c",   "T%c%cW%c",   "T%c%c%cI",    "I%c%cW%c",   "T%c%cW%c",   "N%c%cW%c",   "T%c%c%cW",    "T%c%cW%cNE",   "I%c%c%cW",    "T%c%cW%cNE"}},
    {"2a",   {"AIW%s",      "TIW%s",      "TIW%sI",      "IIW%s",      "TIW%s",      "NIW%s",      "TIW%sW",      "TIW%sNE",      "IIW%sW",      "TIW%sNE"}},
    {"2b",   {"AN%s",       "TIN%s",      "TIN%sI",      "IIN%s",      "TIN%s",      "NIN%s",      "TIN%sW",      "TIN%sNE",      "IIN%sW",      "TIN%sNE"}},
    {"2c",   {"A%s",        "TI%s",       "TI%sI",       "II%s",       "TI%s",       "NI%s",       "TI%sW",       "TI%sNE",       "II%sW",       "TI%sNE"}},
    {"2e",   {"A%sE",       "TI%sE",      "TI%sI",       "II%sE",      "TI%sE",      "NI%sE",      "TI%sW",       "TI%sINE",      "II%sW",       "TI%sINE"}},
    // a first radical that is a guttural or R: the tsere of 1s written I
    {"2c-i", {"AI%s",       "TI%s",       "TI%sI",       "II%s",       "TI%s",       "NI%s",       "TI%sW",       "TI%sNE",       "II%sW",       "TI%sNE"}},
    {"2e-i", {"AI%sE",      "TI%sE",      "TI%sI",       "II%sE",      "TI%sE",      "NI%sE",      "TI%sW",       "TI%sINE",      "II%sW",       "TI%sINE"}},
    // classes 3 and 4: rad1, the infix (W for class 4), the middle, rad3
    {"3a",   {"A%c%s%sE",   "T%c%s%sE",   "T%c%s%sI",    "I%c%s%sE",   "T%c%s%sE",   "N%c%s%sE",   "T%c%s%sW",    "T%c%s%sINE",   "I%c%s%sW",    "T%c%s%sINE"}},
    {"3b",   {"A%c%s%s%c",  "T%c%s%s%c",  "T%c%s%s%cI",  "I%c%s%s%c",  "T%c%s%s%c",  "N%c%s%s%c",  "T%c%s%s%cW",  "T%c%s%s%cNE",  "I%c%s%s%cW",  "T%c%s%s%cNE"}},
    {"5a",   {"A%s%c",      "T%s%c",      "T%s%cI",      "I%s%c",      "T%s%c",      "N%s%c",      "T%s%cW",      "T%s%cNE",      "I%s%cW",      "T%s%cNE"}},
    {"5b",   {"A%sE",       "T%sE",       "T%sI",        "I%sE",       "T%sE",       "N%sE",       "T%sW",        "T%sINE",       "I%sW",        "T%sINE"}},
    // no I before rad3 in 2pf and 3pf
    {"5c",   {"A%sI%c",     "T%sI%c",     "T%sI%cI",     "I%sI%c",     "T%sI%c",     "N%sI%c",     "T%sI%cW",     "T%s%cNE",      "I%sI%cW",     "T%s%cNE"}},
    {"6",    {"AW%s",       "TW%s",       "TW%sI",       "IW%s",       "TW%s",       "NW%s",       "TW%sW",       "TW%sNE",       "IW%sW",       "TW%sNE"}},
    {"7a",   {"A%s%s",      "T%s%s",      "T%sI",        "I%s%s",      "T%s%s",      "N%s%s",      "T%sW",        "T%sINE",       "I%sW",        "T%sINE"}},
    {"7b",   {"A%s",        "T%s",        "T%sI",        "I%s",        "T%s",        "N%s",        "T%sW",        "T%sNE",        "I%sW",        "T%sNE"}},
};
// clang-format on

// The vowel letter of a hollow or geminate qal root: I for a hollow root
// with I that is not of the W list, W otherwise.
char hollowVowel(const AnalysedRoot& r) { return r.r2IsI && !isHollowWithW(r.root) ? 'I' : 'W'; }

RowChoice chooseClass1(const AnalysedRoot& r) {
  const PatternValues r23{r.rad2, r.rad3};
  const PatternValues r123{r.rad1, r.rad2, r.rad3};
  // LQH assimilates its L as an N-first root its N.
  if (r.root == "LQH" || r.nunNun) return {"1d-a", r23};
  if (r.root == "ELK") return {"1i", r23};
  if (r.r1IsN && r.r3IsE) return {"1d-e", {r.rad2}};
  if (r.r1IsN && isGuttural(r.rad2)) return {"1l", r123};  // the N stays: INEG
  if (r.r1IsN && (qalTakesA(r) || r.r3IsA)) return {"1d-a", r23};
  if (r.r1IsN) return {"1d", r23};
  if (r.r1IsA && isOkhalType(r.root) && r.r3IsE) return {"1k-e", {r.rad2}};
  if (r.r3IsE) return {"1e", {r.rad1, r.rad2}};
  if (r.r2IsW || r.r2IsI) return {"1f", {r.rad1, hollowVowel(r), r.rad3}};
  if (r.r2EqR3) return {"1f", {r.rad1, 'W', r.rad2}};
  if (r.r1IsI && keepsFirstI(r.root)) return {"1h", {r.root}};
  if (r.r1IsI) return {"1i", r23};
  if (r.r3IsA) return {"1j", {r.rad1, r.rad2}};
  if (r.r1IsA && (isOkhalType(r.root) || qalTakesA(r))) return {"1k", r23};
  if (r.r1IsA) return {"1k-o", r23};
  if (qalTakesA(r)) return {"1l", r123};
  return {"1n", r123};
}

// Class 2 writes the tsere of its 1s prefix before a guttural or R with I.
bool nifalTsere(char rad1) { return isGuttural(rad1) || rad1 == 'R'; }

std::optional<RowChoice> chooseFutureRow(const AnalysedRoot& r, const IntensiveRoot& in) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      if (r.rad1 == 'W') return RowChoice{"2a", {rootFrom(r.root, 1)}};
      if (r.rad1 == 'I') return RowChoice{"2b", {rootFrom(r.root, 2)}};
      if (r.r3IsE) return RowChoice{nifalTsere(r.rad1) ? "2e-i" : "2e", {nifalFinalHeBody(r)}};
      return RowChoice{nifalTsere(r.rad1) ? "2c-i" : "2c", {rootFrom(r.root, 1)}};
    case 3:
    case 4: {
      std::string_view infix = r.klasse == 4 ? "W" : "";
      if (in.last == 'E') return RowChoice{"3a", {in.first, infix, in.middle}};
      return RowChoice{"3b", {in.first, infix, in.middle, in.last}};
    }
    case 5:
      return chooseClass5Row(r);
    case 6:
      return RowChoice{"6", {rootFrom(r.root, 2)}};
    case 7:
      return chooseClass7Row(r);
    default:
      return std::nullopt;
  }
}

}  // namespace

void writeFuture(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  const IntensiveRoot intensive = intensiveRoot(root);
  std::optional<RowChoice> choice = chooseFutureRow(root, intensive);
  if (!choice) return;
  writeRow(
      Block::Future, kFutureSlots, findRow(kFutureRows, choice->row), choice->args, root,
      [&](std::string_view code) -> const std::string& { return woord.toek(code); }, sink);
}

}  // namespace morfenaar::modern
