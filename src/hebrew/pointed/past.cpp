// Past tense with vowel points: one row per class and weak-root case,
// chosen from the root's letters as the modern rules choose theirs.
//
// The rows spell the strong forms; what a single letter of the root does
// to them is applied per form by adjustPattern: a guttural first radical
// after the prefix of the nif'al, hif'il and huf'al, and the last N of נתן
// before an ending in T (נָתַתִּי). A last N or T before the same letter of
// an ending is the vocaliser's rule.
#include <algorithm>
#include <optional>
#include <string>

#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/rows.h"
#include "hebrew/root_lists.h"

namespace morfenaar::pointed {

namespace {

// clang-format off
constexpr Row kRows[] = {
    // row           1s                 2sm               2sf              3sm             3sf               1p                 2pm               2pf               3p
    // qal: כָּתַבְתִּי, כָּתַב, כָּתְבָה
    {"1",          {"1q2'a3:TiI",     "1q2'a3:Tq",      "1q2'a3:T:",     "1q2a3",        "1q2:3qE",        "1q2'a3:NW.",      "1:2a3:TeM",      "1:2a3:TeN",      "1q2:3W."}},
    // qal, last radical alef, quiescent: מָצָאתִי, מָצָא
    {"1-alef",     {"1q2q'ATiI",      "1q2q'ATq",       "1q2qAT",        "1q2qA",        "1q2:AqE",        "1q2q'ANW.",       "1:2qATeM",       "1:2qATeN",       "1q2:AW."}},
    // qal stative with tsere, last radical alef: יָרֵאתִי, יָרֵא
    {"1-alef-e",   {"1q2y'ATiI",      "1q2y'ATq",       "1q2yAT",        "1q2yA",        "1q2:AqE",        "1q2y'ANW.",       "1:2yATeM",       "1:2yATeN",       "1q2:AW."}},
    // qal, last radical he: בָּנִיתִי, בָּנָה, בָּנְתָה
    {"1-he",       {"1q2'iITiI",      "1q2'iITq",       "1q2iIT",        "1q2qE",        "1q2:TqE",        "1q2'iINW.",       "1:2iITeM",       "1:2iITeN",       "1q2W."}},
    // the same with yod second: a guttural before it takes hataf segol (הֱיִיתֶם)
    {"1-he-yod",   {"1q2'iITiI",      "1q2'iITq",       "1q2iIT",        "1q2qE",        "1q2:TqE",        "1q2'iINW.",       "1:e2iITeM",      "1:e2iITeN",      "1q2W."}},
    // qal hollow (middle W or Y): קַמְתִּי, קָם, קָמָה
    {"1-hollow",   {"1'a3:TiI",       "1'a3:Tq",        "1a3:T:",        "1q3",          "1'q3qE",         "1'a3:NW.",        "1a3:TeM",        "1a3:TeN",        "1'q3W."}},
    // hollow with alef last: בָּאתִי, בָּא, בָּאָה
    {"1-hollow-a", {"1'qATiI",        "1'qATq",         "1qAT",          "1qA",          "1'qAqE",         "1'qANW.",         "1qATeM",         "1qATeN",         "1'qAW."}},
    // hollow stative with tsere: מֵת, מֵתָה, but מַתִּי
    {"1-hollow-e", {"1'a3:TiI",       "1'a3:Tq",        "1a3:T:",        "1y3",          "1'y3qE",         "1'a3:NW.",        "1a3:TeM",        "1a3:TeN",        "1'y3W."}},
    // יכל, irregular: the stative holam throughout, יָכֹלְתִּי, and qamats
    // qatan in יְכָלְתֶּם (the T of the ending is written with its dagesh)
    {"1-yakhol",   {"1q2'o3:T.iI",    "1q2'o3:T.q",     "1q2o3:T.:",     "1q2o3",        "1q2:3qE",        "1q2'o3:NW.",      "1:2q3:T.eM",     "1:2q3:T.eN",     "1q2:3W."}},

    // nif'al: נִכְתַּבְתִּי, נִכְתַּב, נִכְתְּבָה
    {"2",          {"Ni1:2'a3:TiI",   "Ni1:2'a3:Tq",    "Ni1:2a3:T:",    "Ni1:2a3",      "Ni1:2:3qE",      "Ni1:2'a3:NW.",    "Ni1:2a3:TeM",    "Ni1:2a3:TeN",    "Ni1:2:3W."}},
    // last radical alef: נִמְצֵאתִי, נִמְצָא
    {"2-alef",     {"Ni1:2'yATiI",    "Ni1:2'yATq",     "Ni1:2yAT",      "Ni1:2qA",      "Ni1:2:AqE",      "Ni1:2'yANW.",     "Ni1:2yATeM",     "Ni1:2yATeN",     "Ni1:2:AW."}},
    // last radical he: נִבְנֵיתִי, נִבְנָה, נִבְנְתָה
    {"2-he",       {"Ni1:2'yITiI",    "Ni1:2'yITq",     "Ni1:2yIT",      "Ni1:2qE",      "Ni1:2:TqE",      "Ni1:2'yINW.",     "Ni1:2yITeM",     "Ni1:2yITeN",     "Ni1:2W."}},
    // first radical yod, a W after the prefix: נוֹלַדְתִּי, נוֹלַד
    {"2-w",        {"NWo2'a3:TiI",    "NWo2'a3:Tq",     "NWo2a3:T:",     "NWo2a3",       "NWo2:3qE",       "NWo2'a3:NW.",     "NWo2a3:TeM",     "NWo2a3:TeN",     "NWo2:3W."}},
    // first radical nun assimilated, the yod of the full spelling the
    // prefix's hiriq (ניצל): נִצַּלְתִּי, נִצַּל; values: the two radicals left
    {"2-n",        {"Ni1.'a2:TiI",    "Ni1.'a2:Tq",     "Ni1.a2:T:",     "Ni1.a2",       "Ni1.:2qE",       "Ni1.'a2:NW.",     "Ni1.a2:TeM",     "Ni1.a2:TeN",     "Ni1.:2W."}},
    // geminate: נָסַבְתִּי, נָסַב, נָסַבָּה
    {"2-gem",      {"Nq1'a2:TiI",     "Nq1'a2:Tq",      "Nq1a2:T:",      "Nq1a2",        "Nq1'a2.qE",      "Nq1'a2:NW.",      "N:1a2:TeM",      "N:1a2:TeN",      "Nq1'a2.W."}},

    // pi'el: דִּבַּרְתִּי, דִּבֵּר, דִּבְּרָה (a guttural takes no dagesh; שִׁלֵּחַ)
    {"3",          {"1i2.'a3:TiI",    "1i2.'a3:Tq",     "1i2.a3:T:",     "1i2.y3",       "1i2.:3qE",       "1i2.'a3:NW.",     "1i2.a3:TeM",     "1i2.a3:TeN",     "1i2.:3W."}},
    // middle R or alef, not doubled: tsere under the first, בֵּרַכְתִּי, בֵּרֵךְ
    {"3-r",        {"1y2'a3:TiI",     "1y2'a3:Tq",      "1y2a3:T:",      "1y2y3",        "1y2:3qE",        "1y2'a3:NW.",      "1y2a3:TeM",      "1y2a3:TeN",      "1y2:3W."}},
    // last radical alef: מִלֵּאתִי, מִלֵּא
    {"3-alef",     {"1i2.'yATiI",     "1i2.'yATq",      "1i2.yAT",       "1i2.yA",       "1i2.:AqE",       "1i2.'yANW.",      "1i2.yATeM",      "1i2.yATeN",      "1i2.:AW."}},
    // last radical he: גִּלִּיתִי, גִּלָּה, גִּלְּתָה
    {"3-he",       {"1i2.'iITiI",     "1i2.'iITq",      "1i2.iIT",       "1i2.qE",       "1i2.:TqE",       "1i2.'iINW.",      "1i2.iITeM",      "1i2.iITeN",      "1i2.W."}},
    {"3-he-r",     {"1y2'iITiI",      "1y2'iITq",       "1y2iIT",        "1y2qE",        "1y2:TqE",        "1y2'iINW.",       "1y2iITeM",       "1y2iITeN",       "1y2W."}},
    // four radicals: תִּרְגַּמְתִּי, תִּרְגֵּם
    {"3-q",        {"1i2:3'a4:TiI",   "1i2:3'a4:Tq",    "1i2:3a4:T:",    "1i2:3y4",      "1i2:3:4qE",      "1i2:3'a4:NW.",    "1i2:3a4:TeM",    "1i2:3a4:TeN",    "1i2:3:4W."}},
    // polel, holam male after the first radical: סוֹבַבְתִּי, סוֹבֵב
    {"3-polel",    {"1Wo3'a4:TiI",    "1Wo3'a4:Tq",     "1Wo3a4:T:",     "1Wo3y4",       "1Wo3:4qE",       "1Wo3'a4:NW.",     "1Wo3a4:TeM",     "1Wo3a4:TeN",     "1Wo3:4W."}},

    // pu'al: דֻּבַּרְתִּי, דֻּבַּר, דֻּבְּרָה
    {"4",          {"1u2.'a3:TiI",    "1u2.'a3:Tq",     "1u2.a3:T:",     "1u2.a3",       "1u2.:3qE",       "1u2.'a3:NW.",     "1u2.a3:TeM",     "1u2.a3:TeN",     "1u2.:3W."}},
    // middle R or alef: holam under the first, בֹּרַךְ
    {"4-r",        {"1o2'a3:TiI",     "1o2'a3:Tq",      "1o2a3:T:",      "1o2a3",        "1o2:3qE",        "1o2'a3:NW.",      "1o2a3:TeM",      "1o2a3:TeN",      "1o2:3W."}},
    // last radical he: גֻּלֵּיתִי, גֻּלָּה, גֻּלְּתָה
    {"4-he",       {"1u2.'yITiI",     "1u2.'yITq",      "1u2.yIT",       "1u2.qE",       "1u2.:TqE",       "1u2.'yINW.",      "1u2.yITeM",      "1u2.yITeN",      "1u2.W."}},
    // four radicals: תֻּרְגַּמְתִּי, תֻּרְגַּם
    {"4-q",        {"1u2:3'a4:TiI",   "1u2:3'a4:Tq",    "1u2:3a4:T:",    "1u2:3a4",      "1u2:3:4qE",      "1u2:3'a4:NW.",    "1u2:3a4:TeM",    "1u2:3a4:TeN",    "1u2:3:4W."}},

    // hif'il: הִכְתַּבְתִּי, הִכְתִּיב, הִכְתִּיבָה
    {"5",          {"Ei1:2'a3:TiI",   "Ei1:2'a3:Tq",    "Ei1:2a3:T:",    "Ei1:2iI3",     "Ei1:2'iI3qE",    "Ei1:2'a3:NW.",    "Ei1:2a3:TeM",    "Ei1:2a3:TeN",    "Ei1:2'iI3W."}},
    // first radical yod: הוֹרַדְתִּי, הוֹרִיד
    {"5-w",        {"EWo2'a3:TiI",    "EWo2'a3:Tq",     "EWo2a3:T:",     "EWo2iI3",      "EWo2'iI3qE",     "EWo2'a3:NW.",     "EWo2a3:TeM",     "EWo2a3:TeN",     "EWo2'iI3W."}},
    // first radical assimilated: הִכַּרְתִּי, הִכִּיר
    {"5-n",        {"Ei1.'a3:TiI",    "Ei1.'a3:Tq",     "Ei1.a3:T:",     "Ei1.iI3",      "Ei1.'iI3qE",     "Ei1.'a3:NW.",     "Ei1.a3:TeM",     "Ei1.a3:TeN",     "Ei1.'iI3W."}},
    // hollow: הֵבַנְתִּי, הֵבִין, הֲבַנְתֶּם
    {"5-hollow",   {"Ey1'a3:TiI",     "Ey1'a3:Tq",      "Ey1a3:T:",      "Ey1iI3",       "Ey1'iI3qE",      "Ey1'a3:NW.",      "E:1a3:TeM",      "E:1a3:TeN",      "Ey1'iI3W."}},
    // geminate: הֵפַרְתִּי, הֵפֵר, הֵפֵרָה
    {"5-gem",      {"Ey1'a2:TiI",     "Ey1'a2:Tq",      "Ey1a2:T:",      "Ey1y2",        "Ey1'y2.qE",      "Ey1'a2:NW.",      "E:1a2:TeM",      "E:1a2:TeN",      "Ey1'y2.W."}},
    // last radical alef: הִמְצֵאתִי, הִמְצִיא
    {"5-alef",     {"Ei1:2'yATiI",    "Ei1:2'yATq",     "Ei1:2yAT",      "Ei1:2iIA",     "Ei1:2'iIAqE",    "Ei1:2'yANW.",     "Ei1:2yATeM",     "Ei1:2yATeN",     "Ei1:2'iIAW."}},
    // hollow, alef last: הֵבֵאתִי, הֵבִיא
    {"5-hollow-a", {"Ey1'yATiI",      "Ey1'yATq",       "Ey1yAT",        "Ey1iIA",       "Ey1'iIAqE",      "Ey1'yANW.",       "E:1yATeM",       "E:1yATeN",       "Ey1'iIAW."}},
    // first radical yod, alef last: הוֹצֵאתִי, הוֹצִיא
    {"5-w-alef",   {"EWo2'yATiI",     "EWo2'yATq",      "EWo2yAT",       "EWo2iIA",      "EWo2'iIAqE",     "EWo2'yANW.",      "EWo2yATeM",      "EWo2yATeN",      "EWo2'iIAW."}},
    // last radical he: הִפְנֵיתִי, הִפְנָה, הִפְנְתָה
    {"5-he",       {"Ei1:2'yITiI",    "Ei1:2'yITq",     "Ei1:2yIT",      "Ei1:2qE",      "Ei1:2:TqE",      "Ei1:2'yINW.",     "Ei1:2yITeM",     "Ei1:2yITeN",     "Ei1:2W."}},
    // ראה: segol under the prefix, הֶרְאָה
    {"5-he-ra",    {"Ee1:2'yITiI",    "Ee1:2'yITq",     "Ee1:2yIT",      "Ee1:2qE",      "Ee1:2:TqE",      "Ee1:2'yINW.",     "Ee1:2yITeM",     "Ee1:2yITeN",     "Ee1:2W."}},
    // last radical he, first assimilated: הִכֵּיתִי, הִכָּה
    {"5-he-n",     {"Ei1.'yITiI",     "Ei1.'yITq",      "Ei1.yIT",       "Ei1.qE",       "Ei1.:TqE",       "Ei1.'yINW.",      "Ei1.yITeM",      "Ei1.yITeN",      "Ei1.W."}},
    // last radical he, first yod: הוֹרֵיתִי, הוֹרָה
    {"5-he-w",     {"EWo2'yITiI",     "EWo2'yITq",      "EWo2yIT",       "EWo2qE",       "EWo2:TqE",       "EWo2'yINW.",      "EWo2yITeM",      "EWo2yITeN",      "EWo2W."}},

    // huf'al: הֻזְמַנְתִּי, הֻזְמַן, הֻזְמְנָה
    {"6",          {"Eu1:2'a3:TiI",   "Eu1:2'a3:Tq",    "Eu1:2a3:T:",    "Eu1:2a3",      "Eu1:2:3qE",      "Eu1:2'a3:NW.",    "Eu1:2a3:TeM",    "Eu1:2a3:TeN",    "Eu1:2:3W."}},
    // last radical alef: הֻמְצֵאתִי, הֻמְצָא
    {"6-alef",     {"Eu1:2'yATiI",    "Eu1:2'yATq",     "Eu1:2yAT",      "Eu1:2qA",      "Eu1:2:AqE",      "Eu1:2'yANW.",     "Eu1:2yATeM",     "Eu1:2yATeN",     "Eu1:2:AW."}},
    // last radical he: הֻפְנֵיתִי, הֻפְנָה
    {"6-he",       {"Eu1:2'yITiI",    "Eu1:2'yITq",     "Eu1:2yIT",      "Eu1:2qE",      "Eu1:2:TqE",      "Eu1:2'yINW.",     "Eu1:2yITeM",     "Eu1:2yITeN",     "Eu1:2W."}},
    // hollow and first radical yod, two letters: הוּקַמְתִּי, הוּקַם
    {"6-hollow",   {"EW.1'a2:TiI",    "EW.1'a2:Tq",     "EW.1a2:T:",     "EW.1a2",       "EW.1:2qE",       "EW.1'a2:NW.",     "EW.1a2:TeM",     "EW.1a2:TeN",     "EW.1:2W."}},
    // the same with alef last: הוּבֵאתִי, הוּבָא
    {"6-hollow-a", {"EW.1'yATiI",     "EW.1'yATq",      "EW.1yAT",       "EW.1qA",       "EW.1:AqE",       "EW.1'yANW.",      "EW.1yATeM",      "EW.1yATeN",      "EW.1:AW."}},
    // first radical assimilated: הֻכַּרְתִּי, הֻכַּר
    {"6-n",        {"Eu1.'a2:TiI",    "Eu1.'a2:Tq",     "Eu1.a2:T:",     "Eu1.a2",       "Eu1.:2qE",       "Eu1.'a2:NW.",     "Eu1.a2:TeM",     "Eu1.a2:TeN",     "Eu1.:2W."}},

    // hitpa'el, values: the root's letters after its he (the T and the
    // radicals, sibilant and T in either order): הִתְלַבַּשְׁתִּי, הִתְלַבֵּשׁ
    {"7",          {"Ei1:2a3.'a4:TiI", "Ei1:2a3.'a4:Tq", "Ei1:2a3.a4:T:", "Ei1:2a3.y4",   "Ei1:2a3.:4qE",   "Ei1:2a3.'a4:NW.", "Ei1:2a3.a4:TeM", "Ei1:2a3.a4:TeN", "Ei1:2a3.:4W."}},
    // middle R or alef: qamats before it, הִתְגָּרַשְׁתִּי, הִתְגָּרֵשׁ
    {"7-r",        {"Ei1:2q3'a4:TiI", "Ei1:2q3'a4:Tq",  "Ei1:2q3a4:T:",  "Ei1:2q3y4",    "Ei1:2q3:4qE",    "Ei1:2q3'a4:NW.",  "Ei1:2q3a4:TeM",  "Ei1:2q3a4:TeN",  "Ei1:2q3:4W."}},
    // last radical alef: הִתְחַבֵּאתִי, הִתְחַבֵּא
    {"7-alef",     {"Ei1:2a3.'yATiI", "Ei1:2a3.'yATq",  "Ei1:2a3.yAT",   "Ei1:2a3.yA",   "Ei1:2a3.:AqE",   "Ei1:2a3.'yANW.",  "Ei1:2a3.yATeM",  "Ei1:2a3.yATeN",  "Ei1:2a3.:AW."}},
    // last radical he: הִתְפַּנֵּיתִי, הִתְפַּנָּה
    {"7-he",       {"Ei1:2a3.'yITiI", "Ei1:2a3.'yITq",  "Ei1:2a3.yIT",   "Ei1:2a3.qE",   "Ei1:2a3.:TqE",   "Ei1:2a3.'yINW.",  "Ei1:2a3.yITeM",  "Ei1:2a3.yITeN",  "Ei1:2a3.W."}},
    {"7-he-r",     {"Ei1:2q3'yITiI",  "Ei1:2q3'yITq",   "Ei1:2q3yIT",    "Ei1:2q3qE",    "Ei1:2q3:TqE",    "Ei1:2q3'yINW.",   "Ei1:2q3yITeM",   "Ei1:2q3yITeN",   "Ei1:2q3W."}},
    // four radicals, values: the five letters after the he, the T first or
    // after a sibilant: הִתְבַּלְבַּלְתִּי, הִתְבַּלְבֵּל, הִשְׁתַּכְלַלְתִּי, הִשְׁתַּכְלֵל
    {"7-q",        {"Ei1:2a3:4'a5:TiI", "Ei1:2a3:4'a5:Tq", "Ei1:2a3:4a5:T:", "Ei1:2a3:4y5", "Ei1:2a3:4:5qE",  "Ei1:2a3:4'a5:NW.", "Ei1:2a3:4a5:TeM", "Ei1:2a3:4a5:TeN", "Ei1:2a3:4:5W."}},
    // hitpolel, holam male after the first radical: הִתְבּוֹנַנְתִּי, הִתְבּוֹנֵן
    {"7-polel",    {"EiT:1Wo3'a4:TiI", "EiT:1Wo3'a4:Tq", "EiT:1Wo3a4:T:", "EiT:1Wo3y4",  "EiT:1Wo3:4qE",   "EiT:1Wo3'a4:NW.", "EiT:1Wo3a4:TeM", "EiT:1Wo3a4:TeN", "EiT:1Wo3:4W."}},
};
// clang-format on

std::optional<RowChoice> chooseClass1(const AnalysedRoot& r) {
  const PatternValues rad{r.rad1, r.rad2, r.rad3};
  if (r.r3IsE) return RowChoice{r.rad2 == 'I' ? "1-he-yod" : "1-he", rad};
  if (r.r2IsW || r.r2IsI) {
    if (r.r3IsA) return RowChoice{"1-hollow-a", rad};
    return RowChoice{isHollowStative(r.root) ? "1-hollow-e" : "1-hollow", rad};
  }
  if (r.root == "IKL") return RowChoice{"1-yakhol", rad};
  if (r.r3IsA) return RowChoice{isStativeWithTsere(r.root) ? "1-alef-e" : "1-alef", rad};
  return RowChoice{"1", rad};
}

std::optional<RowChoice> chooseClass2(const AnalysedRoot& r) {
  const PatternValues rad{r.rad1, r.rad2, r.rad3};
  if (r.r2EqR3) return RowChoice{"2-gem", {r.rad1, r.rad2}};
  if (r.rad1 == 'W') return RowChoice{"2-w", rad};
  if (r.rad1 == 'I') return RowChoice{"2-n", {r.rad2, r.rad3}};
  if (r.r3IsE) return RowChoice{"2-he", rad};
  if (r.r3IsA) return RowChoice{"2-alef", rad};
  return RowChoice{"2", rad};
}

// Classes 3 and 4, from the intensive root of the modern rules: a middle
// of two like letters (WW, II) is one doubled radical, a middle of two
// other letters makes four radicals.
std::optional<RowChoice> chooseIntensive(const AnalysedRoot& r) {
  const modern::IntensiveRoot in = modern::intensiveRoot(r);
  if (in.middle.empty() || in.middle.size() > 2) return std::nullopt;
  const bool pual = r.klasse == 4;
  if (in.middle.size() == 2 && in.middle[0] != in.middle[1]) {
    const bool polel = !pual && in.middle[0] == 'W' && in.middle[1] == in.last;
    return RowChoice{pual    ? "4-q"
                     : polel ? "3-polel"
                             : "3-q",
                     {in.first, in.middle[0], in.middle[1], in.last}};
  }
  const char mid = in.middle[0];
  const PatternValues rad{in.first, mid, in.last};
  if (pual) {
    if (in.last == 'E') return RowChoice{"4-he", rad};
    return RowChoice{refusesDoubling(mid) ? "4-r" : "4", rad};
  }
  if (in.last == 'E') return RowChoice{refusesDoubling(mid) ? "3-he-r" : "3-he", rad};
  if (refusesDoubling(mid)) return RowChoice{"3-r", rad};
  if (in.last == 'A') return RowChoice{"3-alef", rad};
  return RowChoice{"3", rad};
}

std::optional<RowChoice> chooseClass5(const AnalysedRoot& r) {
  const PatternValues rad{r.rad1, r.rad2, r.rad3};
  const std::size_t n = r.root.size();
  if (r.variant == kVariantThreeLetters) return RowChoice{"5-gem", {r.rad1, r.rad2}};
  if (r.variant == kVariantFinalE) {
    if (n == 3) return RowChoice{"5-he-n", rad};
    if (r.rad1 == 'W') return RowChoice{"5-he-w", rad};
    if (r.rad1 == 'R' && r.rad2 == 'A') return RowChoice{"5-he-ra", rad};
    return RowChoice{"5-he", rad};
  }
  if (r.variant == kVariantFinalA) {
    if (r.rad1 == 'W') return RowChoice{"5-w-alef", rad};
    if (r.rad2 == 'I') return RowChoice{"5-hollow-a", rad};
    return RowChoice{"5-alef", rad};
  }
  if (n == 4 && r.rad2 == 'I') {
    const std::string pair{r.rad1, r.rad3};
    return RowChoice{hasAssimilatedFirst(pair) ? "5-n" : "5-hollow", rad};
  }
  if (r.rad1 == 'W') return RowChoice{"5-w", rad};
  return RowChoice{"5", rad};
}

// Class 6 reads the letters after its EW.
std::optional<RowChoice> chooseClass6(const AnalysedRoot& r) {
  const std::string_view rest = rootFrom(r.root, 2);
  if (rest.size() == 2) {
    if (rest[1] == 'A') return RowChoice{"6-hollow-a", {rest[0], rest[1]}};
    return RowChoice{hasAssimilatedFirst(rest) ? "6-n" : "6-hollow", {rest[0], rest[1]}};
  }
  if (rest.size() != 3) return std::nullopt;
  const PatternValues rad{rest[0], rest[1], rest[2]};
  if (rest[2] == 'E') return RowChoice{"6-he", rad};
  if (rest[2] == 'A') return RowChoice{"6-alef", rad};
  return RowChoice{"6", rad};
}

std::optional<RowChoice> chooseClass7(const AnalysedRoot& r) {
  const std::string_view s = r.stem7;
  if (s.size() == 5 && s[0] == 'T' && s[2] == 'W') {
    return RowChoice{"7-polel", {s[1], s[2], s[3], s[4]}};
  }
  if (s.size() == 5) return RowChoice{"7-q", {s[0], s[1], s[2], s[3], s[4]}};
  if (r.variant == kVariantFinalE) {
    if (s.size() != 3) return std::nullopt;
    return RowChoice{refusesDoubling(s[2]) ? "7-he-r" : "7-he", {s[0], s[1], s[2]}};
  }
  if (s.size() != 4) return std::nullopt;
  const PatternValues rad{s[0], s[1], s[2], s[3]};
  if (s[3] == 'A') return RowChoice{"7-alef", rad};
  return RowChoice{refusesDoubling(s[2]) ? "7-r" : "7", rad};
}

std::optional<RowChoice> chooseRow(const AnalysedRoot& r) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      return chooseClass2(r);
    case 3:
    case 4:
      return chooseIntensive(r);
    case 5:
      return chooseClass5(r);
    case 6:
      return chooseClass6(r);
    case 7:
      return chooseClass7(r);
    default:
      return std::nullopt;
  }
}

// The pattern of one slot as the root's letters write it.
std::string adjustPattern(std::string_view pattern, std::size_t slot, const AnalysedRoot& r,
                          PatternArgs args) {
  std::string p(pattern);
  const bool tEnding = slot <= 2 || slot == 6 || slot == 7;  // -ti, -ta, -t, -tem, -ten
  for (std::size_t i = 0; i + 2 < p.size(); ++i) {
    const char letter = letterValue(p[i], args);
    if (p[i + 1] != ':' || letter == '\0') continue;
    if (tEnding && letter == 'N' && p[i + 2] == 'T' && r.klasse == 1 && r.nunNun) {
      // נתן: its last N is assimilated to the T of the ending, נָתַתִּי.
      p.replace(i, 3, "T.");
    }
  }
  return p;
}

}  // namespace

void writePast(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
               const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseRow(root);
  if (!choice) return;
  const PatternArgs args = choice->args;
  writeRow(
      Block::Past, kPastSlots, findRow(kRows, choice->row), root.klasse, args, s,
      [&](std::string_view code) -> const std::string& { return woord.perf(code); }, sink,
      [&](std::string_view pattern, std::size_t slot) {
        return adjustPattern(pattern, slot, root, args);
      });
}

}  // namespace morfenaar::pointed
