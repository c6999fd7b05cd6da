// Imperative with vowel points: one row per class and weak-root case; none
// for classes 4 and 6. The letters 1 to 5 of a row are the root's
// consonants (rootLetters); the rows are read through classLetterRules and soundRules first.
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/root_letters.h"
#include "hebrew/pointed/rows.h"
#include "hebrew/pointed/sound_rules.h"
#include "hebrew/root_lists.h"
#include "hebrew/shared_rows.h"

namespace morfenaar::pointed {

using modern::isGuttural;
using modern::qalTakesA;

namespace {

// clang-format off
constexpr Row kRows[] = {
    // row      2sm            2sf              2pm              2pf
    // qal, o: כְּתֹב; the shva of כִּתְבִי was once said, so no dagesh lene
    {"1o",    {"1:2o3",       "1i2:3_iI",      "1i2:3_W.",      "1:2'o3:NqE"}},
    // qal, A first: אֱכֹל, with a guttural second אֱחֹז אֶחֱזִי, with a אֱהַב
    {"1o-A",  {"1:e2o3",      "1i2:3_iI",      "1i2:3_W.",      "1:e2'o3:NqE"}},
    {"1o-AG", {"1:e2o3",      "1e2:e3iI",      "1e2:e3W.",      "1:e2'o3:NqE"}},
    {"1a-AG", {"1:e2a3",      "1e2:e3iI",      "1e2:e3W.",      "1:e2'a3:NqE"}},
    // qal, a: לְמַד, שְׁלַח; with a guttural second בְּחַר בַּחֲרִי; A last קְרָא
    {"1a",    {"1:2a3",       "1i2:3_iI",      "1i2:3_W.",      "1:2'a3:NqE"}},
    {"1a-G",  {"1:2a3",       "1a2:a3iI",      "1a2:a3W.",      "1:2'a3:NqE"}},
    {"1a-A",  {"1:2q3",       "1i2:3iI",       "1i2:3W.",       "1:2'a3:NqE"}},
    // qal, He last: בְּנֵה; היה and חיה: הֱיֵה הֲיִי; A first אֱפֵה
    {"1e",    {"1:2yE",       "1:2iI",         "1:2W.",         "1:2'eINqE"}},
    {"1e-HI", {"1:e2yE",      "1:a2iI",        "1:e2W.",        "1:e2'eINqE"}},
    {"1e-A",  {"1:e2yE",      "1:e2iI",        "1:e2W.",        "1:e2'eINqE"}},
    // qal, the first radical dropped (I first of the yeshev type, N first
    // with a, HLK, LQH, NTN): שֵׁב לֵךְ תֵּן צֵא, סַע דַּע קַח, שָׂא
    {"1-e",   {"2y3",         "2:3iI",         "2:3W.",         "2'y3:NqE"}},
    {"1-a",   {"2a3",         "2:3iI",         "2:3W.",         "2'a3:NqE"}},
    {"1-qA",  {"2q3",         "2:3iI",         "2:3W.",         "2'a3:NqE"}},
    // qal, hollow: קוּם קֹמְנָה, נוּחַ נַחְנָה, שִׂים שֵׂמְנָה, בּוֹא
    {"1u",    {"1W.3",        "1'W.3iI",       "1'W.3W.",       "1'o3:NqE"}},
    {"1u-a",  {"1W.3",        "1'W.3iI",       "1'W.3W.",       "1'a3:NqE"}},
    {"1i",    {"1iI3",        "1'iI3iI",       "1'iI3W.",       "1'y3:NqE"}},
    {"1bo",   {"1Wo3",        "1'Wo3iI",       "1'Wo3W.",       "1'o3:NqE"}},
    // qal, the last two radicals alike: סֹב סֹבִּי סֻבֶּינָה
    {"1gem",  {"1o3",         "1'o3.iI",       "1'o3.W.",       "1u3.'eINqE"}},
    // nif'al: הִכָּתֵב הִכָּתֵבְנָה; a guttural last הִפָּתַח הִפָּתַחְנָה; He last
    // הִבָּנֵה; two letters (a geminate root) הִסֵּב; hollow הִכּוֹן
    {"2",     {"Ei1.q2y3",    "Ei1.q2:3iI",    "Ei1.q2:3W.",    "Ei1.q2'y3:NqE"}},
    {"2-a",   {"Ei1.q2a3",    "Ei1.q2:3iI",    "Ei1.q2:3W.",    "Ei1.q2'a3:NqE"}},
    {"2-e",   {"Ei1.q2yE",    "Ei1.q2iI",      "Ei1.q2W.",      "Ei1.q2'eINqE"}},
    {"2-gem", {"Ei1.y2",      "Ei1.a2.iI",     "Ei1.a2.W.",     "Ei1.a2.'eINqE"}},
    {"2-u",   {"Ei1.Wo3",     "Ei1.'Wo3iI",    "Ei1.'Wo3W.",    "Ei1.'o3:NqE"}},
    // pi'el: דַּבֵּר; a guttural last שַׁלֵּחַ שַׁלַּחְנָה; He last גַּלֵּה; four
    // letters תַּרְגֵּם; a hollow root with its last radical twice כּוֹנֵן
    {"3",     {"1a2.y3",      "1a2.:3iI",      "1a2.:3W.",      "1a2.'y3:NqE"}},
    {"3-a",   {"1a2.y3",      "1a2.:3iI",      "1a2.:3W.",      "1a2.'a3:NqE"}},
    {"3-e",   {"1a2.yE",      "1a2.iI",        "1a2.W.",        "1a2.'eINqE"}},
    {"3-4",   {"1a2:3y4",     "1a2:3:4iI",     "1a2:3:4W.",     "1a2:3'y4:NqE"}},
    {"3-wo",  {"1Wo3y4",      "1Wo3:4iI",      "1Wo3:4W.",      "1Wo3'y4:NqE"}},
    // hif'il: הַכְתֵּב הַכְתִּיבִי; a guttural last takes patah for the tsere,
    // הַצְלַח הַצְלַחְנָה; A or O first הַאֲמֵן; W first הוֹרֵד, with a
    // guttural last הוֹדַע הוֹדַעְנָה; He last הַפְנֵה, one letter before it
    // הַכֵּה; hollow הָקֵם, with a guttural last הָנַח; N first assimilated
    // הַכֵּר, with a guttural last הַגַּע; geminate הָפֵר
    {"5",     {"Ea1:2y3",     "Ea1:2'iI3iI",   "Ea1:2'iI3W.",   "Ea1:2'y3:NqE"}},
    {"5-a",   {"Ea1:2a3",     "Ea1:2'iI3iI",   "Ea1:2'iI3W.",   "Ea1:2'a3:NqE"}},
    {"5-G",   {"Ea1:a2y3",    "Ea1:a2'iI3iI",  "Ea1:a2'iI3W.",  "Ea1:a2'y3:NqE"}},
    {"5-w",   {"EWo2y3",      "EWo2'iI3iI",    "EWo2'iI3W.",    "EWo2'y3:NqE"}},
    {"5-wa",  {"EWo2a3",      "EWo2'iI3iI",    "EWo2'iI3W.",    "EWo2'a3:NqE"}},
    {"5-e",   {"Ea1:2yE",     "Ea1:2iI",       "Ea1:2W.",       "Ea1:2'eINqE"}},
    {"5-e1",  {"Ea1.yE",      "Ea1.iI",        "Ea1.W.",        "Ea1.'eINqE"}},
    {"5-we",  {"EWo2yE",      "EWo2iI",        "EWo2W.",        "EWo2'eINqE"}},
    {"5-h",   {"Eq1y2",       "Eq1'iI2iI",     "Eq1'iI2W.",     "Eq1'y2:NqE"}},
    {"5-ha",  {"Eq1a2",       "Eq1'iI2iI",     "Eq1'iI2W.",     "Eq1'a2:NqE"}},
    {"5-n",   {"Ea1.y2",      "Ea1.'iI2iI",    "Ea1.'iI2W.",    "Ea1.'y2:NqE"}},
    {"5-na",  {"Ea1.a2",      "Ea1.'iI2iI",    "Ea1.'iI2W.",    "Ea1.'a2:NqE"}},
    {"5-gem", {"Eq1y2",       "Eq1'y2.iI",     "Eq1'y2.W.",     "Eq1'y2:NqE"}},
    // hitpa'el: הִתְלַבֵּשׁ, הִשְׁתַּמֵּשׁ (the sibilant before the T); a guttural
    // last הִתְגַּלֵּחַ הִתְגַּלַּחְנָה; He last הִתְפַּנֵּה; a hollow root with its
    // last radical twice הִתְבּוֹנֵן; four radicals הִתְפַּרְסֵם, הִשְׁתַּעְשֵׁעַ
    {"7",     {"Ei1:2a3.y4",  "Ei1:2a3.:4iI",  "Ei1:2a3.:4W.",  "Ei1:2a3.'y4:NqE"}},
    {"7-a",   {"Ei1:2a3.y4",  "Ei1:2a3.:4iI",  "Ei1:2a3.:4W.",  "Ei1:2a3.'a4:NqE"}},
    {"7-e",   {"Ei1:2a3.yE",  "Ei1:2a3.iI",    "Ei1:2a3.W.",    "Ei1:2a3.'eINqE"}},
    {"7-wo",  {"Ei1:2Wo4y4",  "Ei1:2Wo4:4iI",  "Ei1:2Wo4:4W.",  "Ei1:2Wo4'y4:NqE"}},
    {"7-q",   {"Ei1:2a3:4y5", "Ei1:2a3:4:5iI", "Ei1:2a3:4:5W.", "Ei1:2a3:4'y5:NqE"}},
    {"7-qa",  {"Ei1:2a3:4y5", "Ei1:2a3:4:5iI", "Ei1:2a3:4:5W.", "Ei1:2a3:4'a5:NqE"}},
};
// clang-format on

std::string_view chooseClass1(const AnalysedRoot& r) {
  if (r.root == "LQH") return "1-a";
  if (r.root == "ELK" || r.nunNun) return "1-e";
  // N first with He last keeps its N: נְטֵה.
  if (r.r1IsN && !r.r3IsE && !isGuttural(r.rad2) && (qalTakesA(r) || r.r3IsA)) {
    return r.r3IsA ? "1-qA" : "1-a";
  }
  if (r.r3IsE) {
    if (r.r1IsA) return "1e-A";
    return (r.rad1 == 'E' || r.rad1 == 'H') && r.r2IsI ? "1e-HI" : "1e";
  }
  if (r.r2IsW || r.r2IsI) {
    if (r.r2IsI && !isHollowWithW(r.root)) return "1i";
    if (r.r3IsA) return "1bo";
    return isHetOrAyin(r.rad3) ? "1u-a" : "1u";
  }
  if (r.r2EqR3) return "1gem";
  if (r.r1IsI && !keepsFirstI(r.root)) {
    return isHetOrAyin(r.rad3) ? "1-a" : "1-e";
  }
  if (r.r1IsA) {
    // The okhal type has o whatever its second letter.
    const bool a = qalTakesA(r) && !isOkhalType(r.root);
    if (!isGuttural(r.rad2)) return a ? "1a" : "1o-A";
    return a ? "1a-AG" : "1o-AG";
  }
  // I first of the yirash type keeps its I and has a: יְרַשׁ.
  if (r.r3IsA) return "1a-A";
  if (qalTakesA(r) || r.r1IsI) return isGuttural(r.rad2) ? "1a-G" : "1a";
  return "1o";
}

std::string_view chooseClass2(const AnalysedRoot& r) {
  if (r.root.size() == 3 && r.r2EqR3) return "2-gem";
  if (r.root.size() == 4 && r.r2IsW) return "2-u";
  if (r.r3IsE) return "2-e";
  return isHetOrAyin(r.rad3) ? "2-a" : "2";
}

std::string_view chooseClass3(const PatternValues& letters) {
  const PatternArgs l = letters;
  if (isPolel(l)) return "3-wo";
  if (l.size() == 4) return "3-4";
  if (l[2].letter == 'E') return "3-e";
  return isHetOrAyin(l[2].letter) ? "3-a" : "3";
}

std::string_view chooseClass5(const AnalysedRoot& r) {
  std::string_view c = hifilCase(r);
  if (c == "5" && isHetOrAyin(r.rad3)) return "5-a";
  if (c == "5-w" && isHetOrAyin(r.rad3)) return "5-wa";
  if (c == "5-h" && isHetOrAyin(r.rad3)) return "5-ha";
  if (c == "5-n" && isHetOrAyin(r.rad3)) return "5-na";
  return c;
}

std::string_view chooseClass7(const AnalysedRoot& r) {
  if (r.variant == kVariantFinalE) return "7-e";
  const std::string& s = r.stem7;
  if (s.size() == 5 && s[2] == 'W' && s[3] == s[4]) return "7-wo";
  if (s.size() == 5) return isHetOrAyin(s[4]) ? "7-qa" : "7-q";
  return r.stem7.size() >= 4 && isHetOrAyin(r.stem7[3]) ? "7-a" : "7";
}

std::optional<RowChoice> chooseRow(const AnalysedRoot& r) {
  const PatternValues letters = rootLetters(r);
  switch (r.klasse) {
    case 1:
      return RowChoice{chooseClass1(r), letters};
    case 2:
      return RowChoice{chooseClass2(r), letters};
    case 3:
      return RowChoice{chooseClass3(letters), letters};
    case 5:
      return RowChoice{chooseClass5(r), letters};
    case 7:
      return RowChoice{chooseClass7(r), letters};
    default:
      return std::nullopt;  // 4 and 6 have no imperative
  }
}

}  // namespace

void writeImperative(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                     const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseRow(root);
  if (!choice) return;
  const PatternArgs args = choice->args;
  writeRow(
      Block::Imperative, kImperativeSlots, findRow(kRows, choice->row), root.klasse, args, s,
      [&](std::string_view code) -> const std::string& { return woord.geb(code); }, sink,
      [&](const std::string& pattern, std::size_t /*slot*/) { return soundRules(pattern, args); });
}

}  // namespace morfenaar::pointed
