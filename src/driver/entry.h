// The per-verb driver: for one verb entry it parses the Dutch gloss, refuses
// the entry with a warning when the gloss is not usable, writes the verb's
// Dutch forms to the log, and writes the entry's paradigm (hebrew/paradigm.h),
// or a warning for a root that is too short, holds a byte outside its
// alphabet or lacks the letters its class writes before the radicals.
#pragma once

#include <string>

#include "driver/reader.h"
#include "support/rules.h"

namespace morfenaar {

enum class EntryStatus {
  Done,   // the entry was handled (written, refused or skipped)
  Fatal,  // the gloss lacks "(", "," or ")": the run ends with status 1
};

// Handles `entry`: records go to `out`, messages for standard error to
// `diagnostics`, Dutch forms to the log. `rules` makes the Hebrew forms.
EntryStatus processEntry(const Entry& entry, std::string& out, std::string& diagnostics,
                         Rules rules = Rules::Default);

}  // namespace morfenaar
