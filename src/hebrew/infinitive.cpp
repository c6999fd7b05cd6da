#include "hebrew/infinitive.h"

#include <optional>

#include "hebrew/record.h"
#include "hebrew/shared_rows.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// Each record with what its Dutch text puts before the infinitive: nothing
// for the L-shape, "om " for the M-shape.
struct InfinitiveForm {
  std::string_view pattern;
  std::string_view dutchBefore;
};

struct InfinitiveRow {
  std::string_view name;
  InfinitiveForm forms[4];
};

// clang-format off
constexpr InfinitiveRow kInfinitiveRows[] = {
    {"1a", {{"L%c%c%c",  ""}, {"M%c%c%c",  "om "}}},
    {"1b", {{"L%cT",     ""}, {"M%cT",     "om "}}},
    {"1c", {{"L%c%cWT",  ""}, {"M%c%cWT",  "om "}}},
    {"1d", {{"L%c%c%c",  ""}, {"M%c%c%c",  "om "}}},
    {"1e", {{"L%c%cT",   ""}, {"M%c%cT",   "om "}}},
    {"1f", {{"L%c%cW%c", ""}, {"L%c%c%c",  ""}, {"M%c%cW%c", "om "}, {"M%c%c%c",  "om "}}},
    {"1g", {{"L%c%cW%c", ""}, {"M%c%cW%c", "om "}}},
    {"2a", {{"LEIN%s",   ""}, {"MEIN%s",   "om "}}},
    {"2b", {{"LEIW%s",   ""}, {"MEIW%s",   "om "}}},
    {"2c", {{"LEI%s",    ""}, {"MEI%s",    "om "}}},
    {"3",  {{"L%c%c%c",  ""}, {"M%c%c%c",  "om "}}},
    {"5a", {{"LE%s%c",   ""}, {"ME%s%c",   "om "}, {"LE%sI%c",  ""}, {"ME%sI%c",  "om "}}},
    {"5b", {{"LE%sWT",   ""}, {"ME%sWT",   "om "}}},
    {"5c", {{"LE%sI%c",  ""}, {"ME%sI%c",  "om "}}},
    {"7a", {{"LE%s%s",   ""}, {"ME%s%s",   "om "}}},
    {"7b", {{"LET%s%s",  ""}, {"MET%s%s",  "om "}}},
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

void writeInfinitive(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseInfinitiveRow(root);
  if (!choice) return;
  const std::string& onbep = woord.onbep();
  for (const InfinitiveForm& form : findRow(kInfinitiveRows, choice->row).forms) {
    if (form.pattern.empty()) break;
    std::string dutch = std::string(form.dutchBefore) + onbep;
    emitForm(sink, Block::Infinitive, "", form.pattern, choice->args, dutch);
  }
}

}  // namespace morfenaar
