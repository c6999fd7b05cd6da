#include "hebrew/participle.h"

#include <optional>

#include "hebrew/record.h"
#include "hebrew/shared_rows.h"

namespace morfenaar {

namespace {

// The forms of each row with their tags: ms, fs, mp, fp as a rule.
// clang-format off
constexpr FormRow kParticipleRows[] = {
    {"1a", {{"%cW%cE",       "s"},  {"%cW%cIM",      "mp"}, {"%cW%cWT",      "fp"}}},
    {"1b", {{"%c%c",         "ms"}, {"%c%cE",        "fs"}, {"%c%cIM",       "mp"}, {"%c%cWT",       "fp"}}},
    {"1c", {{"%cW%s",        "ms"}, {"%cW%sT",       "fs"}, {"%cW%sIM",      "mp"}, {"%cW%sWT",      "fp"}}},
    {"2a", {{"%s",           "ms"}, {"%sE",          "fs"}, {"%sIM",         "mp"}, {"%sWT",         "fp"}}},
    {"2b", {{"%s",           "ms"}, {"%sT",          "fs"}, {"%sIM",         "mp"}, {"%sWT",         "fp"}}},
    {"2c", {{"N%c%c%c",      "ms"}, {"N%c%cW%c",     "ms"}, {"N%c%c%cT",     "fs"}, {"N%c%cW%cT",    "fs"}, {"N%c%c%cIM",    "mp"}, {"N%c%cW%cIM",   "mp"}, {"N%c%c%cWT",    "fp"}, {"N%c%cW%cWT",   "fp"}}},
    {"2d", {{"N%c%c%c",      "ms"}, {"N%c%c%cT",     "fs"}, {"N%c%c%cIM",    "mp"}, {"N%c%c%cWT",    "fp"}}},
    {"3",  {{"M%c%c%c",      "ms"}, {"M%c%c%cT",     "fs"}, {"M%c%c%cIM",    "mp"}, {"M%c%c%cWT",    "fp"}}},
    {"4",  {{"M%cW%c%c",     "ms"}, {"M%cW%c%cT",    "fs"}, {"M%cW%c%cIM",   "mp"}, {"M%cW%c%cWT",   "fp"}}},
    {"5a", {{"M%s%c",        "ms"}, {"M%sI%cE",      "fs"}, {"M%sI%cIM",     "mp"}, {"M%sI%cWT",     "fp"}}},
    {"5b", {{"M%sE",         "ms"}, {"M%sE",         "fs"}, {"M%sIM",        "mp"}, {"M%sWT",        "fp"}}},
    {"5c", {{"M%sI%c",       "ms"}, {"M%sI%cE",      "fs"}, {"M%sI%cIM",     "mp"}, {"M%sI%cWT",     "fp"}}},
    {"6",  {{"MW%s",         "ms"}, {"MW%sT",        "fs"}, {"MW%sIM",       "mp"}, {"MW%sWT",       "fp"}}},
    {"7a", {{"M%s%s",        "ms"}, {"M%sIT",        "fs"}, {"M%sIM",        "mp"}, {"M%sWT",        "fp"}}},
    {"7b", {{"M%s",          "ms"}, {"M%sT",         "fs"}, {"M%sIM",        "mp"}, {"M%sWT",        "fp"}}},
};
// clang-format on

// The person code for `tegenw`: "s" for {s}, {ms} and {fs}, "p" for {mp}
// and {fp}.
std::string_view personCode(std::string_view tag) { return tag.ends_with('p') ? "p" : "s"; }

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
      return chooseClass7Row(r);
    default:
      // Only for the compiler: writeParadigm passes classes 1 to 7 alone
      // (isKnownClass). A direct call with another number writes nothing.
      return std::nullopt;
  }
}

}  // namespace

void writeParticiples(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseParticipleRow(root);
  if (!choice) return;
  for (const FormSlot& form : findRow(kParticipleRows, choice->row).forms) {
    if (form.pattern.empty()) break;
    emitForm(sink, Block::Participle, form.tag, form.pattern, choice->args,
             woord.tegenw(personCode(form.tag)));
  }
}

}  // namespace morfenaar
