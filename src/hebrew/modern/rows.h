// What the generators of the modern rules (--modern) share: the person
// slots of each block with their tags and Dutch person codes, the row type
// of their tables, the one writer of a row, and the tests on the analysed
// root that several blocks make.
//
// The modern rules write every slot of a block exactly once, under a tag
// of person, number and gender in that order ({2sm} is the 2nd person
// masculine singular in every tense), in the full spelling of modern texts.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "dutch/woord.h"
#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar::modern {

// A slot of a block: its tag and the person code of its Dutch text.
struct Slot {
  std::string_view tag;
  std::string_view code;
};

// clang-format off
inline constexpr Slot kPastSlots[] = {
    {"1s", "1s"}, {"2sm", "2s"}, {"2sf", "2s"}, {"3sm", "3s"}, {"3sf", "3sf"},
    {"1p", "1p"}, {"2pm", "2p"}, {"2pf", "2p"}, {"3p", "3p"},
};
inline constexpr Slot kParticipleSlots[] = {
    {"sm", "s"}, {"sf", "s"}, {"pm", "p"}, {"pf", "p"},
};
inline constexpr Slot kFutureSlots[] = {
    {"1s", "1s"}, {"2sm", "2s"}, {"2sf", "2s"}, {"3sm", "3s"}, {"3sf", "3sf"},
    {"1p", "1p"}, {"2pm", "2p"}, {"2pf", "2p"}, {"3pm", "3p"}, {"3pf", "3p"},
};
inline constexpr Slot kImperativeSlots[] = {
    {"2sm", "s"}, {"2sf", "s"}, {"2pm", "p"}, {"2pf", "p"},
};
// clang-format on

inline constexpr std::size_t kMaxSlots = std::size(kFutureSlots);

// A row of a modern table: one pattern per slot of its block, in slot
// order.
struct Row {
  std::string_view name;
  std::array<std::string_view, kMaxSlots> forms;
};

// Fills the row's pattern of every slot with `args` and hands the records
// to `sink`, with the Dutch text that `dutch` gives for the slot's person
// code. A root whose last letter is N writes it once before an ending that
// begins with N: NTNW, TTQNE.
template <class Dutch>
void writeRow(Block block, std::span<const Slot> slots, const Row& row, PatternArgs args,
              const AnalysedRoot& root, Dutch dutch, const RecordSink& sink);

// The form of `pattern` filled with `args`, N merged as writeRow does.
std::string modernForm(std::string_view pattern, PatternArgs args, const AnalysedRoot& root);

// The gutturals A, E, H and O.
bool isGuttural(char letter);

// A qal future and imperative with a: the second radical is a guttural,
// the third is H or O, or the root is a stative of the list.
bool qalTakesA(const AnalysedRoot& root);

// The radicals of a class-3 or class-4 root as the forms write them: the
// first, the middle (the second radical, WW or II for a consonantal W or I;
// all inner letters of a four-letter root) and the last. A class-4 root is
// written with W after its first radical (DWBR); that W is not a radical.
struct IntensiveRoot {
  char first = '\0';
  std::string middle;
  char last = '\0';
};
IntensiveRoot intensiveRoot(const AnalysedRoot& root);

// The root from its second letter without a final E: the body of the
// final-He forms of class 2 (NBNE: BN).
std::string_view nifalFinalHeBody(const AnalysedRoot& root);

template <class Dutch>
void writeRow(Block block, std::span<const Slot> slots, const Row& row, PatternArgs args,
              const AnalysedRoot& root, Dutch dutch, const RecordSink& sink) {
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const std::string form = modernForm(row.forms[i], args, root);
    sink(Record{block, slots[i].tag, form, dutch(slots[i].code)});
  }
}

}  // namespace morfenaar::modern
