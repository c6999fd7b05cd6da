#include "hebrew/future.h"

#include <array>
#include <optional>

#include "hebrew/record.h"
#include "hebrew/shared_rows.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// The forms of one entry: the nine person slots in table order, then the
// alternative 3sm and 3sf forms.
// clang-format off
enum Slot : std::size_t { k1s, k2sm, k2sf, k3sm, k3sf, k1p, k2p, k2pf, k3p, kAlt3sm, kAlt3sf };
// clang-format on

struct FutureRow {
  std::string_view name;
  // 1s 2sm 2sf 3sm 3sf 1p 2p 2pf 3p; "" leaves the slot empty
  std::array<std::string_view, 9> forms;
};

// clang-format off
constexpr FutureRow kFutureRows[] = {
    // row   1s            2sm           2sf           3sm           3sf           1p            2p             2pf             3p
    {"1a", {"A%c%c",      "T%c%c",      "T%c%cI",     "I%c%c",      "T%c%c",      "N%c%c",      "T%c%cW",      "",             "I%c%cW"}},
    {"1b", {"A%cA",       "T%cA",       "T%cAI",      "I%cA",       "T%cA",       "N%cA",       "T%cAW",       "",             "I%cAW"}},
    {"1c", {"A%c%cE",     "T%c%cE",     "T%c%cI",     "I%c%cE",     "T%c%cE",     "N%c%cE",     "T%c%cW",      "T%cW%cNE",     "I%c%cW"}},
    {"1d", {"A%cW%c",     "T%cW%c",     "T%c%cI",     "I%cW%c",     "T%cW%c",     "N%cW%c",     "T%c%cW",      "T%cW%cNE",     "I%c%cW"}},
    {"1e", {"A%c%cE",     "T%c%cE",     "T%c%cI",     "I%c%cE",     "T%c%cE",     "N%c%cE",     "T%c%cW",      "T%c%cINE",     "I%c%cW"}},
    {"1f", {"A%c%c%c",    "T%c%c%c",    "T%c%c%cI",   "I%c%c%c",    "T%c%c%c",    "N%c%c%c",    "T%c%c%cW",    "T%c%c%cINE",   "I%c%c%cW"}},
    {"1g", {"A%cW%cE",    "TI%cW%c",    "TI%cW%cI",   "II%cW%c",    "TI%cW%c",    "NI%cW%c",    "TI%cW%cW",    "T%cW%cINE",    "II%cW%cW"}},
    {"1h", {"A%s",        "T%s",        "T%sI",       "I%s",        "T%s",        "N%s",        "T%sW",        "T%sNE",        "I%sW"}},
    {"1i", {"A%c%c",      "T%c%c",      "T%c%cI",     "II%c%c",     "T%c%c",      "N%c%c",      "T%c%cW",      "T%c%cNE",      "II%c%cW"}},
    {"1j", {"A%c%cA",     "T%c%cA",     "T%c%cAI",    "I%c%cA",     "T%c%cA",     "N%c%cA",     "T%c%cAW",     "T%c%cANE",     "I%c%cAW"}},
    {"1k", {"A%c%c",      "TA%c%c",     "TA%c%cI",    "IA%c%c",     "TA%c%c",     "NA%c%c",     "TA%c%cW",     "TA%c%cNE",     "IA%c%cW"}},
    {"1l", {"A%c%c%c",    "T%c%c%c",    "T%c%c%cI",   "I%c%c%c",    "T%c%c%c",    "N%c%c%c",    "T%c%c%cW",    "T%c%c%cNE",    "I%c%c%cW"}},
    {"1m", {"A%c%c%c",    "T%c%c%c",    "T%c%c%cI",   "I%c%c%c",    "T%c%c%c",    "N%c%c%c",    "T%c%c%cW",    "T%c%c%cNE",    "I%c%c%cW"}},
    {"1n", {"A%c%cW%c",   "T%c%cW%c",   "T%c%c%cI",   "I%c%cW%c",   "T%c%cW%c",   "N%c%cW%c",   "T%c%c%cW",    "T%c%cW%cNE",   "I%c%c%cW"}},
    {"2a", {"AIW%s",      "TIW%s",      "TIW%sI",     "IIW%s",      "TIW%s",      "NIW%s",      "TIW%sW",      "TIW%sNE",      "IIW%sW"}},
    {"2b", {"AN%s",       "TIN%s",      "TIN%sI",     "IIN%s",      "TIN%s",      "NIN%s",      "TIN%sW",      "TIN%sNE",      "IIN%sW"}},
    {"2c", {"A%s",        "TI%s",       "TI%sI",      "II%s",       "TI%s",       "NI%s",       "TI%sW",       "TI%sNE",       "II%sW"}},
    {"3a", {"A%c%cE",     "T%c%cE",     "T%c%cI",     "I%c%cE",     "T%c%cE",     "N%c%cE",     "T%c%cW",      "T%c%cINE",     "I%c%cW"}},
    {"3b", {"A%c%s%c%c",  "T%c%s%c%c",  "T%c%s%c%cI", "I%c%s%c%c",  "T%c%s%c%c",  "N%c%s%c%c",  "T%c%s%c%cW",  "T%c%s%c%cNE",  "I%c%s%c%cW"}},
    {"5a", {"A%s%c",      "T%s%c",      "T%s%cI",     "I%s%c",      "T%s%c",      "N%s%c",      "T%s%cW",      "T%s%cNE",      "I%s%cW"}},
    {"5b", {"A%s%c",      "T%s%c",      "T%sI",       "I%s%c",      "T%s%c",      "N%s%c",      "T%sW",        "T%sINE",       "I%sW"}},
    {"5c", {"A%sI%c",     "T%sI%c",     "T%sI%cI",    "I%sI%c",     "T%sI%c",     "N%sI%c",     "T%sI%cW",     "T%sI%cNE",     "I%sI%cW"}},
    {"6",  {"AW%s",       "TW%s",       "TW%sI",      "IW%s",       "TW%s",       "NW%s",       "TW%sW",       "TW%sNE",       "IW%sW"}},
    {"7a", {"A%s%s",      "T%s%s",      "T%sI",       "I%s%s",      "T%s%s",      "N%s%s",      "T%sW",        "T%sINE",       "I%sW"}},
    {"7b", {"A%s",        "T%s",        "T%sI",       "I%s",        "T%s",        "N%s",        "T%sW",        "T%sNE",        "I%sW"}},
};
// clang-format on

