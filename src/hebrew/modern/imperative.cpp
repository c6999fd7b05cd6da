// Imperative of the modern rules: 2sm, 2sf, 2pm, 2pf; none for classes 4
// and 6.
#include <optional>
#include <string>

#include "hebrew/modern/modern.h"
#include "hebrew/modern/rows.h"
#include "hebrew/root_lists.h"
#include "hebrew/shared_rows.h"

namespace morfenaar::modern {

namespace {

// clang-format off
constexpr Row kImperativeRows[] = {
    // row     2sm          2sf           2pm           2pf
    // N-final He: NJE
    {"1d",   {"%cE",       "%cI",        "%cW",        "%cINE"}},
    {"1e",   {"%c%cE",     "%c%cI",      "%c%cW",      "%c%cINE"}},
    // three letters, no W: hollow, a, final A, I kept
    {"1f",   {"%c%c%c",    "%c%c%cI",    "%c%c%cW",    "%c%c%cNE"}},
    // the first radical dropped: yeshev type, LQH, ELK, N first with a
    {"1g",   {"%c%c",      "%c%cI",      "%c%cW",      "%c%cNE"}},
    // o
    {"1h",   {"%c%cW%c",   "%c%c%cI",    "%c%c%cW",    "%c%cW%cNE"}},
    {"2a",   {"EIW%s",     "EIW%sI",     "EIW%sW",     "EIW%sNE"}},
    {"2b",   {"EIN%s",     "EIN%sI",     "EIN%sW",     "EIN%sNE"}},
    {"2c",   {"EI%s",      "EI%sI",      "EI%sW",      "EI%sNE"}},
    {"2e",   {"EI%sE",     "EI%sI",      "EI%sW",      "EI%sINE"}},
    {"3a",   {"%c%sE",     "%c%sI",      "%c%sW",      "%c%sINE"}},
    {"3b",   {"%c%s%c",    "%c%s%cI",    "%c%s%cW",    "%c%s%cNE"}},
    {"5a",   {"E%s%c",     "E%s%cI",     "E%s%cW",     "E%s%cNE"}},
    {"5b",   {"E%sE",      "E%sI",       "E%sW",       "E%sINE"}},
    {"5c",   {"E%s%c",     "E%sI%cI",    "E%sI%cW",    "E%s%cNE"}},
    {"7a",   {"E%s%s",     "E%sI",       "E%sW",       "E%sINE"}},
    {"7b",   {"E%s",       "E%sI",       "E%sW",       "E%sNE"}},
};
// clang-format on

RowChoice chooseClass1(const AnalysedRoot& r) {
  const PatternValues r23{r.rad2, r.rad3};
  const PatternValues r123{r.rad1, r.rad2, r.rad3};
  if (r.root == "LQH" || r.root == "ELK" || r.nunNun) return {"1g", r23};
  if (r.r1IsN && r.r3IsE) return {"1d", {r.rad2}};
  // N first with a loses its N (SA, GO) unless a guttural follows it.
  if (r.r1IsN && !isGuttural(r.rad2) && (qalTakesA(r) || r.r3IsA)) return {"1g", r23};
  if (r.r3IsE) return {"1e", {r.rad1, r.rad2}};
  if (r.r2IsW || r.r2IsI) {
    char vowel = r.r2IsI && !isHollowWithW(r.root) ? 'I' : 'W';
    return {"1f", {r.rad1, vowel, r.rad3}};
  }
  if (r.r2EqR3) return {"1f", {r.rad1, 'W', r.rad2}};
  if (r.r1IsI && !keepsFirstI(r.root)) return {"1g", r23};
  // I first of the yirash type keeps its I and has a: ISN.
  if (r.r3IsA || r.r1IsI || qalTakesA(r)) return {"1f", r123};
  return {"1h", r123};
}

std::optional<RowChoice> chooseImperativeRow(const AnalysedRoot& r, const IntensiveRoot& in) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      if (r.rad1 == 'W') return RowChoice{"2a", {rootFrom(r.root, 1)}};
      if (r.rad1 == 'I') return RowChoice{"2b", {rootFrom(r.root, 2)}};
      if (r.r3IsE) return RowChoice{"2e", {nifalFinalHeBody(r)}};
      return RowChoice{"2c", {rootFrom(r.root, 1)}};
    case 3:
      if (in.last == 'E') return RowChoice{"3a", {in.first, in.middle}};
      return RowChoice{"3b", {in.first, in.middle, in.last}};
    case 5:
      return chooseClass5Row(r);
    case 7:
      return chooseClass7Row(r);
    case 4:
    case 6:
    default:
      return std::nullopt;
  }
}

}  // namespace

void writeImperative(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  const IntensiveRoot intensive = intensiveRoot(root);
  std::optional<RowChoice> choice = chooseImperativeRow(root, intensive);
  if (!choice) return;
  writeRow(
      Block::Imperative, kImperativeSlots, findRow(kImperativeRows, choice->row), choice->args,
      root, [&](std::string_view code) -> const std::string& { return woord.geb(code); }, sink);
}

}  // namespace morfenaar::modern
