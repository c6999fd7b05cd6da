// Past tense of the modern rules: one row per class and weak-root case.
#include <optional>

#include "hebrew/modern/modern.h"
#include "hebrew/modern/rows.h"
#include "hebrew/shared_rows.h"

namespace morfenaar::modern {

namespace {

// clang-format off
constexpr Row kPastRows[] = {
    // row   1s             2sm           2sf           3sm          3sf           1p             2pm           2pf           3p
    {"1b", {"%c%cITI",     "%c%cIT",     "%c%cIT",     "%c%cE",     "%c%cTE",     "%c%cINW",     "%c%cITM",    "%c%cITN",    "%c%cW"}},
    {"1c", {"%c%cTI",      "%c%cT",      "%c%cT",      "%c%c",      "%c%cE",      "%c%cNW",      "%c%cTM",     "%c%cTN",     "%c%cW"}},
    // N first and last: the last N merges with the T of an ending.
    {"1d", {"%c%cTI",      "%c%cT",      "%c%cT",      "%c%c%c",    "%c%c%cE",    "%c%c%cNW",    "%c%cTM",     "%c%cTN",     "%c%c%cW"}},
    {"1e", {"%sTI",        "%sT",        "%sT",        "%s",        "%sE",        "%sNW",        "%sTM",       "%sTN",       "%sW"}},
    // geminate: without -oti
    {"2a", {"%sTI",        "%sT",        "%sT",        "%s",        "%sE",        "%sNW",        "%sTM",       "%sTN",       "%sW"}},
    {"2b", {"%sITI",       "%sIT",       "%sIT",       "%sE",       "%sTE",       "%sINW",       "%sITM",      "%sITN",      "%sW"}},
    {"2c", {"N%sTI",       "N%sT",       "N%sT",       "N%s",       "N%sE",       "N%sNW",       "N%sTM",      "N%sTN",      "N%sW"}},
    // pi'el: rad1, the hiriq I, the middle, rad3
    {"3a", {"%c%s%sITI",   "%c%s%sIT",   "%c%s%sIT",   "%c%s%sE",   "%c%s%sTE",   "%c%s%sINW",   "%c%s%sITM",  "%c%s%sITN",  "%c%s%sW"}},
    {"3b", {"%c%s%s%cTI",  "%c%s%s%cT",  "%c%s%s%cT",  "%c%s%s%c",  "%c%s%s%cE",  "%c%s%s%cNW",  "%c%s%s%cTM", "%c%s%s%cTN", "%c%s%s%cW"}},
    // pu'al: rad1, W, the middle, rad3
    {"4a", {"%cW%sITI",    "%cW%sIT",    "%cW%sIT",    "%cW%sE",    "%cW%sTE",    "%cW%sINW",    "%cW%sITM",   "%cW%sITN",   "%cW%sW"}},
    {"4b", {"%cW%s%cTI",   "%cW%s%cT",   "%cW%s%cT",   "%cW%s%c",   "%cW%s%cE",   "%cW%s%cNW",   "%cW%s%cTM",  "%cW%s%cTN",  "%cW%s%cW"}},
    // geminate: without -oti
    {"5a", {"E%s%cTI",     "E%s%cT",     "E%s%cT",     "E%s%c",     "E%s%cE",     "E%s%cNW",     "E%s%cTM",    "E%s%cTN",    "E%s%cW"}},
    {"5b", {"E%sITI",      "E%sIT",      "E%sIT",      "E%sE",      "E%sTE",      "E%sINW",      "E%sITM",     "E%sITN",     "E%sW"}},
    {"5c", {"E%s%cTI",     "E%s%cT",     "E%s%cT",     "E%sI%c",    "E%sI%cE",    "E%s%cNW",     "E%s%cTM",    "E%s%cTN",    "E%sI%cW"}},
    {"6",  {"EW%sTI",      "EW%sT",      "EW%sT",      "EW%s",      "EW%sE",      "EW%sNW",      "EW%sTM",     "EW%sTN",     "EW%sW"}},
    {"7a", {"E%sITI",      "E%sIT",      "E%sIT",      "E%s%s",     "E%sTE",      "E%sINW",      "E%sITM",     "E%sITN",     "E%sW"}},
    {"7b", {"E%sTI",       "E%sT",       "E%sT",       "E%s",       "E%s%s",      "E%sNW",       "E%sTM",      "E%sTN",      "E%sW"}},
};
// clang-format on

RowChoice chooseClass1(const AnalysedRoot& r) {
  if (r.r3IsE) return {"1b", {r.rad1, r.rad2}};
  if (r.r2IsW || r.r2IsI) return {"1c", {r.rad1, r.rad3}};
  if (r.nunNun) return {"1d", {r.rad1, r.rad2, r.rad3}};
  return {"1e", {r.root}};
}

// Classes 3 and 4. The pi'el writes the hiriq of its first radical with I
// (DIBR, TIRGM), except before a doubled I (JIIL).
RowChoice chooseIntensive(const AnalysedRoot& r, const IntensiveRoot& in) {
  if (r.klasse == 4) {
    if (in.last == 'E') return {"4a", {in.first, in.middle}};
    return {"4b", {in.first, in.middle, in.last}};
  }
  std::string_view hiriq = in.middle == "II" ? "" : "I";
  if (in.last == 'E') return {"3a", {in.first, hiriq, in.middle}};
  return {"3b", {in.first, hiriq, in.middle, in.last}};
}

std::optional<RowChoice> choosePastRow(const AnalysedRoot& r, const IntensiveRoot& in) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      if (r.r2EqR3) return RowChoice{"2a", {r.root}};
      if (r.r3IsE) return RowChoice{"2b", {r.stem}};
      return RowChoice{"2c", {rootFrom(r.root, 1)}};
    case 3:
    case 4:
      return chooseIntensive(r, in);
    case 5:
      return chooseClass5Row(r);
    case 6:
      return RowChoice{"6", {rootFrom(r.root, 2)}};
    case 7:
      return RowChoice{r.variant == kVariantFinalE ? "7a" : "7b", {r.stem7, ending7(r)}};
    default:
      return std::nullopt;
  }
}

}  // namespace

void writePast(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  // The texts of the intensive root live here while the records are made.
  const IntensiveRoot intensive = intensiveRoot(root);
  std::optional<RowChoice> choice = choosePastRow(root, intensive);
  if (!choice) return;
  writeRow(
      Block::Past, kPastSlots, findRow(kPastRows, choice->row), choice->args, root,
      [&](std::string_view code) -> const std::string& { return woord.perf(code); }, sink);
}

}  // namespace morfenaar::modern