struct AlternativeRow {
  std::string_view name;
  std::string_view alt3sm;
  std::string_view alt3sf;
};

// clang-format off
constexpr AlternativeRow kAlternativeRows[] = {
    {"1e", "I%c%c", "T%c%c"},
    {"1f", "I%c%c", "T%c%c"},
    {"1n", "I%c%c%c", "T%c%c%c"},
    {"3a", "I%c%c", "T%c%c"},
    {"5b", "I%s", "T%s"},
};
// clang-format on

// Output order: each slot with its tag and the person code for `ovt` and
// `toek`. 3sf comes before 2sf and 3sm; the tag of 2p is {2p}. The
// alternatives and 2pf are written only where the row fills them.
enum class Presence { Always, WhereFilled };

struct OutputSlot {
  Slot slot;
  std::string_view tag;
  std::string_view code;
  Presence presence = Presence::Always;
};

// clang-format off
constexpr OutputSlot kOutputOrder[] = {
    {k1s,     "1s",  "1s"},
    {k2sm,    "2sm", "2s"},
    {k3sf,    "3sf", "3sf"},
    {k2sf,    "2sf", "2s"},
    {k3sm,    "3sm", "3s"},
    {kAlt3sm, "3sm", "3s",  Presence::WhereFilled},
    {kAlt3sf, "3sf", "3sf", Presence::WhereFilled},
    {k1p,     "1p",  "1p"},
    {k2p,     "2p",  "2p"},
    {k2pf,    "2pf", "2p",  Presence::WhereFilled},
    {k3p,     "3p",  "3p"},
};
// clang-format on

// The pattern of `slot` in `row`: a cell of kFutureRows, or of
// kAlternativeRows for the alternative forms ("" where the row has none).
std::string_view formPattern(const FutureRow& row, Slot slot) {
  if (slot < kAlt3sm) return row.forms[slot];
  for (const AlternativeRow& alt : kAlternativeRows) {
    if (alt.name == row.name) return slot == kAlt3sm ? alt.alt3sm : alt.alt3sf;
  }
  return "";
}

struct FutureChoice {
  RowChoice row;
  // Values for the alternative forms; empty when the entry has none.
  PatternValues alternativeArgs;
};

