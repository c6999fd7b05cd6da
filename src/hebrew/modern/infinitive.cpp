// Infinitive of the modern rules: one body per verb, written in two
// shapes, with L (the Dutch infinitive) and with M ("om " before it); none
// for classes 4 and 6.
#include <optional>
#include <string>

#include "hebrew/modern/modern.h"
#include "hebrew/modern/rows.h"
#include "hebrew/root_lists.h"
#include "hebrew/shared_rows.h"
#include "support/strings.h"

namespace morfenaar::modern {

namespace {

// The bodies; the two shapes put L or M before them.
// clang-format off
constexpr Row kInfinitiveRows[] = {
    // AMR loses its A
    {"1a",   {"W%c%c"}},
    // N first and last: the N of the root is gone
    {"1b",   {"%cT"}},
    {"1c",   {"%c%cWT"}},
    // hollow and geminate: rad1, the vowel letter, the last radical
    {"1d",   {"%c%c%c"}},
    // -at: the first radical dropped
    {"1e",   {"%c%cT"}},
    // N first assimilated: the hiriq written I
    {"1f",   {"I%cW%c"}},
    {"1g",   {"%c%cW%c"}},
    {"2a",   {"EIN%s"}},
    {"2b",   {"EIW%s"}},
    {"2c",   {"EI%s"}},
    {"2e",   {"EI%sWT"}},
    {"3a",   {"%c%sWT"}},
    {"3b",   {"%c%s%c"}},
    {"5a",   {"E%s%c"}},
    {"5b",   {"E%sWT"}},
    {"5c",   {"E%sI%c"}},
    {"7",    {"E%s%s"}},
};
// clang-format on

RowChoice chooseClass1(const AnalysedRoot& r) {
  if (r.root == "AMR") return {"1a", {r.rad2, r.rad3}};
  if (takesAtInfinitive(r.root)) return {"1e", {r.rad2, r.rad3}};
  if (r.nunNun) return {"1b", {r.rad2}};
  if (r.r3IsE) return {"1c", {r.rad1, r.rad2}};
  if (r.r2IsW || r.r2IsI) {
    char vowel = r.r2IsI && !isHollowWithW(r.root) ? 'I' : 'W';
    return {"1d", {r.rad1, vowel, r.rad3}};
  }
  if (r.r2EqR3) return {"1d", {r.rad1, 'W', r.rad2}};
  if (r.r1IsI && !keepsFirstI(r.root)) return {"1e", {r.rad2, r.rad3}};
  if (r.r1IsN && !isGuttural(r.rad2)) return {"1f", {r.rad2, r.rad3}};
  return {"1g", {r.rad1, r.rad2, r.rad3}};
}

std::optional<RowChoice> chooseInfinitiveRow(const AnalysedRoot& r, const IntensiveRoot& in) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      if (r.rad1 == 'I') return RowChoice{"2a", {rootFrom(r.root, 2)}};
      if (r.rad1 == 'W') return RowChoice{"2b", {rootFrom(r.root, 1)}};
      if (r.r3IsE) return RowChoice{"2e", {nifalFinalHeBody(r)}};
      return RowChoice{"2c", {rootFrom(r.root, 1)}};
    case 3:
      if (in.last == 'E') return RowChoice{"3a", {in.first, in.middle}};
      return RowChoice{"3b", {in.first, in.middle, in.last}};
    case 5:
      return chooseClass5Row(r);
    case 7:
      // No T of the prefix beside a sibilant that swapped with it: LEZDQN.
      return RowChoice{"7", {r.stem7, infinitiveEnding7(r)}};
    case 4:
    case 6:
    default:
      return std::nullopt;
  }
}

}  // namespace

void writeInfinitive(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  const IntensiveRoot intensive = intensiveRoot(root);
  std::optional<RowChoice> choice = chooseInfinitiveRow(root, intensive);
  if (!choice) return;
  const std::string body =
      modernForm(findRow(kInfinitiveRows, choice->row).forms[0], choice->args, root);
  const std::string& onbep = woord.onbep();
  sink(Record{Block::Infinitive, "", "L" + body, onbep});
  sink(Record{Block::Infinitive, "", "M" + body, "om " + onbep});
}

}  // namespace morfenaar::modern
