// Infinitive with vowel points: one row per class and weak-root case, each
// with its two shapes, with L (the Dutch infinitive) and with M ("om "
// before it); none for classes 4 and 6. The M-shape is the preposition
// min: mi with the next letter doubled (מִכְּתֹב), me before he
// (מֵהַכְתִּיב). The letters 1 to 5 are the root's consonants, as in the
// imperative.
#include <optional>
#include <string>

#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/root_letters.h"
#include "hebrew/pointed/rows.h"
#include "hebrew/pointed/sound_rules.h"
#include "hebrew/root_lists.h"
#include "hebrew/shared_rows.h"

namespace morfenaar::pointed {

namespace {

using modern::isGuttural;

// clang-format off
constexpr Row kRows[] = {
    // row      L-shape            M-shape
    // qal: לִכְתֹּב; A first לֶאֱכֹל; H first לַחְשֹׁב; E or O first לַעֲבֹד
    {"1o",    {"Li1:2o3",        "Mi1.:2o3"}},
    {"1o-A",  {"Le1:e2o3",       "My1:e2o3"}},
    {"1o-H",  {"La1:2o3",        "My1:a2o3"}},
    {"1o-G",  {"La1:a2o3",       "My1:a2o3"}},
    // qal, N first assimilated: לִפֹּל; I first of the yirash type: לִישֹׁן
    {"1n",    {"Li2.o3",         "Mi2.o3"}},
    {"1Io",   {"LiI2o3",         "MiI2o3"}},
    // qal, AMR: לוֹמַר
    {"1amr",  {"LWo2a3",         "MWo2a3"}},
    // qal, the first radical dropped and T added: לָשֶׁבֶת לָלֶכֶת, with a
    // guttural last לָדַעַת לָקַחַת, with A last לָשֵׂאת; NTN לָתֵת
    {"1at",   {"Lq2'e3eT",       "Mi2.'e3eT"}},
    {"1at-a", {"Lq2'a3aT",       "Mi2.'a3aT"}},
    {"1at-A", {"Lq2y3T",         "Mi2.y3T"}},
    {"1tet",  {"Lq2yT",          "Mi2.yT"}},
    // qal, He last: לִבְנוֹת; A first לֶאֱפוֹת; E, H or O first לַעֲלוֹת; היה
    // and חיה לִהְיוֹת מִהְיוֹת
    {"1e",    {"Li1:2WoT",       "Mi1.:2WoT"}},
    {"1e-HI", {"Li1:2WoT",       "Mi1:2WoT"}},
    {"1e-A",  {"Le1:e2WoT",      "My1:e2WoT"}},
    {"1e-G",  {"La1:a2WoT",      "My1:a2WoT"}},
    // qal, hollow: לָקוּם לָשִׂים לָבוֹא; the last two radicals alike: לָסֹב
    {"1u",    {"Lq1W.3",         "Mi1.W.3"}},
    {"1i",    {"Lq1iI3",         "Mi1.iI3"}},
    {"1bo",   {"Lq1Wo3",         "Mi1.Wo3"}},
    {"1gem",  {"Lq1o3",          "Mi1.o3"}},
    // nif'al: לְהִכָּתֵב; a guttural last לְהִפָּתַח; He last לְהִבָּנוֹת;
    // two letters לְהִסֵּב; hollow לְהִכּוֹן
    {"2",     {"L:Ei1.q2y3",     "MyEi1.q2y3"}},
    {"2-a",   {"L:Ei1.q2a3",     "MyEi1.q2a3"}},
    {"2-e",   {"L:Ei1.q2WoT",    "MyEi1.q2WoT"}},
    {"2-gem", {"L:Ei1.y2",       "MyEi1.y2"}},
    {"2-u",   {"L:Ei1.Wo3",      "MyEi1.Wo3"}},
    // pi'el: לְדַבֵּר; He last לְגַלּוֹת; four letters לְתַרְגֵּם; a hollow root
    // with its last radical twice לְכוֹנֵן
    {"3",     {"L:1a2.y3",       "Mi1.a2.y3"}},
    {"3-e",   {"L:1a2.WoT",      "Mi1.a2.WoT"}},
    {"3-4",   {"L:1a2:3y4",      "Mi1.a2:3y4"}},
    {"3-wo",  {"L:1Wo3y4",       "Mi1.Wo3y4"}},
    // hif'il: לְהַכְתִּיב; A or O first לְהַאֲמִין; W first לְהוֹרִיד; He last
    // לְהַפְנוֹת, one letter before it לְהַכּוֹת, W first לְהוֹדוֹת; hollow
    // לְהָקִים; N first assimilated לְהַכִּיר; geminate לְהָפֵר
    {"5",     {"L:Ea1:2iI3",     "MyEa1:2iI3"}},
    {"5-G",   {"L:Ea1:a2iI3",    "MyEa1:a2iI3"}},
    {"5-w",   {"L:EWo2iI3",      "MyEWo2iI3"}},
    {"5-e",   {"L:Ea1:2WoT",     "MyEa1:2WoT"}},
    {"5-e1",  {"L:Ea1.WoT",      "MyEa1.WoT"}},
    {"5-we",  {"L:EWo2WoT",      "MyEWo2WoT"}},
    {"5-h",   {"L:Eq1iI2",       "MyEq1iI2"}},
    {"5-n",   {"L:Ea1.iI2",      "MyEa1.iI2"}},
    {"5-gem", {"L:Eq1y2",        "MyEq1y2"}},
    // hitpa'el: לְהִתְלַבֵּשׁ לְהִשְׁתַּמֵּשׁ; He last לְהִתְפַּנּוֹת; a hollow root
    // with its last radical twice לְהִתְבּוֹנֵן; four radicals לְהִתְפַּרְסֵם
    {"7",     {"L:Ei1:2a3.y4",   "MyEi1:2a3.y4"}},
    {"7-e",   {"L:Ei1:2a3.WoT",  "MyEi1:2a3.WoT"}},
    {"7-wo",  {"L:Ei1:2Wo4y4",   "MyEi1:2Wo4y4"}},
    {"7-q",   {"L:Ei1:2a3:4y5",  "MyEi1:2a3:4y5"}},
};
// clang-format on

// The T-infinitive by the last radical: a after H and O, an A that is not
// said, e otherwise.
std::string_view atRow(const AnalysedRoot& r) {
  if (r.r3IsA) return "1at-A";
  return isHetOrAyin(r.rad3) ? "1at-a" : "1at";
}

std::string_view chooseClass1(const AnalysedRoot& r) {
  if (r.root == "AMR") return "1amr";
  if (takesAtInfinitive(r.root)) return atRow(r);
  if (r.nunNun) return "1tet";
  if (r.r3IsE) {
    // היה and חיה keep the silent shva: לִהְיוֹת.
    if (r.r1IsA) return "1e-A";
    if ((r.rad1 == 'E' || r.rad1 == 'H') && r.r2IsI) return "1e-HI";
    return isGuttural(r.rad1) ? "1e-G" : "1e";
  }
  if (r.r2IsW || r.r2IsI) {
    if (r.r2IsI && !isHollowWithW(r.root)) return "1i";
    return r.r3IsA ? "1bo" : "1u";
  }
  if (r.r2EqR3) return "1gem";
  if (r.r1IsI && !keepsFirstI(r.root)) return atRow(r);
  if (r.r1IsN && !isGuttural(r.rad2)) return "1n";
  if (r.r1IsI) return "1Io";
  if (r.r1IsA) return "1o-A";
  if (r.rad1 == 'H') return "1o-H";
  return isGuttural(r.rad1) ? "1o-G" : "1o";
}

std::optional<std::string_view> chooseRow(const AnalysedRoot& r, PatternArgs letters) {
  switch (r.klasse) {
    case 1:
      return chooseClass1(r);
    case 2:
      if (r.root.size() == 3 && r.r2EqR3) return "2-gem";
      if (r.root.size() == 4 && r.r2IsW) return "2-u";
      if (r.r3IsE) return "2-e";
      return isHetOrAyin(r.rad3) ? "2-a" : "2";
    case 3:
      if (isPolel(letters)) return "3-wo";
      if (letters.size() == 4) return "3-4";
      return letters[2].letter == 'E' ? "3-e" : "3";
    case 5:
      return hifilCase(r);
    case 7:
      if (r.variant == kVariantFinalE) return "7-e";
      if (r.stem7.size() == 5 && r.stem7[2] == 'W' && r.stem7[3] == r.stem7[4]) return "7-wo";
      if (r.stem7.size() == 5) return "7-q";
      return "7";
    default:
      return std::nullopt;  // 4 and 6 have no infinitive
  }
}

}  // namespace

void writeInfinitive(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                     const RecordSink& sink) {
  const PatternValues letters = rootLetters(root);
  std::optional<std::string_view> name = chooseRow(root, letters);
  if (!name) return;
  const Row& row = findRow(kRows, *name);
  const std::string& onbep = woord.onbep();
  auto pattern = [&](std::string_view form) {
    return soundRules(classLetterRules(root.klasse, form, letters), letters);
  };
  const PointedForm l = vocalise(pattern(row.forms[0]), letters, s);
  sink(Record{Block::Infinitive, "", l.hebrew, onbep, l.uitspraak});
  const PointedForm m = vocalise(pattern(row.forms[1]), letters, s);
  sink(Record{Block::Infinitive, "", m.hebrew, "om " + onbep, m.uitspraak});
}

}  // namespace morfenaar::pointed
