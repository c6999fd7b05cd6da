// What a pointed row of the imperative and infinitive cannot know before
// its letters are filled in: the rules of the letters themselves, applied
// to the pattern before it is vocalised.
#pragma once

#include <string>
#include <string_view>

#include "hebrew/pattern.h"

namespace morfenaar::pointed {

// `pattern` as the letters `args` make it:
//   - a guttural or R takes no dagesh forte: before A and R the vowel of
//     the letter before it is lengthened (patah to qamats, hiriq to tsere:
//     בָּרֵךְ, הֵרָאֵה); before E, H and O hiriq becomes tsere (הֵעָזֵר,
//     מֵחוּץ) and patah stays (שַׂחֵק), and a shva under that letter is
//     said, as the hataf patah (שַׂחֲקִי);
//   - a last radical A before the N of the -na ending is silent and has no
//     shva, and the vowel before it is segol (קְרֶאנָה, הַמְצֶאנָה) unless
//     it is holam (בֹּאנָה).
std::string soundRules(std::string_view pattern, PatternArgs args);

// `pattern` of class `klasse` as its letters `args` make it:
//   - a guttural first radical after the prefix of the nif'al and hif'il
//     past and of every huf'al form takes a hataf, the prefix segol or a
//     qamats qatan (נֶעֱזַב, הֶאֱמִין, הָעֳבַר, יָעֳבַר, מָעֳבָר), het only in
//     the nif'al and hif'il (נֶחְשַׁב; הֻחְלַט keeps its qubuts);
//   - in the hitpa'el, the T of the stem before a first radical tet or tav
//     is assimilated, the radical doubled (הִטַּהֵר, הִתַּמֵּם, not הִתְטַהֵר);
//   - in the hif'il, a first radical yod (of a root that began with yod:
//     היטיב, הימין) is a vowel letter after the prefix's tsere (הֵיטִיב,
//     מֵיטִיב, not הִיְטִיב).
// Any other pattern as it is.
std::string classLetterRules(int klasse, std::string_view pattern, PatternArgs args);

}  // namespace morfenaar::pointed
