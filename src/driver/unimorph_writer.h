// The unimorph format: the three TAB-separated columns of UniMorph's data
// files, one row per form and feature set:
//
//   lemma TAB form TAB features
//
// for example "KTB\tKTBTI\tV;1;SG;PST\n". The lemma is the verb's 3rd person
// masculine singular past as the program writes it; the feature sets of
// each person tag are in driver/slots.h. A tag for both genders gives one
// row per gender; of the infinitives only the L-shape has a slot. Rows that
// would be the same row, such as the two records of a future form of the
// default rules, are written once. The text is UTF-8 (support/utf8.h).
#pragma once

#include <string>

#include "driver/held_record.h"

namespace morfenaar {

// Writes the rows of one verb's records; nothing for a verb without a 3rd
// person masculine singular past.
void writeUnimorphVerb(std::string& out, const HeldVerb& verb);

}  // namespace morfenaar
