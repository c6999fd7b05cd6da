// A record kept until its verb is done, for the formats that write a verb
// as a whole: a UniMorph row needs the verb's lemma, which comes after the
// first records, and a table needs all of them. Unlike a Record, it owns
// its text.
#pragma once

#include <string>
#include <vector>

#include "hebrew/record.h"

namespace morfenaar {

struct HeldRecord {
  Block block = Block::Past;
  std::string tag;
  std::string hebrew;
  std::string dutch;
};

// One verb's records, in output order.
using HeldVerb = std::vector<HeldRecord>;

}  // namespace morfenaar
