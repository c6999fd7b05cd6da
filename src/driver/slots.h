// What a record's block and person tag stand for, in the terms of the
// output formats beside the records: the block's Dutch name, the person
// rows of a verb's table, and the UniMorph feature sets. Both tag schemes
// are here: that of the default rules ({2s}, {ms}, {2ms}, ...) and the one
// that names person, number and gender in that order ({2sm}, {sm}, ...).
#pragma once

#include <cstdint>
#include <string_view>

#include "hebrew/record.h"

namespace morfenaar {

// The person rows of a verb's table, top to bottom.
inline constexpr int kPersonRows = 10;
inline constexpr std::string_view kPersonLabels[kPersonRows] = {
    "ik",  "jij (m.)",    "jij (v.)",    "hij",      "zij",
    "wij", "jullie (m.)", "jullie (v.)", "zij (m.)", "zij (v.)"};

struct Slot {
  Block block;
  std::string_view tag;
  std::uint16_t persons;         // bit i set: the form belongs in row kPersonLabels[i]
  std::string_view features[2];  // UniMorph feature sets; the second is often empty
};

// The slot of `tag` in `block`, or nullptr for a tag that neither rule set
// writes in that block.
const Slot* findSlot(Block block, std::string_view tag);

// The block's name in the tsv and jsonl output: "verleden", "deelwoord",
// "toekomend", "gebiedend" or "infinitief".
std::string_view blockName(Block block);

}  // namespace morfenaar