// Row 1n fills its alternative forms only for roots that begin with one of
// these letters, or whose second letter is one of the wider set.
bool takesAlternatives1n(std::string_view root) {
  return (!root.empty() && indexOf("BEHKMOP", root[0]) >= 0) ||
         (root.size() > 1 && indexOf("BEHKMOPDC", root[1]) >= 0);
}

FutureChoice chooseClass1(const AnalysedRoot& r) {
  const PatternValues r12{r.rad1, r.rad2};
  const PatternValues r23{r.rad2, r.rad3};
  const PatternValues r123{r.rad1, r.rad2, r.rad3};
  if (r.root == "LQH" || r.root == "ELK") return {{"1a", r23}, {}};
  if (r.root == "NSA" || r.root == kRootUitgaan) return {{"1b", {r.rad2}}, {}};
  if (r.nunNun) return {{"1c", r23}, {}};
  if (r.r1IsN) return {{"1d", r23}, {}};
  if (r.r3IsE) return {{"1e", r12}, r12};
  if (r.r2IsW || r.r2IsI) return {{"1f", r123}, {r.rad1, r.rad3}};
  if (r.r2EqR3) return {{"1g", r12}, {}};
  if (r.r1IsI && r.r3IsA) return {{"1h", {r.root}}, {}};
  if (r.r1IsI) return {{"1i", r23}, {}};
  if (r.r3IsA) return {{"1j", r12}, {}};
  if (r.r1IsA) return {{"1k", r23}, {}};
  if (r.r2IsA) return {{"1l", r123}, {}};
  if (endsWith(r.root, "O") || endsWith(r.root, "ZB")) return {{"1m", r123}, {}};
  if (takesAlternatives1n(r.root)) return {{"1n", r123}, r123};
  return {{"1n", r123}, {}};
}

std::optional<FutureChoice> chooseFutureRow(const AnalysedRoot& r) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      if (r.rad1 == 'W') return FutureChoice{{"2a", {rootFrom(r.root, 1)}}, {}};
      if (r.rad1 == 'I') return FutureChoice{{"2b", {rootFrom(r.root, 2)}}, {}};
      return FutureChoice{{"2c", {rootFrom(r.root, 1)}}, {}};
    case 3:
      if (r.rad3 == 'E') return FutureChoice{{"3a", {r.rad1, r.rad2}}, {r.rad1, r.rad2}};
      return FutureChoice{{"3b", {r.rad1, "", r.rad2, r.rad3}}, {}};
    case 4:  // the infix W; class 4 has no final-He row
      return FutureChoice{{"3b", {r.rad1, "W", r.rad2, r.rad3}}, {}};
    case 5:
      if (r.variant == kVariantThreeLetters) return FutureChoice{{"5a", {r.stem, r.rad3}}, {}};
      // 2sf, 2p, 2pf and 3p take only the stem.
      if (r.variant == kVariantFinalE) return FutureChoice{{"5b", {r.stem, r.rad3}}, {r.stem}};
      return FutureChoice{{"5c", {r.stem, r.rad3}}, {}};
    case 6:
      return FutureChoice{{"6", {rootFrom(r.root, 2)}}, {}};
    case 7:
      // 2sf, 2p, 2pf and 3p of 7a take only stem7.
      return FutureChoice{chooseClass7Row(r), {}};
    default:
      // Only for the compiler: writeParadigm passes classes 1 to 7 alone
      // (isKnownClass). A direct call with another number writes nothing.
      return std::nullopt;
  }
}

}  // namespace

void writeFuture(const AnalysedRoot& root, const Woord& woord, const RecordSink& sink) {
  std::optional<FutureChoice> choice = chooseFutureRow(root);
  if (!choice) return;
  const FutureRow& row = findRow(kFutureRows, choice->row.row);
  for (const OutputSlot& slot : kOutputOrder) {
    const bool alternative = slot.slot >= kAlt3sm;
    if (alternative && choice->alternativeArgs.empty()) continue;
    const std::string_view pattern = formPattern(row, slot.slot);
    if (slot.presence == Presence::WhereFilled && pattern.empty()) continue;
    const std::string form =
        formatForm(pattern, alternative ? choice->alternativeArgs : choice->row.args);
    sink(Record{Block::Future, slot.tag, form, woord.ovt(slot.code)});
    sink(Record{Block::Future, slot.tag, form, woord.toek(slot.code)});
  }
}

}  // namespace morfenaar
