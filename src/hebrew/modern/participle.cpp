// Present participles of the modern rules: sm, sf, pm, pf for every class.
#include <optional>

#include "hebrew/modern/modern.h"
#include "hebrew/modern/rows.h"
#include "hebrew/root_lists.h"
#include "hebrew/shared_rows.h"

namespace morfenaar::modern {

namespace {

// clang-format off
constexpr Row kParticipleRows[] = {
    // row   sm           sf            pm             pf
    // final He: one spelling for both singulars
    {"1a", {"%cW%cE",    "%cW%cE",     "%cW%cIM",     "%cW%cWT"}},
    {"1b", {"%c%c",      "%c%cE",      "%c%cIM",      "%c%cWT"}},
    {"1c", {"%cW%s",     "%cW%sT",     "%cW%sIM",     "%cW%sWT"}},
    // statives: the root as is
    {"1s", {"%s",        "%sE",        "%sIM",        "%sWT"}},
    {"2a", {"%s",        "%sE",        "%sIM",        "%sWT"}},
    {"2b", {"%s",        "%sT",        "%sIM",        "%sWT"}},
    {"2d", {"N%c%c%c",   "N%c%c%cT",   "N%c%c%cIM",   "N%c%c%cWT"}},
    // final He: the E becomes I before T and goes before a vowel ending
    {"2e", {"%sE",       "%sIT",       "%sIM",        "%sWT"}},
    {"3a", {"M%c%sE",    "M%c%sE",     "M%c%sIM",     "M%c%sWT"}},
    {"3b", {"M%c%s%c",   "M%c%s%cT",   "M%c%s%cIM",   "M%c%s%cWT"}},
    {"4a", {"M%cW%sE",   "M%cW%sE",    "M%cW%sIM",    "M%cW%sWT"}},
    {"4b", {"M%cW%s%c",  "M%cW%s%cT",  "M%cW%s%cIM",  "M%cW%s%cWT"}},
    {"5a", {"M%s%c",     "M%sI%cE",    "M%sI%cIM",    "M%sI%cWT"}},
    {"5b", {"M%sE",      "M%sE",       "M%sIM",       "M%sWT"}},
    {"5c", {"M%sI%c",    "M%sI%cE",    "M%sI%cIM",    "M%sI%cWT"}},
    {"6",  {"MW%s",      "MW%sT",      "MW%sIM",      "MW%sWT"}},
    {"7a", {"M%s%s",     "M%s%s",      "M%sIM",       "M%sWT"}},
    {"7b", {"M%s",       "M%sT",       "M%sIM",       "M%sWT"}},
};
// clang-format on

RowChoice chooseClass1(const AnalysedRoot& r) {
  if (hasStativeParticiple(r.root)) return {"1s", {r.root}};
  if (r.r3IsE) return {"1a", {r.rad1, r.rad2}};
  if (r.r2IsW || r.r2IsI) return {"1b", {r.rad1, r.rad3}};
  return {"1c", {r.rad1, rootFrom(r.root, 1)}};
}

std::optional<RowChoice> chooseParticipleRow(const AnalysedRoot& r, const IntensiveRoot& in) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      if (r.r2EqR3) return RowChoice{"2a", {r.root}};
      if (r.r3IsE) return RowChoice{"2e", {r.stem}};
      if (r.rad1 == 'W') return RowChoice{"2b", {r.root}};
      return RowChoice{"2d", {r.rad1, r.rad2, r.rad3}};
    case 3:
      if (in.last == 'E') return RowChoice{"3a", {in.first, in.middle}};
      return RowChoice{"3b", {in.first, in.middle, in.last}};
    case 4:
      if (in.last == 'E') return RowChoice{"4a", {in.first, in.middle}};
      return RowChoice{"4b", {in.first, in.middle, in.last}};
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

void writeParticiples(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  const IntensiveRoot intensive = intensiveRoot(root);
  std::optional<RowChoice> choice = chooseParticipleRow(root, intensive);
  if (!choice) return;
  writeRow(
      Block::Participle, kParticipleSlots, findRow(kParticipleRows, choice->row), choice->args,
      root, [&](std::string_view code) -> const std::string& { return woord.tegenw(code); }, sink);
}

}  // namespace morfenaar::modern
