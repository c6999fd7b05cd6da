// Infinitive with vowel points: one row per class and weak-root case, each
// with its two shapes, with L (the Dutch infinitive) and with M ("om "
// before it); none for classes 4 and 6.
#include <optional>
#include <string>

#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/rows.h"

namespace morfenaar::pointed {

namespace {

// clang-format off
constexpr Row kRows[] = {
    // row  L-shape      M-shape
    {"1",  {"Li1:2o3",  "Mi1.:2o3"}},
};
// clang-format on

std::optional<RowChoice> chooseRow(const AnalysedRoot& r) {
  if (r.klasse == 1) return RowChoice{"1", {r.rad1, r.rad2, r.rad3}};
  return std::nullopt;
}

}  // namespace

void writeInfinitive(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                     const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseRow(root);
  if (!choice) return;
  const Row& row = findRow(kRows, choice->row);
  const std::string& onbep = woord.onbep();
  const PointedForm l = vocalise(row.forms[0], choice->args, s);
  sink(Record{Block::Infinitive, "", l.hebrew, onbep, l.uitspraak});
  const PointedForm m = vocalise(row.forms[1], choice->args, s);
  sink(Record{Block::Infinitive, "", m.hebrew, "om " + onbep, m.uitspraak});
}

}  // namespace morfenaar::pointed
