// Past tense with vowel points: one row per class and weak-root case.
#include <optional>

#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/rows.h"

namespace morfenaar::pointed {

namespace {

// clang-format off
constexpr Row kRows[] = {
    // row  1s             2sm            2sf           3sm       3sf        1p              2pm          2pf          3p
    {"1",  {"1q2'a3:TiI",    "1q2'a3:Tq",   "1q2'a3:T:",  "1q2a3",  "1q2:3qE", "1q2'a3:NW.",   "1:2a3:TeM", "1:2a3:TeN", "1q2:3W."}},
};
// clang-format on

std::optional<RowChoice> chooseRow(const AnalysedRoot& r) {
  if (r.klasse == 1) return RowChoice{"1", {r.rad1, r.rad2, r.rad3}};
  return std::nullopt;
}

}  // namespace

void writePast(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
               const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseRow(root);
  if (!choice) return;
  writeRow(
      Block::Past, kPastSlots, findRow(kRows, choice->row), choice->args, s,
      [&](std::string_view code) -> const std::string& { return woord.perf(code); }, sink);
}

}  // namespace morfenaar::pointed
