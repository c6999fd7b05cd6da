// Imperative with vowel points: one row per class and weak-root case.
#include <optional>

#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/rows.h"

namespace morfenaar::pointed {

namespace {

// clang-format off
constexpr Row kRows[] = {
    // row  2sm       2sf          2pm          2pf
    {"1",  {"1:2o3",  "1i2:3_iI",  "1i2:3_W.",  "1:2'o3:NqE"}},
};
// clang-format on

std::optional<RowChoice> chooseRow(const AnalysedRoot& r) {
  if (r.klasse == 1) return RowChoice{"1", {r.rad1, r.rad2, r.rad3}};
  return std::nullopt;
}

}  // namespace

void writeImperative(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                     const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseRow(root);
  if (!choice) return;
  writeRow(
      Block::Imperative, kImperativeSlots, findRow(kRows, choice->row), choice->args, s,
      [&](std::string_view code) -> const std::string& { return woord.geb(code); }, sink);
}

}  // namespace morfenaar::pointed
