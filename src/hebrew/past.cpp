#include "hebrew/past.h"

#include <array>
#include <optional>

#include "hebrew/record.h"
#include "hebrew/shared_rows.h"

namespace morfenaar {

namespace {

constexpr std::size_t kSlots = 8;

struct PastRow {
  std::string_view name;
  std::array<std::string_view, kSlots> forms;  // 1s 2s 3s 3sf 1p 2pm 2pf 3p
};

// Where a form is the root as is, the pattern is "%s" and the row's only
// argument is the root.
// clang-format off
constexpr PastRow kPastRows[] = {
    // row   1s             2s            3s           3sf           1p             2pm            2pf            3p
    {"1a", {"%c%cTI",      "%c%cT",      "%c%c",      "%c%cT",      "%c%cNW",      "%c%cTM",      "%c%cTN",      "%c%cW"}},
    {"1b", {"%c%cITI",     "%c%cIT",     "%c%cE",     "%c%cTE",     "%c%cINW",     "%c%cITM",     "%c%cITN",     "%c%cW"}},
    {"1c", {"%c%cTI",      "%c%cT",      "%c%c",      "%c%cE",      "%c%cNW",      "%c%cTM",      "%c%cTN",      "%c%cW"}},
    {"1d", {"%c%cTI",      "%c%cT",      "%c%c%c",    "%c%c%cE",    "%c%c%cNW",    "%c%c%cTM",    "%c%c%cTN",    "%c%c%cW"}},
    {"1e", {"%sTI",        "%sT",        "%s",        "%sE",        "%sNW",        "%sTM",        "%sTN",        "%sW"}},
    {"2a", {"%sWTI",       "%sWT",       "%s",        "%sE",        "%sWNW",       "%sWTM",       "%sWTN",       "%sW"}},
    {"2b", {"%sITI",       "%sIT",       "%sE",       "%sTE",       "%sINW",       "%sITM",       "%sITN",       "%sW"}},
    {"2c", {"N%sTI",       "N%sT",       "N%s",       "N%sE",       "N%sNW",       "N%sTM",       "N%sTN",       "N%sW"}},
    {"3a", {"%c%s%cITI",   "%c%s%cIT",   "%c%s%cE",   "%c%s%cTE",   "%c%s%cINW",   "%c%s%cITM",   "%c%s%cITN",   "%c%s%cW"}},
    {"3b", {"%c%s%c%cTI",  "%c%s%c%cT",  "%c%s%c%c",  "%c%s%c%cE",  "%c%s%c%cNW",  "%c%s%c%cTM",  "%c%s%c%cTN",  "%c%s%c%cW"}},
    {"5a", {"E%sI%cWTI",   "E%sI%cWT",   "E%s%c",     "E%s%cE",     "E%sI%cWNW",   "E%sI%cWTM",   "E%sI%cWTN",   "E%s%cW"}},
    {"5b", {"E%sITI",      "E%sIT",      "E%sE",      "E%sTE",      "E%sINW",      "E%sITM",      "E%sITN",      "E%sW"}},
    {"5c", {"E%s%cTI",     "E%s%cT",     "E%sI%c",    "E%sI%cE",    "E%s%cNW",     "E%s%cTM",     "E%s%cTN",     "E%sI%cW"}},
    {"6",  {"EW%sTI",      "EW%sT",      "EW%s",      "EW%sE",      "EW%sNW",      "EW%sTM",      "EW%sTN",      "EW%sW"}},
    {"7a", {"E%sITI",      "E%sIT",      "E%s%s",     "E%sTE",      "E%sINW",      "E%sITM",      "E%sITN",      "E%sW"}},
    {"7b", {"E%sTI",       "E%sT",       "E%s",       "E%s%s",      "E%sNW",       "E%sTM",       "E%sTN",       "E%sW"}},
};
// clang-format on

// The tag of each slot and its person code for `perf`, in output order;
// 2pm and 2pf both ask for "2p".
struct PastSlot {
  std::string_view tag;
  std::string_view code;
};
constexpr PastSlot kPastSlots[kSlots] = {
    {"1s", "1s"}, {"2s", "2s"},  {"3s", "3s"},  {"3sf", "3sf"},
    {"1p", "1p"}, {"2pm", "2p"}, {"2pf", "2p"}, {"3p", "3p"},
};

// Classes 3 and 4: the root's second letter when the root has four letters
// or more (further inner letters are not used), else nothing.
std::string_view mid(std::string_view root) {
  return root.size() >= 4 ? root.substr(1, 1) : std::string_view{};
}

RowChoice chooseClass1(const AnalysedRoot& r) {
  if (r.root == "BWA") return {"1a", {r.rad1, r.rad3}};
  if (r.r3IsE) return {"1b", {r.rad1, r.rad2}};
  if (r.r2IsW || r.r2IsI) return {"1c", {r.rad1, r.rad3}};
  // 1s and 2s take only rad1 and rad2: their patterns have two places.
  if (r.nunNun) return {"1d", {r.rad1, r.rad2, r.rad3}};
  return {"1e", {r.root}};
}

std::optional<RowChoice> choosePastRow(const AnalysedRoot& r) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      if (r.r2EqR3) return RowChoice{"2a", {r.root}};
      if (r.r3IsE) return RowChoice{"2b", {r.stem}};
      return RowChoice{"2c", {rootFrom(r.root, 1)}};
    case 3:
    case 4:
      if (r.r3IsE) return RowChoice{"3a", {r.rad1, mid(r.root), r.rad2}};
      return RowChoice{"3b", {r.rad1, mid(r.root), r.rad2, r.rad3}};
    case 5:
      return chooseClass5Row(r);
    case 6:
      return RowChoice{"6", {rootFrom(r.root, 2)}};
    case 7:
      // Only 3s of 7a and 3sf of 7b take the ending.
      return RowChoice{r.variant == kVariantFinalE ? "7a" : "7b", {r.stem7, ending7(r)}};
    default:
      // Only for the compiler: writeParadigm passes classes 1 to 7 alone
      // (isKnownClass). A direct call with another number writes nothing.
      return std::nullopt;
  }
}

}  // namespace

void writePast(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  std::optional<RowChoice> choice = choosePastRow(root);
  if (!choice) return;
  const PastRow& row = findRow(kPastRows, choice->row);
  for (std::size_t i = 0; i < kSlots; ++i) {
    const PastSlot& slot = kPastSlots[i];
    emitForm(sink, Block::Past, slot.tag, row.forms[i], choice->args, woord.perf(slot.code));
  }
}

}  // namespace morfenaar
