// What the letters of a qal root do not tell: short named lists of roots
// whose modern forms (the --modern rules, hebrew/modern/) follow another
// pattern than their letters predict. Every list holds roots as the verb
// list writes them in Latin letters (a root in Hebrew letters is looked up
// by its Latin twin). The lists serve the modern rules, with and without
// points; the default rules have their own special roots.
#pragma once

#include <string_view>

namespace morfenaar {

// Qal verbs with a in the future and the imperative although no letter of
// the root asks for it (statives: ILMD, not ILMWD).
bool takesAFuture(std::string_view root);

// Qal verbs whose present is a stative participle without W (GDL, GDLE).
bool hasStativeParticiple(std::string_view root);

// I-first qal verbs of the yirash and yashan type, which keep their I in
// the future and have a there (IIRS, AISN); every other I-first verb is of
// the yeshev type (ISB, TSB).
bool keepsFirstI(std::string_view root);

// A-first qal verbs of the okhal type: future IAKL, 1s AWKL.
bool isOkhalType(std::string_view root);

// Qal verbs with an infinitive in -at beyond the I-first verbs of the
// yeshev type (LLKT, LQHT).
bool takesAtInfinitive(std::string_view root);

// Hollow roots written with I whose forms are those of a hollow root with
// W (ADWN, DWN).
bool isHollowWithW(std::string_view root);

// Hollow qal statives with tsere (מֵת), not qamats.
bool isHollowStative(std::string_view root);

// Qal statives with tsere whose last radical is alef: יָרֵא, not יָרָא.
bool isStativeWithTsere(std::string_view root);

// Geminate qal verbs whose participle is a stative (תָּם, תַּמָּה), not the
// active form of the geminates (סוֹבֵב).
bool isGeminateStative(std::string_view root);

// Hif'il and huf'al roots whose first radical (N, or the I of a few roots
// with C second) is assimilated to the second: הִכִּיר, הֻצַּג. The verb
// list writes them with their two other radicals only, as it writes hollow
// roots (EKIR beside EBIN, EWCG beside EWQM); `radicals` are those two.
bool hasAssimilatedFirst(std::string_view radicals);

}  // namespace morfenaar
