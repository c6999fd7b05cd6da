// The Dutch strong and irregular verbs: every verb whose simple past is not
// made with -de or -te, or whose plural does not follow from the singular,
// with both numbers of its simple past. The class is closed; a compound
// (aankomen, verslaan, overkomen, begrijpen) conjugates as the verb it ends
// in and has no row of its own unless its own simple past differs.
//
// The modern plural of the simple past looks a singular up here; see
// modernMeervoud() in tables.h.
#pragma once

#include <span>
#include <string_view>

namespace morfenaar {

struct SterkWerkwoord {
  std::string_view onbWijs;      // infinitive: "vinden"
  std::string_view ovtEnkel;     // simple past singular: "vond"
  std::string_view ovtMeervoud;  // simple past plural: "vonden"
};

// All rows, sorted by infinitive.
std::span<const SterkWerkwoord> sterkeWerkwoorden();

// The row whose simple-past singular is the longest ending of `ovt` (vond,
// versloeg -> sloeg, ontving -> ving); null when no row's singular ends it.
const SterkWerkwoord* sterkWerkwoordBijOvt(std::string_view ovt);

}  // namespace morfenaar
