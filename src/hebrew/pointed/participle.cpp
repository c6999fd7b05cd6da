// Participles with vowel points: one row per class and weak-root case.
#include <optional>

#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/rows.h"

namespace morfenaar::pointed {

namespace {

// clang-format off
constexpr Row kRows[] = {
    // row  sm         sf            pm            pf
    {"1",  {"1Wo2y3",  "1Wo2'e3eT",  "1Wo2:3iIM",  "1Wo2:3WoT"}},
};
// clang-format on

std::optional<RowChoice> chooseRow(const AnalysedRoot& r) {
  if (r.klasse == 1) return RowChoice{"1", {r.rad1, r.rad2, r.rad3}};
  return std::nullopt;
}

}  // namespace

void writeParticiples(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                      const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseRow(root);
  if (!choice) return;
  writeRow(
      Block::Participle, kParticipleSlots, findRow(kRows, choice->row), choice->args, s,
      [&](std::string_view code) -> const std::string& { return woord.tegenw(code); }, sink);
}

}  // namespace morfenaar::pointed
