#include "hebrew/imperative.h"

#include <optional>

#include "hebrew/record.h"
#include "hebrew/shared_rows.h"

namespace morfenaar {

namespace {

// The forms of each row with their tags. Rows 1a and 1c have no 2fp form.
// clang-format off
constexpr FormRow kImperativeRows[] = {
    {"1a", {{"%c%c",         "2ms"}, {"%c%cI",        "2fs"}, {"%c%cW",        "2mp"}}},
    {"1b", {{"%c%c",         "2ms"}, {"%c%cI",        "2fs"}, {"%c%cW",        "2mp"}, {"%c%cNE",       "2fp"}}},
    {"1c", {{"%c%cE",        "2ms"}, {"%c%cI",        "2fs"}, {"%c%cW",        "2mp"}}},
    {"1d", {{"E%cE",         "2ms"}, {"E%cI",         "2fs"}, {"E%cW",         "2mp"}, {"E%cINE",       "2fp"}}},
    {"1e", {{"%c%cE",        "2ms"}, {"%c%cI",        "2fs"}, {"%c%cW",        "2mp"}, {"%c%cINE",      "2fp"}}},
    {"1f", {{"%c%c%c",       "2ms"}, {"%c%c%cI",      "2fs"}, {"%c%c%cW",      "2mp"}, {"%c%c%cNE",     "2fp"}}},
    {"1g", {{"%c%c",         "2ms"}, {"%c%cI",        "2fs"}, {"%c%cW",        "2mp"}, {"%c%cNE",       "2fp"}}},
    {"1h", {{"%c%cW%c",      "2ms"}, {"%c%c%cI",      "2fs"}, {"%c%c%cW",      "2mp"}, {"%c%cW%cNE",    "2fp"}}},
    {"2a", {{"EIW%s",        "2ms"}, {"EIW%sI",       "2fs"}, {"EIW%sW",       "2mp"}, {"EIW%sNE",      "2fp"}}},
    {"2b", {{"EIN%s",        "2ms"}, {"EIN%sI",       "2fs"}, {"EIN%sW",       "2mp"}, {"EIN%sNE",      "2fp"}}},
    {"2c", {{"EI%s",         "2ms"}, {"EI%sI",        "2fs"}, {"EI%sW",        "2mp"}, {"EI%sNE",       "2fp"}}},
    {"3",  {{"%c%c%c",       "2ms"}, {"%c%c%cI",      "2fs"}, {"%c%c%cW",      "2mp"}, {"%c%c%cNE",     "2fp"}}},
    {"5a", {{"E%s%c",        "2ms"}, {"E%s%cI",       "2fs"}, {"E%s%cW",       "2mp"}, {"E%s%cNE",      "2fp"}}},
    {"5b", {{"E%sE",         "2ms"}, {"E%sI",         "2fs"}, {"E%sW",         "2mp"}, {"E%sINE",       "2fp"}}},
    {"5c", {{"E%s%c",        "2ms"}, {"E%sI%cI",      "2fs"}, {"E%sI%cW",      "2mp"}, {"E%s%cNE",      "2fp"}}},
    {"7a", {{"E%s%s",        "2ms"}, {"E%sI",         "2fs"}, {"E%sW",         "2mp"}, {"E%sINE",       "2fp"}}},
    {"7b", {{"E%s",          "2ms"}, {"E%sI",         "2fs"}, {"E%sW",         "2mp"}, {"E%sNE",        "2fp"}}},
};
// clang-format on

// The person code for `geb`: "s" for {2ms} and {2fs}, "p" for {2mp} and
// {2fp}.
std::string_view personCode(std::string_view tag) { return tag.ends_with('p') ? "p" : "s"; }

RowChoice chooseClass1(const AnalysedRoot& r) {
  if (r.root == "LQH" || r.root == "NSA" || r.root == kRootUitgaan) return {"1a", {r.rad2, r.rad3}};
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
      return chooseClass7Row(r);
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

void writeImperative(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseImperativeRow(root);
  if (!choice) return;
  for (const FormSlot& form : findRow(kImperativeRows, choice->row).forms) {
    if (form.pattern.empty()) break;
    emitForm(sink, Block::Imperative, form.tag, form.pattern, choice->args,
             woord.geb(personCode(form.tag)));
  }
}

}  // namespace morfenaar
