// A record kept until its verb is done, for the formats that write a verb
// as a whole: a UniMorph row needs the verb's lemma, which comes after the
// first records, and a table needs all of them. Unlike a Record, it owns
// its text.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "hebrew/record.h"

namespace morfenaar {

struct HeldRecord {
  HeldRecord() = default;
  HeldRecord(Block block, std::string tag, std::string hebrew, std::string dutch,
             std::string uitspraak = {})
      : block(block),
        tag(std::move(tag)),
        hebrew(std::move(hebrew)),
        dutch(std::move(dutch)),
        uitspraak(std::move(uitspraak)) {}

  Block block = Block::Past;
  std::string tag;
  std::string hebrew;
  std::string dutch;
  std::string uitspraak;
};

// One verb's records, in output order.
using HeldVerb = std::vector<HeldRecord>;

}  // namespace morfenaar
