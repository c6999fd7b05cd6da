// What the letters of a qal root do not tell: short named lists of roots
// whose modern forms (the --modern rules, hebrew/modern/) follow another
// pattern than their letters predict. Every list holds roots as the verb
// list writes them in Latin letters (a root in Hebrew letters is looked up
// by its Latin twin). The lists serve the modern rules alone; the default
// rules have their own special roots.
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

}  // namespace morfenaar
