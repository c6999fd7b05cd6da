// What the pointed generators share: the row type of their tables and the
// one writer of a row. The slots, tags and Dutch person codes are those of
// the modern rules (hebrew/modern/rows.h).
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "dutch/woord.h"
#include "hebrew/modern/rows.h"
#include "hebrew/pointed/sound_rules.h"
#include "hebrew/pointed/vocalise.h"
#include "hebrew/record.h"

namespace morfenaar::pointed {

using modern::kFutureSlots;
using modern::kImperativeSlots;
using modern::kParticipleSlots;
using modern::kPastSlots;
using modern::Slot;

// A last H or O: the gutturals that take a patah, before them (furtive,
// שׁוֹמֵעַ) or instead of another vowel (שְׁלַח, פּוֹתַחַת).
inline bool isHetOrAyin(char letter) { return letter == 'H' || letter == 'O'; }

// R and alef: not doubled, and the vowel before is lengthened instead
// (מְבָרֵךְ, הִתְגָּרֵשׁ). E, H and O are doubled in the tables; the dagesh is
// left out by rule and the vowel before stays short (מְנַהֵל).
inline bool refusesDoubling(char letter) { return letter == 'R' || letter == 'A'; }

// A row of a pointed table: one pointed pattern (hebrew/pointed/vocalise.h)
// per slot of its block, in slot order.
struct Row {
  std::string_view name;
  std::array<std::string_view, modern::kMaxSlots> forms;
};

// A pattern as classLetterRules leaves it.
struct AsWritten {
  std::string operator()(std::string pattern, std::size_t /*slot*/) const { return pattern; }
};

// Makes the form of every slot of `row` with the letters `args` and hands
// its record to `sink`, with the Dutch text that `dutch` gives for the
// slot's person code. Each pattern goes through the letter rules of class
// `klasse` (classLetterRules), then through `adjust`, which gives the
// pattern of the slot (by its index) as the block's own rules change it.
template <class Dutch, class Adjust = AsWritten>
void writeRow(Block block, std::span<const Slot> slots, const Row& row, int klasse,
              PatternArgs args, const SLetters& s, Dutch dutch, const RecordSink& sink,
              Adjust adjust = {}) {
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const std::string pattern = adjust(classLetterRules(klasse, row.forms[i], args), i);
    const PointedForm form = vocalise(pattern, args, s);
    sink(Record{block, slots[i].tag, form.hebrew, dutch(slots[i].code), form.uitspraak});
  }
}

}  // namespace morfenaar::pointed
