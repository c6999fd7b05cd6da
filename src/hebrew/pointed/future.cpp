// Future with vowel points: one row per class and weak-root case, chosen
// as the modern rules choose theirs (hebrew/modern/future.cpp), with the
// rows that the points need beside them (a guttural that takes no dagesh
// or asks for a hataf, a III-he or III-alef ending, the vowel of the 2pf
// and 3pf before -na).
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "hebrew/modern/rows.h"
#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/rows.h"
#include "hebrew/root_lists.h"

namespace morfenaar::pointed {

namespace {

using modern::isGuttural;

// clang-format off
constexpr Row kRows[] = {
    // row      1s              2sm             2sf               3sm             3sf             1p              2pm               2pf                3pm               3pf
    // Qal, 1 2 3 the radicals. Strong, o and a: יִכְתֹּב, יִלְמַד; -na stressed before the end
    {"1o",    {"Ae1:2o3",      "Ti1:2o3",      "Ti1:2:3iI",      "Ii1:2o3",      "Ti1:2o3",      "Ni1:2o3",      "Ti1:2:3W.",      "Ti1:2'o3:NqE",    "Ii1:2:3W.",      "Ti1:2'o3:NqE"}},
    {"1a",    {"Ae1:2a3",      "Ti1:2a3",      "Ti1:2:3iI",      "Ii1:2a3",      "Ti1:2a3",      "Ni1:2a3",      "Ti1:2:3W.",      "Ti1:2'a3:NqE",    "Ii1:2:3W.",      "Ti1:2'a3:NqE"}},
    // first radical E or O: יַעֲבֹד, אֶעֱבֹד, תַּעַבְדִי (the third without dagesh after the shva that follows a hataf)
    {"1o-g",  {"Ae1:e2o3",     "Ta1:a2o3",     "Ta1a2:3_iI",     "Ia1:a2o3",     "Ta1:a2o3",     "Na1:a2o3",     "Ta1a2:3_W.",     "Ta1:a2'o3:NqE",   "Ia1a2:3_W.",     "Ta1:a2'o3:NqE"}},
    // first radical H, silent shva: יַחְשֹׁב, אֶחְשֹׁב
    {"1o-h",  {"Ae1:2o3",      "Ta1:2o3",      "Ta1:2:3iI",      "Ia1:2o3",      "Ta1:2o3",      "Na1:2o3",      "Ta1:2:3W.",      "Ta1:2'o3:NqE",    "Ia1:2:3W.",      "Ta1:2'o3:NqE"}},
    // guttural first with a, and A first with o: יֶחֱזַק, יֶאֱסֹף, תֶּאֶסְפִי
    {"1a-g",  {"Ae1:e2a3",     "Te1:e2a3",     "Te1e2:3_iI",     "Ie1:e2a3",     "Te1:e2a3",     "Ne1:e2a3",     "Te1e2:3_W.",     "Te1:e2'a3:NqE",   "Ie1e2:3_W.",     "Te1:e2'a3:NqE"}},
    {"1o-e",  {"Ae1:e2o3",     "Te1:e2o3",     "Te1e2:3_iI",     "Ie1:e2o3",     "Te1:e2o3",     "Ne1:e2o3",     "Te1e2:3_W.",     "Te1:e2'o3:NqE",   "Ie1e2:3_W.",     "Te1:e2'o3:NqE"}},
    // III-he: יִבְנֶה, תִּבְנִי, תִּבְנֶינָה; with E, H or O first יַעֲשֶׂה
    {"1e",    {"Ae1:2eE",      "Ti1:2eE",      "Ti1:2iI",        "Ii1:2eE",      "Ti1:2eE",      "Ni1:2eE",      "Ti1:2W.",        "Ti1:2'eINqE",     "Ii1:2W.",        "Ti1:2'eINqE"}},
    {"1e-g",  {"Ae1:e2eE",     "Ta1:a2eE",     "Ta1:a2iI",       "Ia1:a2eE",     "Ta1:a2eE",     "Na1:a2eE",     "Ta1:a2W.",       "Ta1:a2'eINqE",    "Ia1:a2W.",       "Ta1:a2'eINqE"}},
    // III-alef: יִקְרָא, תִּקְרְאִי, תִּקְרֶאנָה; with a guttural first יֶחֱטָא
    {"1A",    {"Ae1:2qA",      "Ti1:2qA",      "Ti1:2:AiI",      "Ii1:2qA",      "Ti1:2qA",      "Ni1:2qA",      "Ti1:2:AW.",      "Ti1:2'eANqE",     "Ii1:2:AW.",      "Ti1:2'eANqE"}},
    {"1A-g",  {"Ae1:e2qA",     "Te1:e2qA",     "Te1e2:AiI",      "Ie1:e2qA",     "Te1:e2qA",     "Ne1:e2qA",     "Te1e2:AW.",      "Te1:e2'eANqE",    "Ie1e2:AW.",      "Te1:e2'eANqE"}},
    // first radical N assimilated into the second: יִפֹּל, יִסַּע (and לקח: יִקַּח), יִשָּׂא, יִטֶּה
    {"1n",    {"Ae2.o3",       "Ti2.o3",       "Ti2.:3iI",       "Ii2.o3",       "Ti2.o3",       "Ni2.o3",       "Ti2.:3W.",       "Ti2.'o3:NqE",     "Ii2.:3W.",       "Ti2.'o3:NqE"}},
    {"1n-a",  {"Ae2.a3",       "Ti2.a3",       "Ti2.:3iI",       "Ii2.a3",       "Ti2.a3",       "Ni2.a3",       "Ti2.:3W.",       "Ti2.'a3:NqE",     "Ii2.:3W.",       "Ti2.'a3:NqE"}},
    {"1n-A",  {"Ae2.qA",       "Ti2.qA",       "Ti2.:AiI",       "Ii2.qA",       "Ti2.qA",       "Ni2.qA",       "Ti2.:AW.",       "Ti2.'eANqE",      "Ii2.:AW.",       "Ti2.'eANqE"}},
    {"1n-e",  {"Ae2.eE",       "Ti2.eE",       "Ti2.iI",         "Ii2.eE",       "Ti2.eE",       "Ni2.eE",       "Ti2.W.",         "Ti2.'eINqE",      "Ii2.W.",         "Ti2.'eINqE"}},
    // נתן, irregular in every grammar: tsere, יִתֵּן, תִּתֵּנָּה
    {"1n-y",  {"Ae2.y3",       "Ti2.y3",       "Ti2.:3iI",       "Ii2.y3",       "Ti2.y3",       "Ni2.y3",       "Ti2.:3W.",       "Ti2.'y3:NqE",     "Ii2.:3W.",       "Ti2.'y3:NqE"}},
    // hollow and geminate, the stem stressed before -i and -u: יָקוּם, תָּקוּמִי, תָּקֹמְנָה; יָנוּחַ, תָּנַחְנָה; יָשִׂים, תָּשֵׂמְנָה; בוא: יָבוֹא, תָּבֹאנָה
    {"1u",    {"Aq1W.3",       "Tq1W.3",       "Tq1'W.3iI",      "Iq1W.3",       "Tq1W.3",       "Nq1W.3",       "Tq1'W.3W.",      "Tq1'o3:NqE",      "Iq1'W.3W.",      "Tq1'o3:NqE"}},
    {"1u-a",  {"Aq1W.3",       "Tq1W.3",       "Tq1'W.3iI",      "Iq1W.3",       "Tq1W.3",       "Nq1W.3",       "Tq1'W.3W.",      "Tq1'a3:NqE",      "Iq1'W.3W.",      "Tq1'a3:NqE"}},
    {"1i",    {"Aq1iI3",       "Tq1iI3",       "Tq1'iI3iI",      "Iq1iI3",       "Tq1iI3",       "Nq1iI3",       "Tq1'iI3W.",      "Tq1'y3:NqE",      "Iq1'iI3W.",      "Tq1'y3:NqE"}},
    {"1u-A",  {"Aq1WoA",       "Tq1WoA",       "Tq1'WoAiI",      "Iq1WoA",       "Tq1WoA",       "Nq1WoA",       "Tq1'WoAW.",      "Tq1'oANqE",       "Iq1'WoAW.",      "Tq1'oANqE"}},
    // I first, yeshev type (and הלך): יֵשֵׁב, יֵדַע, יֵצֵא
    {"1y",    {"Ay2y3",        "Ty2y3",        "Ty2:3iI",        "Iy2y3",        "Ty2y3",        "Ny2y3",        "Ty2:3W.",        "Ty2'y3:NqE",      "Iy2:3W.",        "Ty2'y3:NqE"}},
    {"1y-a",  {"Ay2a3",        "Ty2a3",        "Ty2:3iI",        "Iy2a3",        "Ty2a3",        "Ny2a3",        "Ty2:3W.",        "Ty2'a3:NqE",      "Iy2:3W.",        "Ty2'a3:NqE"}},
    {"1y-A",  {"Ay2yA",        "Ty2yA",        "Ty2:AiI",        "Iy2yA",        "Ty2yA",        "Ny2yA",        "Ty2:AW.",        "Ty2'eANqE",       "Iy2:AW.",        "Ty2'eANqE"}},
    // I first, yirash type, the I kept after hiriq: יִירַשׁ, יִירָא
    {"1yi",   {"AiI2a3",       "TiI2a3",       "TiI2:3iI",       "IiI2a3",       "TiI2a3",       "NiI2a3",       "TiI2:3W.",       "TiI2'a3:NqE",     "IiI2:3W.",       "TiI2'a3:NqE"}},
    {"1yi-A", {"AiI2qA",       "TiI2qA",       "TiI2:AiI",       "IiI2qA",       "TiI2qA",       "NiI2qA",       "TiI2:AW.",       "TiI2'eANqE",      "IiI2:AW.",       "TiI2'eANqE"}},
    // A first, okhal type, the A silent after holam: יֹאכַל, 1s אֹכַל; a guttural second takes hataf: תֹּאהֲבִי; III-he: יֹאפֶה
    {"1k",    {"Ao2a3",        "ToA2a3",       "ToA2:3_iI",      "IoA2a3",       "ToA2a3",       "NoA2a3",       "ToA2:3_W.",      "ToA2'a3:NqE",     "IoA2:3_W.",      "ToA2'a3:NqE"}},
    {"1k-g",  {"Ao2a3",        "ToA2a3",       "ToA2:a3iI",      "IoA2a3",       "ToA2a3",       "NoA2a3",       "ToA2:a3W.",      "ToA2'a3:NqE",     "IoA2:a3W.",      "ToA2'a3:NqE"}},
    {"1k-e",  {"Ao2eE",        "ToA2eE",       "ToA2iI",         "IoA2eE",       "ToA2eE",       "NoA2eE",       "ToA2W.",         "ToA2'eINqE",      "IoA2W.",         "ToA2'eINqE"}},

    // Nif'al, 1 2 3 the radicals after N: יִכָּתֵב, with a before a last H or O (יִשָּׁבַע)
    {"2",     {"Ae1.q2y3",     "Ti1.q2y3",     "Ti1.q2:3iI",     "Ii1.q2y3",     "Ti1.q2y3",     "Ni1.q2y3",     "Ti1.q2:3W.",     "Ti1.q2'y3:NqE",   "Ii1.q2:3W.",     "Ti1.q2'y3:NqE"}},
    {"2-a",   {"Ae1.q2a3",     "Ti1.q2a3",     "Ti1.q2:3iI",     "Ii1.q2a3",     "Ti1.q2a3",     "Ni1.q2a3",     "Ti1.q2:3W.",     "Ti1.q2'a3:NqE",   "Ii1.q2:3W.",     "Ti1.q2'a3:NqE"}},
    {"2-A",   {"Ae1.q2yA",     "Ti1.q2yA",     "Ti1.q2:AiI",     "Ii1.q2yA",     "Ti1.q2yA",     "Ni1.q2yA",     "Ti1.q2:AW.",     "Ti1.q2'eANqE",    "Ii1.q2:AW.",     "Ti1.q2'eANqE"}},
    {"2-e",   {"Ae1.q2eE",     "Ti1.q2eE",     "Ti1.q2iI",       "Ii1.q2eE",     "Ti1.q2eE",     "Ni1.q2eE",     "Ti1.q2W.",       "Ti1.q2'eINqE",    "Ii1.q2W.",       "Ti1.q2'eINqE"}},
    // a guttural or R first cannot be doubled: tsere in the prefix, יֵרָאֶה
    {"2g",    {"Ay1q2y3",      "Ty1q2y3",      "Ty1q2:3iI",      "Iy1q2y3",      "Ty1q2y3",      "Ny1q2y3",      "Ty1q2:3W.",      "Ty1q2'y3:NqE",    "Iy1q2:3W.",      "Ty1q2'y3:NqE"}},
    {"2g-a",  {"Ay1q2a3",      "Ty1q2a3",      "Ty1q2:3iI",      "Iy1q2a3",      "Ty1q2a3",      "Ny1q2a3",      "Ty1q2:3W.",      "Ty1q2'a3:NqE",    "Iy1q2:3W.",      "Ty1q2'a3:NqE"}},
    {"2g-A",  {"Ay1q2yA",      "Ty1q2yA",      "Ty1q2:AiI",      "Iy1q2yA",      "Ty1q2yA",      "Ny1q2yA",      "Ty1q2:AW.",      "Ty1q2'eANqE",     "Iy1q2:AW.",      "Ty1q2'eANqE"}},
    {"2g-e",  {"Ay1q2eE",      "Ty1q2eE",      "Ty1q2iI",        "Iy1q2eE",      "Ty1q2eE",      "Ny1q2eE",      "Ty1q2W.",        "Ty1q2'eINqE",     "Iy1q2W.",        "Ty1q2'eINqE"}},
    // geminate: יִסַּב, תִּסַּבִּי, תִּסַּבֶּינָה
    {"2-gem", {"Ae1.a2",       "Ti1.a2",       "Ti1.a2.iI",      "Ii1.a2",       "Ti1.a2",       "Ni1.a2",       "Ti1.a2.W.",      "Ti1.a2.'eINqE",   "Ii1.a2.W.",      "Ti1.a2.'eINqE"}},

    // Pi'el, 1 first, 2 middle (doubled), 3 last: יְדַבֵּר, אֲדַבֵּר; III-H/O יְשַׁלֵּחַ, תְּשַׁלַּחְנָה
    {"3",     {"A:a1a2.y3",    "T;1a2.y3",     "T;1a2.:3iI",     "I;1a2.y3",     "T;1a2.y3",     "N;1a2.y3",     "T;1a2.:3W.",     "T;1a2.'y3:NqE",   "I;1a2.:3W.",     "T;1a2.'y3:NqE"}},
    {"3-a",   {"A:a1a2.y3",    "T;1a2.y3",     "T;1a2.:3iI",     "I;1a2.y3",     "T;1a2.y3",     "N;1a2.y3",     "T;1a2.:3W.",     "T;1a2.'a3:NqE",   "I;1a2.:3W.",     "T;1a2.'a3:NqE"}},
    {"3-A",   {"A:a1a2.yA",    "T;1a2.yA",     "T;1a2.:AiI",     "I;1a2.yA",     "T;1a2.yA",     "N;1a2.yA",     "T;1a2.:AW.",     "T;1a2.'eANqE",    "I;1a2.:AW.",     "T;1a2.'eANqE"}},
    {"3-e",   {"A:a1a2.eE",    "T;1a2.eE",     "T;1a2.iI",       "I;1a2.eE",     "T;1a2.eE",     "N;1a2.eE",     "T;1a2.W.",       "T;1a2.'eINqE",    "I;1a2.W.",       "T;1a2.'eINqE"}},
    // a middle R or A is not doubled and has qamats: יְבָרֵךְ
    {"3r",    {"A:a1q2y3",     "T;1q2y3",      "T;1q2:3iI",      "I;1q2y3",      "T;1q2y3",      "N;1q2y3",      "T;1q2:3W.",      "T;1q2'y3:NqE",    "I;1q2:3W.",      "T;1q2'y3:NqE"}},
    {"3r-a",  {"A:a1q2y3",     "T;1q2y3",      "T;1q2:3iI",      "I;1q2y3",      "T;1q2y3",      "N;1q2y3",      "T;1q2:3W.",      "T;1q2'a3:NqE",    "I;1q2:3W.",      "T;1q2'a3:NqE"}},
    {"3r-e",  {"A:a1q2eE",     "T;1q2eE",      "T;1q2iI",        "I;1q2eE",      "T;1q2eE",      "N;1q2eE",      "T;1q2W.",        "T;1q2'eINqE",     "I;1q2W.",        "T;1q2'eINqE"}},
    // four radicals: יְתַרְגֵּם
    {"3q",    {"A:a1a2:3y4",   "T;1a2:3y4",    "T;1a2:3:4iI",    "I;1a2:3y4",    "T;1a2:3y4",    "N;1a2:3y4",    "T;1a2:3:4W.",    "T;1a2:3'y4:NqE",  "I;1a2:3:4W.",    "T;1a2:3'y4:NqE"}},
    // polel, holam male after the first radical: יְסוֹבֵב
    {"3-polel", {"A:a1Wo3y4",  "T;1Wo3y4",     "T;1Wo3:4iI",     "I;1Wo3y4",     "T;1Wo3y4",     "N;1Wo3y4",     "T;1Wo3:4W.",     "T;1Wo3'y4:NqE",   "I;1Wo3:4W.",     "T;1Wo3'y4:NqE"}},

    // Pu'al, as the pi'el with u and a: יְדֻבַּר; R middle יְבֹרַךְ
    {"4",     {"A:a1u2.a3",    "T;1u2.a3",     "T;1u2.:3iI",     "I;1u2.a3",     "T;1u2.a3",     "N;1u2.a3",     "T;1u2.:3W.",     "T;1u2.'a3:NqE",   "I;1u2.:3W.",     "T;1u2.'a3:NqE"}},
    {"4-A",   {"A:a1u2.qA",    "T;1u2.qA",     "T;1u2.:AiI",     "I;1u2.qA",     "T;1u2.qA",     "N;1u2.qA",     "T;1u2.:AW.",     "T;1u2.'eANqE",    "I;1u2.:AW.",     "T;1u2.'eANqE"}},
    {"4-e",   {"A:a1u2.eE",    "T;1u2.eE",     "T;1u2.iI",       "I;1u2.eE",     "T;1u2.eE",     "N;1u2.eE",     "T;1u2.W.",       "T;1u2.'eINqE",    "I;1u2.W.",       "T;1u2.'eINqE"}},
    {"4r",    {"A:a1o2a3",     "T;1o2a3",      "T;1o2:3iI",      "I;1o2a3",      "T;1o2a3",      "N;1o2a3",      "T;1o2:3W.",      "T;1o2'a3:NqE",    "I;1o2:3W.",      "T;1o2'a3:NqE"}},
    {"4q",    {"A:a1u2:3a4",   "T;1u2:3a4",    "T;1u2:3:4iI",    "I;1u2:3a4",    "T;1u2:3a4",    "N;1u2:3a4",    "T;1u2:3:4W.",    "T;1u2:3'a4:NqE",  "I;1u2:3:4W.",    "T;1u2:3'a4:NqE"}},

    // Hif'il, 1 2 3 the radicals: יַכְתִּיב, the stem stressed before -i and -u (תַּכְתִּיבִי), tsere before -na (תַּכְתֵּבְנָה)
    {"5",     {"Aa1:2iI3",     "Ta1:2iI3",     "Ta1:2'iI3iI",    "Ia1:2iI3",     "Ta1:2iI3",     "Na1:2iI3",     "Ta1:2'iI3W.",    "Ta1:2'y3:NqE",    "Ia1:2'iI3W.",    "Ta1:2'y3:NqE"}},
    {"5-a",   {"Aa1:2iI3",     "Ta1:2iI3",     "Ta1:2'iI3iI",    "Ia1:2iI3",     "Ta1:2iI3",     "Na1:2iI3",     "Ta1:2'iI3W.",    "Ta1:2'a3:NqE",    "Ia1:2'iI3W.",    "Ta1:2'a3:NqE"}},
    {"5-A",   {"Aa1:2iIA",     "Ta1:2iIA",     "Ta1:2'iIAiI",    "Ia1:2iIA",     "Ta1:2iIA",     "Na1:2iIA",     "Ta1:2'iIAW.",    "Ta1:2'eANqE",     "Ia1:2'iIAW.",    "Ta1:2'eANqE"}},
    // first radical A, E or O: יַאֲמִין
    {"5g",    {"Aa1:a2iI3",    "Ta1:a2iI3",    "Ta1:a2'iI3iI",   "Ia1:a2iI3",    "Ta1:a2iI3",    "Na1:a2iI3",    "Ta1:a2'iI3W.",   "Ta1:a2'y3:NqE",   "Ia1:a2'iI3W.",   "Ta1:a2'y3:NqE"}},
    // I first (the list writes W), 1 2 the radicals after it: יוֹרִיד, תּוֹדַעְנָה, יוֹצִיא
    {"5w",    {"AWo1iI2",      "TWo1iI2",      "TWo1'iI2iI",     "IWo1iI2",      "TWo1iI2",      "NWo1iI2",      "TWo1'iI2W.",     "TWo1'y2:NqE",     "IWo1'iI2W.",     "TWo1'y2:NqE"}},
    {"5w-a",  {"AWo1iI2",      "TWo1iI2",      "TWo1'iI2iI",     "IWo1iI2",      "TWo1iI2",      "NWo1iI2",      "TWo1'iI2W.",     "TWo1'a2:NqE",     "IWo1'iI2W.",     "TWo1'a2:NqE"}},
    {"5w-A",  {"AWo1iIA",      "TWo1iIA",      "TWo1'iIAiI",     "IWo1iIA",      "TWo1iIA",      "NWo1iIA",      "TWo1'iIAW.",     "TWo1'eANqE",      "IWo1'iIAW.",     "TWo1'eANqE"}},
    // hollow, 1 2 the outer radicals: יָקִים, תָּקֵמְנָה, יָבִיא, תָּבֶאנָה
    {"5h",    {"Aq1iI2",       "Tq1iI2",       "Tq1'iI2iI",      "Iq1iI2",       "Tq1iI2",       "Nq1iI2",       "Tq1'iI2W.",      "Tq1'y2:NqE",      "Iq1'iI2W.",      "Tq1'y2:NqE"}},
    {"5h-a",  {"Aq1iI2",       "Tq1iI2",       "Tq1'iI2iI",      "Iq1iI2",       "Tq1iI2",       "Nq1iI2",       "Tq1'iI2W.",      "Tq1'a2:NqE",      "Iq1'iI2W.",      "Tq1'a2:NqE"}},
    {"5h-A",  {"Aq1iIA",       "Tq1iIA",       "Tq1'iIAiI",      "Iq1iIA",       "Tq1iIA",       "Nq1iIA",       "Tq1'iIAW.",      "Tq1'eANqE",       "Iq1'iIAW.",      "Tq1'eANqE"}},
    // first radical assimilated, 1 2 the radicals after it: יַכִּיר, תַּגַּעְנָה
    {"5n",    {"Aa1.iI2",      "Ta1.iI2",      "Ta1.'iI2iI",     "Ia1.iI2",      "Ta1.iI2",      "Na1.iI2",      "Ta1.'iI2W.",     "Ta1.'y2:NqE",     "Ia1.'iI2W.",     "Ta1.'y2:NqE"}},
    {"5n-a",  {"Aa1.iI2",      "Ta1.iI2",      "Ta1.'iI2iI",     "Ia1.iI2",      "Ta1.iI2",      "Na1.iI2",      "Ta1.'iI2W.",     "Ta1.'a2:NqE",     "Ia1.'iI2W.",     "Ta1.'a2:NqE"}},
    // geminate, three letters: יָפֵר, תָּסֵבִּי
    {"5gem",  {"Aq1y2",        "Tq1y2",        "Tq1'y2.iI",      "Iq1y2",        "Tq1y2",        "Nq1y2",        "Tq1'y2.W.",      "Tq1'y2:NqE",      "Iq1'y2.W.",      "Tq1'y2:NqE"}},
    // III-he: יַרְאֶה; first radical assimilated יַכֶּה; A, E or O first יַעֲלֶה
    {"5e",    {"Aa1:2eE",      "Ta1:2eE",      "Ta1:2iI",        "Ia1:2eE",      "Ta1:2eE",      "Na1:2eE",      "Ta1:2W.",        "Ta1:2'eINqE",     "Ia1:2W.",        "Ta1:2'eINqE"}},
    {"5e-n",  {"Aa1.eE",       "Ta1.eE",       "Ta1.iI",         "Ia1.eE",       "Ta1.eE",       "Na1.eE",       "Ta1.W.",         "Ta1.'eINqE",      "Ia1.W.",         "Ta1.'eINqE"}},
    {"5e-g",  {"Aa1:a2eE",     "Ta1:a2eE",     "Ta1:a2iI",       "Ia1:a2eE",     "Ta1:a2eE",     "Na1:a2eE",     "Ta1:a2W.",       "Ta1:a2'eINqE",    "Ia1:a2W.",       "Ta1:a2'eINqE"}},

    // Huf'al, 1 2 3 the radicals after EW: יֻגְדַּל, יֻמְצָא, יָרְאֶה
    {"6",     {"Au1:2a3",      "Tu1:2a3",      "Tu1:2:3iI",      "Iu1:2a3",      "Tu1:2a3",      "Nu1:2a3",      "Tu1:2:3W.",      "Tu1:2'a3:NqE",    "Iu1:2:3W.",      "Tu1:2'a3:NqE"}},
    {"6-A",   {"Au1:2qA",      "Tu1:2qA",      "Tu1:2:AiI",      "Iu1:2qA",      "Tu1:2qA",      "Nu1:2qA",      "Tu1:2:AW.",      "Tu1:2'eANqE",     "Iu1:2:AW.",      "Tu1:2'eANqE"}},
    {"6-e",   {"Au1:2eE",      "Tu1:2eE",      "Tu1:2iI",        "Iu1:2eE",      "Tu1:2eE",      "Nu1:2eE",      "Tu1:2W.",        "Tu1:2'eINqE",     "Iu1:2W.",        "Tu1:2'eINqE"}},
    // hollow and I first, shuruk: יוּקַם, יוּבָא
    {"6w",    {"AW.1a2",       "TW.1a2",       "TW.1:2iI",       "IW.1a2",       "TW.1a2",       "NW.1a2",       "TW.1:2W.",       "TW.1'a2:NqE",     "IW.1:2W.",       "TW.1'a2:NqE"}},
    {"6w-A",  {"AW.1qA",       "TW.1qA",       "TW.1:AiI",       "IW.1qA",       "TW.1qA",       "NW.1qA",       "TW.1:AW.",       "TW.1'eANqE",      "IW.1:AW.",       "TW.1'eANqE"}},
    // first radical assimilated: יֻכַּר, יֻכֶּה
    {"6n",    {"Au1.a2",       "Tu1.a2",       "Tu1.:2iI",       "Iu1.a2",       "Tu1.a2",       "Nu1.a2",       "Tu1.:2W.",       "Tu1.'a2:NqE",     "Iu1.:2W.",       "Tu1.'a2:NqE"}},
    {"6n-e",  {"Au1.eE",       "Tu1.eE",       "Tu1.iI",         "Iu1.eE",       "Tu1.eE",       "Nu1.eE",       "Tu1.W.",         "Tu1.'eINqE",      "Iu1.W.",         "Tu1.'eINqE"}},

    // Hitpa'el, 1 2 3 4 the letters after E (the T of the stem first, or after a sibilant): יִתְלַבֵּשׁ, יִשְׁתַּמֵּשׁ
    {"7",     {"Ae1:2a3.y4",   "Ti1:2a3.y4",   "Ti1:2a3.:4iI",   "Ii1:2a3.y4",   "Ti1:2a3.y4",   "Ni1:2a3.y4",   "Ti1:2a3.:4W.",   "Ti1:2a3.'y4:NqE", "Ii1:2a3.:4W.",   "Ti1:2a3.'y4:NqE"}},
    {"7-a",   {"Ae1:2a3.y4",   "Ti1:2a3.y4",   "Ti1:2a3.:4iI",   "Ii1:2a3.y4",   "Ti1:2a3.y4",   "Ni1:2a3.y4",   "Ti1:2a3.:4W.",   "Ti1:2a3.'a4:NqE", "Ii1:2a3.:4W.",   "Ti1:2a3.'a4:NqE"}},
    {"7-A",   {"Ae1:2a3.yA",   "Ti1:2a3.yA",   "Ti1:2a3.:AiI",   "Ii1:2a3.yA",   "Ti1:2a3.yA",   "Ni1:2a3.yA",   "Ti1:2a3.:AW.",   "Ti1:2a3.'eANqE",  "Ii1:2a3.:AW.",   "Ti1:2a3.'eANqE"}},
    {"7-e",   {"Ae1:2a3.eE",   "Ti1:2a3.eE",   "Ti1:2a3.iI",     "Ii1:2a3.eE",   "Ti1:2a3.eE",   "Ni1:2a3.eE",   "Ti1:2a3.W.",     "Ti1:2a3.'eINqE",  "Ii1:2a3.W.",     "Ti1:2a3.'eINqE"}},
    // a middle R or A: יִצְטָרֵךְ, יִתְרָאֶה; with a guttural last, תִּתְפָּרַעְנָה
    {"7r",    {"Ae1:2q3y4",    "Ti1:2q3y4",    "Ti1:2q3:4iI",    "Ii1:2q3y4",    "Ti1:2q3y4",    "Ni1:2q3y4",    "Ti1:2q3:4W.",    "Ti1:2q3'y4:NqE",  "Ii1:2q3:4W.",    "Ti1:2q3'y4:NqE"}},
    {"7r-e",  {"Ae1:2q3eE",    "Ti1:2q3eE",    "Ti1:2q3iI",      "Ii1:2q3eE",    "Ti1:2q3eE",    "Ni1:2q3eE",    "Ti1:2q3W.",      "Ti1:2q3'eINqE",   "Ii1:2q3W.",      "Ti1:2q3'eINqE"}},
    {"7r-a",  {"Ae1:2q3y4",    "Ti1:2q3y4",    "Ti1:2q3:4iI",    "Ii1:2q3y4",    "Ti1:2q3y4",    "Ni1:2q3y4",    "Ti1:2q3:4W.",    "Ti1:2q3'a4:NqE",  "Ii1:2q3:4W.",    "Ti1:2q3'a4:NqE"}},
    // four radicals, the T first or after a sibilant: יִתְגַּלְגֵּל, יִשְׁתַּעְשֵׁעַ
    {"7q",    {"Ae1:2a3:4y5",  "Ti1:2a3:4y5",  "Ti1:2a3:4:5iI",  "Ii1:2a3:4y5",  "Ti1:2a3:4y5",  "Ni1:2a3:4y5",  "Ti1:2a3:4:5W.",  "Ti1:2a3:4'y5:NqE","Ii1:2a3:4:5W.",  "Ti1:2a3:4'y5:NqE"}},
    {"7q-a",  {"Ae1:2a3:4y5",  "Ti1:2a3:4y5",  "Ti1:2a3:4:5iI",  "Ii1:2a3:4y5",  "Ti1:2a3:4y5",  "Ni1:2a3:4y5",  "Ti1:2a3:4:5W.",  "Ti1:2a3:4'a5:NqE","Ii1:2a3:4:5W.",  "Ti1:2a3:4'a5:NqE"}},
    // hitpolel, holam male after the first radical: יִתְבּוֹנֵן
    {"7-polel", {"AeT:1Wo3y4", "TiT:1Wo3y4",   "TiT:1Wo3:4iI",   "IiT:1Wo3y4",   "TiT:1Wo3y4",   "NiT:1Wo3y4",   "TiT:1Wo3:4W.",   "TiT:1Wo3'y4:NqE", "IiT:1Wo3:4W.",   "TiT:1Wo3'y4:NqE"}},
};

// clang-format on

bool assimilatesFirst(char second, char third) {
  return hasAssimilatedFirst(std::string{second, third});
}

// Qal. The row choice follows the modern rules (same flags, same lists),
// split further where the points differ.
RowChoice chooseClass1(const AnalysedRoot& r) {
  const PatternValues args{r.rad1, r.rad2, r.rad3};
  const bool a = modern::qalTakesA(r);
  const bool gutturalFirst = isGuttural(r.rad1) && r.rad1 != 'A';
  // LQH loses its L as an N-first root its N.
  if (r.root == "LQH") return {"1n-a", args};
  if (r.nunNun) return {"1n-y", args};
  if (r.root == "ELK") return {"1y", args};  // הלך goes as a yeshev verb
  if (r.r1IsN && r.r3IsE) return {"1n-e", args};
  if (r.r1IsN && isGuttural(r.rad2)) return {"1a", args};  // the N stays: יִנְהַג
  if (r.r1IsN && r.r3IsA) return {"1n-A", args};
  if (r.r1IsN) return {a ? "1n-a" : "1n", args};
  if (r.r1IsA && isOkhalType(r.root) && r.r3IsE) return {"1k-e", args};
  // A guttural first with I second keeps hiriq: יִהְיֶה, יִחְיֶה.
  if (r.r3IsE) return {gutturalFirst && !r.r2IsI ? "1e-g" : "1e", args};
  if (r.r2IsW || r.r2IsI) {
    if (r.r2IsI && !isHollowWithW(r.root)) return {"1i", args};
    if (r.r3IsA) return {"1u-A", args};
    return {isHetOrAyin(r.rad3) ? "1u-a" : "1u", args};
  }
  if (r.r2EqR3) return {isHetOrAyin(r.rad3) ? "1u-a" : "1u", args};
  if (r.r1IsI && keepsFirstI(r.root)) return {r.r3IsA ? "1yi-A" : "1yi", args};
  if (r.r1IsI) return {r.r3IsA ? "1y-A" : a ? "1y-a" : "1y", args};
  if (r.r3IsA) return {gutturalFirst ? "1A-g" : "1A", args};
  if (r.r1IsA && (isOkhalType(r.root) || a)) return {isGuttural(r.rad2) ? "1k-g" : "1k", args};
  if (r.r1IsA) return {"1o-e", args};
  if (a) return {gutturalFirst ? "1a-g" : "1a", args};
  if (r.rad1 == 'H') return {"1o-h", args};
  if (gutturalFirst) return {"1o-g", args};
  return {"1o", args};
}

// Nif'al. A root written with I after its N (ניצל) is an N-first root
// whose N is doubled: יִנָּצֵל.
RowChoice chooseClass2(const AnalysedRoot& r) {
  const char first = r.rad1 == 'I' ? 'N' : r.rad1;
  const PatternValues args{first, r.rad2, r.rad3};
  const bool g = isGuttural(first) || first == 'R';
  if (r.r3IsE) return {g ? "2g-e" : "2-e", args};
  if (r.r3IsA) return {g ? "2g-A" : "2-A", args};
  if (r.root.size() == 3 && r.r2EqR3) return {"2-gem", args};
  if (isHetOrAyin(r.rad3)) return {g ? "2g-a" : "2-a", args};
  return {g ? "2g" : "2", args};
}

// Pi'el (3) and pu'al (4), from the radicals as modern::intensiveRoot
// reads them (a doubled W or I middle is one letter with dagesh).
std::optional<RowChoice> chooseIntensive(const AnalysedRoot& r) {
  const modern::IntensiveRoot in = modern::intensiveRoot(r);
  const bool pual = r.klasse == 4;
  const std::string& m = in.middle;
  if (m.empty()) return std::nullopt;
  const bool doubledMiddle = m.size() == 2 && m[0] == m[1] && (m[0] == 'W' || m[0] == 'I');
  if (m.size() == 2 && !doubledMiddle) {
    const bool polel = !pual && m[0] == 'W' && m[1] == in.last;
    return RowChoice{pual ? "4q" : polel ? "3-polel" : "3q", {in.first, m[0], m[1], in.last}};
  }
  if (m.size() > 2) return std::nullopt;
  const PatternValues args{in.first, m[0], in.last};
  const bool rOrA = refusesDoubling(m[0]);
  if (pual) {
    if (in.last == 'E') return RowChoice{"4-e", args};
    if (in.last == 'A') return RowChoice{"4-A", args};
    return RowChoice{rOrA ? "4r" : "4", args};
  }
  if (in.last == 'E') return RowChoice{rOrA ? "3r-e" : "3-e", args};
  if (in.last == 'A') return RowChoice{"3-A", args};
  if (isHetOrAyin(in.last)) return RowChoice{rOrA ? "3r-a" : "3-a", args};
  return RowChoice{rOrA ? "3r" : "3", args};
}

// Hif'il, by the variants of the root analysis (hebrew/root.h).
std::optional<RowChoice> chooseClass5(const AnalysedRoot& r) {
  const std::string& s = r.stem;
  if (s.empty()) return std::nullopt;
  if (r.variant == kVariantFinalE) {
    if (s.size() == 1) return RowChoice{"5e-n", {s[0]}};
    const bool g = isGuttural(s[0]) && s[0] != 'H';
    return RowChoice{g ? "5e-g" : "5e", {s[0], s[1]}};
  }
  if (r.variant == kVariantThreeLetters) return RowChoice{"5gem", {s[0], r.rad3}};
  if (s.size() == 1) {
    if (assimilatesFirst(s[0], r.rad3))
      return RowChoice{isHetOrAyin(r.rad3) ? "5n-a" : "5n", {s[0], r.rad3}};
    if (r.rad3 == 'A') return RowChoice{"5h-A", {s[0]}};
    return RowChoice{isHetOrAyin(r.rad3) ? "5h-a" : "5h", {s[0], r.rad3}};
  }
  if (s.size() != 2) return std::nullopt;
  if (s[0] == 'W') {
    if (r.rad3 == 'A') return RowChoice{"5w-A", {s[1]}};
    return RowChoice{isHetOrAyin(r.rad3) ? "5w-a" : "5w", {s[1], r.rad3}};
  }
  const PatternValues args{s[0], s[1], r.rad3};
  if (r.rad3 == 'A') return RowChoice{"5-A", args};
  if (isGuttural(s[0]) && s[0] != 'H') return RowChoice{"5g", args};
  return RowChoice{isHetOrAyin(r.rad3) ? "5-a" : "5", args};
}

// Huf'al: the letters after EW.
std::optional<RowChoice> chooseClass6(const AnalysedRoot& r) {
  const std::string_view s = rootFrom(r.root, 2);
  if (s.size() == 2) {
    if (s[1] == 'E') return RowChoice{"6n-e", {s[0]}};
    if (assimilatesFirst(s[0], s[1])) return RowChoice{"6n", {s[0], s[1]}};
    if (s[1] == 'A') return RowChoice{"6w-A", {s[0]}};
    return RowChoice{"6w", {s[0], s[1]}};
  }
  if (s.size() != 3) return std::nullopt;
  const PatternValues args{s[0], s[1], s[2]};
  if (s[2] == 'E') return RowChoice{"6-e", args};
  if (s[2] == 'A') return RowChoice{"6-A", args};
  return RowChoice{"6", args};
}

// Hitpa'el: stem7 is the root after its E, without a final E.
std::optional<RowChoice> chooseClass7(const AnalysedRoot& r) {
  const std::string& s = r.stem7;
  if (r.variant == kVariantFinalE && s.size() == 3) {
    const bool rOrA = refusesDoubling(s[2]);
    return RowChoice{rOrA ? "7r-e" : "7-e", {s[0], s[1], s[2]}};
  }
  if (r.variant == kVariantFinalE) return std::nullopt;
  if (s.size() == 5 && s[0] == 'T' && s[2] == 'W') {
    return RowChoice{"7-polel", {s[1], s[2], s[3], s[4]}};
  }
  if (s.size() == 5)
    return RowChoice{isHetOrAyin(s[4]) ? "7q-a" : "7q", {s[0], s[1], s[2], s[3], s[4]}};
  if (s.size() != 4) return std::nullopt;
  const PatternValues args{s[0], s[1], s[2], s[3]};
  if (s[3] == 'A') return RowChoice{"7-A", args};
  if (refusesDoubling(s[2])) return RowChoice{isHetOrAyin(s[3]) ? "7r-a" : "7r", args};
  if (isHetOrAyin(s[3])) return RowChoice{"7-a", args};
  return RowChoice{"7", args};
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

}  // namespace

void writeFuture(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                 const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseRow(root);
  if (!choice) return;
  writeRow(
      Block::Future, kFutureSlots, findRow(kRows, choice->row), root.klasse, choice->args, s,
      [&](std::string_view code) -> const std::string& { return woord.toek(code); }, sink);
}

}  // namespace morfenaar::pointed
