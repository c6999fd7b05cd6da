// The letters of a root as the pointed imperative and infinitive rows use
// them, and what their row choice shares: the consonants of the root, the
// test of a pi'el root of the כּוֹנֵן type, and the row of a hif'il root
// (the rows of both tables that begin with 5).
#pragma once

#include <string_view>

#include "hebrew/pattern.h"
#include "hebrew/root.h"

namespace morfenaar::pointed {

// The consonants of a root in order, without the letters that only carry a
// vowel: the radicals of classes 1 to 3 (a four-letter pi'el root has four),
// of class 2 without its N (ניצל: N C L, its yod written for the hiriq), of
// class 5 without its he and its yod (EKTIB: K T B), of class 7 the stem
// after the he, its T first or the sibilant that changed places with it
// (ETLBS: T L B S, ESTMS: S T M S, ETBLBL: T B L B L).
PatternValues rootLetters(const AnalysedRoot& r);

// A four-letter pi'el root of a hollow root with its last radical twice:
// K W N N (כּוֹנֵן).
bool isPolel(PatternArgs letters);

// The row of a hif'il root: 5, 5-G (A or O first), 5-w (W first), 5-e,
// 5-e1, 5-we (He last), 5-gem (geminate), 5-h (hollow) or 5-n (N first
// assimilated).
std::string_view hifilCase(const AnalysedRoot& r);

}  // namespace morfenaar::pointed
