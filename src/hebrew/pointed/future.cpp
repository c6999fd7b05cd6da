// Future with vowel points: one row per class and weak-root case.
#include <optional>

#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/rows.h"

namespace morfenaar::pointed {

namespace {

// clang-format off
constexpr Row kRows[] = {
    // row  1s          2sm         2sf          3sm         3sf         1p          2pm          2pf              3pm          3pf
    {"1",  {"Ae1:2o3",  "Ti1:2o3",  "Ti1:2:3iI", "Ii1:2o3",  "Ti1:2o3",  "Ni1:2o3",  "Ti1:2:3W.", "Ti1:2'o3:NqE",  "Ii1:2:3W.", "Ti1:2'o3:NqE"}},
};
// clang-format on

std::optional<RowChoice> chooseRow(const AnalysedRoot& r) {
  if (r.klasse == 1) return RowChoice{"1", {r.rad1, r.rad2, r.rad3}};
  return std::nullopt;
}

}  // namespace

void writeFuture(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                 const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseRow(root);
  if (!choice) return;
  writeRow(
      Block::Future, kFutureSlots, findRow(kRows, choice->row), choice->args, s,
      [&](std::string_view code) -> const std::string& { return woord.toek(code); }, sink);
}

}  // namespace morfenaar::pointed
