// Participles with vowel points: one row per class and weak-root case.
//
// The feminine singular is a segolate (-e-et, stressed before the end:
// כּוֹתֶבֶת) wherever the masculine ends in a consonant; after a last H or O
// it has patah twice (-a-at: פּוֹתַחַת), after a last A tsere and T (-et:
// נוֹשֵׂאת). Those three endings are three rows of each family, chosen by
// the last radical (byLastRadical).
#include <algorithm>
#include <optional>
#include <string_view>

#include "hebrew/modern/rows.h"
#include "hebrew/pointed/pointed.h"
#include "hebrew/pointed/rows.h"
#include "hebrew/root_lists.h"
#include "hebrew/shared_rows.h"

namespace morfenaar::pointed {

namespace {

// clang-format off
constexpr Row kRows[] = {
    // row    sm               sf                pm                 pf
    // qal, active: holam after the first radical, tsere after the second
    {"1",    {"1Wo2y3",        "1Wo2'e3eT",      "1Wo2:3iIM",       "1Wo2:3WoT"}},
    {"1h",   {"1Wo2y3",        "1Wo2'a3aT",      "1Wo2:3iIM",       "1Wo2:3WoT"}},
    {"1a",   {"1Wo2y3",        "1Wo2y3T",        "1Wo2:3iIM",       "1Wo2:3WoT"}},
    // qal, final He: -e, -a, the He gone before -im, -ot
    {"1e",   {"1Wo2eE",        "1Wo2qE",         "1Wo2iIM",         "1Wo2WoT"}},
    // qal, hollow: the first and last radical with qamats
    {"1w",   {"1q3",           "1q3qE",          "1q3iIM",          "1q3WoT"}},
    // qal, hollow statives: tsere
    {"1wy",  {"1y3",           "1y3qE",          "1y3iIM",          "1y3WoT"}},
    // qal, statives: the adjective (qamats, tsere; the qamats reduced)
    {"1s",   {"1q2y3",         "1:2y3qE",        "1:2y3iIM",        "1:2y3WoT"}},
    // qal, geminate statives (TMM): qamats, the last radical doubled
    // before an ending
    {"1sd",  {"1q3",           "1a3.qE",         "1a3.iIM",         "1a3.WoT"}},
    // qal, the irregular היה and חיה (both final He with a weak middle):
    // הוֹוֶה from the by-form הוה, and the adjective חַי
    {"1hyh", {"EWoWeE",        "EWoWqE",         "EWoWiIM",         "EWoWWoT"}},
    {"1hyi", {"HaI",           "HaI.qE",         "HaI.iIM",         "HaI.WoT"}},

    // nif'al: ni- before the first radical, qamats after the second
    {"2",    {"Ni1:2q3",       "Ni1:2'e3eT",     "Ni1:2q3iIM",      "Ni1:2q3WoT"}},
    {"2h",   {"Ni1:2q3",       "Ni1:2'a3aT",     "Ni1:2q3iIM",      "Ni1:2q3WoT"}},
    {"2a",   {"Ni1:2q3",       "Ni1:2y3T",       "Ni1:2q3iIM",      "Ni1:2q3WoT"}},
    // nif'al, first radical A or O: ne- with hataf segol
    {"2g",   {"Ne1:e2q3",      "Ne1:e2'e3eT",    "Ne1:e2q3iIM",     "Ne1:e2q3WoT"}},
    {"2gh",  {"Ne1:e2q3",      "Ne1:e2'a3aT",    "Ne1:e2q3iIM",     "Ne1:e2q3WoT"}},
    {"2ga",  {"Ne1:e2q3",      "Ne1:e2y3T",      "Ne1:e2q3iIM",     "Ne1:e2q3WoT"}},
    // nif'al, first radical H or E: ne- with a silent shva
    {"2k",   {"Ne1:2q3",       "Ne1:2'e3eT",     "Ne1:2q3iIM",      "Ne1:2q3WoT"}},
    {"2kh",  {"Ne1:2q3",       "Ne1:2'a3aT",     "Ne1:2q3iIM",      "Ne1:2q3WoT"}},
    {"2ka",  {"Ne1:2q3",       "Ne1:2y3T",       "Ne1:2q3iIM",      "Ne1:2q3WoT"}},
    // nif'al, first radical W (NWLD): no- with holam male
    {"2w",   {"NWo2q3",        "NWo2'e3eT",      "NWo2q3iIM",       "NWo2q3WoT"}},
    {"2wh",  {"NWo2q3",        "NWo2'a3aT",      "NWo2q3iIM",       "NWo2q3WoT"}},
    {"2wa",  {"NWo2q3",        "NWo2y3T",        "NWo2q3iIM",       "NWo2q3WoT"}},
    // nif'al, first radical N written as I (NICL): the N assimilated
    {"2n",   {"Ni2.q3",        "Ni2.'e3eT",      "Ni2.q3iIM",       "Ni2.q3WoT"}},
    {"2nh",  {"Ni2.q3",        "Ni2.'a3aT",      "Ni2.q3iIM",       "Ni2.q3WoT"}},
    {"2na",  {"Ni2.q3",        "Ni2.y3T",        "Ni2.q3iIM",       "Ni2.q3WoT"}},
    // nif'al, hollow (NKWN): na-, holam male, the a reduced before an
    // ending
    {"2v",   {"Nq1Wo3",        "N:1Wo3qE",       "N:1Wo3iIM",       "N:1Wo3WoT"}},
    // nif'al, final He: -e, -et with yod, -im, -ot
    {"2e",   {"Ni1:2eE",       "Ni1:2yIT",       "Ni1:2iIM",        "Ni1:2WoT"}},
    {"2ge",  {"Ne1:e2eE",      "Ne1:e2yIT",      "Ne1:e2iIM",       "Ne1:e2WoT"}},
    {"2ke",  {"Ne1:2eE",       "Ne1:2yIT",       "Ne1:2iIM",        "Ne1:2WoT"}},
    // nif'al, geminate (NSB): na- with qamats, the last radical doubled
    // before an ending
    {"2d",   {"Nq1q3",         "N:1a3.qE",       "N:1a3.iIM",       "N:1a3.WoT"}},

    // pi'el: me-, patah, the middle radical doubled, tsere
    {"3",    {"M;1a2.y3",      "M;1a2.'e3eT",    "M;1a2.:3iIM",     "M;1a2.:3WoT"}},
    {"3h",   {"M;1a2.y3",      "M;1a2.'a3aT",    "M;1a2.:3iIM",     "M;1a2.:3WoT"}},
    {"3a",   {"M;1a2.y3",      "M;1a2.y3T",      "M;1a2.:3iIM",     "M;1a2.:3WoT"}},
    // pi'el, middle radical A or R: not doubled, qamats before it
    {"3r",   {"M;1q2y3",       "M;1q2'e3eT",     "M;1q2:3iIM",      "M;1q2:3WoT"}},
    {"3rh",  {"M;1q2y3",       "M;1q2'a3aT",     "M;1q2:3iIM",      "M;1q2:3WoT"}},
    {"3ra",  {"M;1q2y3",       "M;1q2y3T",       "M;1q2:3iIM",      "M;1q2:3WoT"}},
    // pi'el, final He
    {"3e",   {"M;1a2.eE",      "M;1a2.qE",       "M;1a2.iIM",       "M;1a2.WoT"}},
    {"3re",  {"M;1q2eE",       "M;1q2qE",        "M;1q2iIM",        "M;1q2WoT"}},
    // pi'el, four radicals (TRGM): patah, shva, tsere
    {"3q",   {"M;1a2:3y4",     "M;1a2:3'e4eT",   "M;1a2:3:4iIM",    "M;1a2:3:4WoT"}},
    {"3qh",  {"M;1a2:3y4",     "M;1a2:3'a4aT",   "M;1a2:3:4iIM",    "M;1a2:3:4WoT"}},
    {"3qa",  {"M;1a2:3y4",     "M;1a2:3y4T",     "M;1a2:3:4iIM",    "M;1a2:3:4WoT"}},

    // pi'el of hollow roots, the polel (KWNN, SWHH): holam male, the
    // last radical twice
    {"3o",   {"M;1Wo2y3",      "M;1Wo2'e3eT",    "M;1Wo2:3iIM",     "M;1Wo2:3WoT"}},
    {"3oh",  {"M;1Wo2y3",      "M;1Wo2'a3aT",    "M;1Wo2:3iIM",     "M;1Wo2:3WoT"}},

    // pu'al: me-, qubuts, the middle radical doubled, qamats
    {"4",    {"M;1u2.q3",      "M;1u2.'e3eT",    "M;1u2.q3iIM",     "M;1u2.q3WoT"}},
    {"4h",   {"M;1u2.q3",      "M;1u2.'a3aT",    "M;1u2.q3iIM",     "M;1u2.q3WoT"}},
    {"4a",   {"M;1u2.q3",      "M;1u2.y3T",      "M;1u2.q3iIM",     "M;1u2.q3WoT"}},
    // pu'al, middle radical A or R: not doubled, holam before it
    {"4r",   {"M;1o2q3",       "M;1o2'e3eT",     "M;1o2q3iIM",      "M;1o2q3WoT"}},
    {"4rh",  {"M;1o2q3",       "M;1o2'a3aT",     "M;1o2q3iIM",      "M;1o2q3WoT"}},
    {"4ra",  {"M;1o2q3",       "M;1o2y3T",       "M;1o2q3iIM",      "M;1o2q3WoT"}},
    // pu'al, final He
    {"4e",   {"M;1u2.eE",      "M;1u2.qE",       "M;1u2.iIM",       "M;1u2.WoT"}},
    {"4re",  {"M;1o2eE",       "M;1o2qE",        "M;1o2iIM",        "M;1o2WoT"}},
    // pu'al, four radicals
    {"4q",   {"M;1u2:3q4",     "M;1u2:3'e4eT",   "M;1u2:3q4iIM",    "M;1u2:3q4WoT"}},
    {"4qh",  {"M;1u2:3q4",     "M;1u2:3'a4aT",   "M;1u2:3q4iIM",    "M;1u2:3q4WoT"}},
    {"4qa",  {"M;1u2:3q4",     "M;1u2:3y4T",     "M;1u2:3q4iIM",    "M;1u2:3q4WoT"}},

    // hif'il: ma-, hiriq male after the second radical; the feminine -a
    {"5",    {"Ma1:2iI3",      "Ma1:2iI3qE",     "Ma1:2iI3iIM",     "Ma1:2iI3WoT"}},
    // hif'il, first radical A or O: hataf patah under it
    {"5g",   {"Ma1:a2iI3",     "Ma1:a2iI3qE",    "Ma1:a2iI3iIM",    "Ma1:a2iI3WoT"}},
    // hif'il, first radical W (EWRID): mo- with holam male
    {"5w",   {"MWo2iI3",       "MWo2iI3qE",      "MWo2iI3iIM",      "MWo2iI3WoT"}},
    // hif'il, hollow (EBIN): me-, the e reduced before an ending
    {"5v",   {"My1iI3",        "M:1iI3qE",       "M:1iI3iIM",       "M:1iI3WoT"}},
    // hif'il, first radical N assimilated (EKIR): ma-, the second doubled
    {"5n",   {"Ma1.iI3",       "Ma1.iI3qE",      "Ma1.iI3iIM",      "Ma1.iI3WoT"}},
    // hif'il, geminate (EPR): me-, tsere; before an ending hiriq and the
    // last radical doubled, or tsere where it cannot be (R, gutturals)
    {"5d",   {"My1y3",         "M:1i3.qE",       "M:1i3.iIM",       "M:1i3.WoT"}},
    {"5dr",  {"My1y3",         "M:1y3qE",        "M:1y3iIM",        "M:1y3WoT"}},
    // hif'il, final He: -e, -a
    {"5e",   {"Ma1:2eE",       "Ma1:2qE",        "Ma1:2iIM",        "Ma1:2WoT"}},
    {"5ge",  {"Ma1:a2eE",      "Ma1:a2qE",       "Ma1:a2iIM",       "Ma1:a2WoT"}},
    {"5we",  {"MWo2eE",        "MWo2qE",         "MWo2iIM",         "MWo2WoT"}},
    {"5ne",  {"Ma1.eE",        "Ma1.qE",         "Ma1.iIM",         "Ma1.WoT"}},

    // huf'al: mu- with qubuts, qamats after the second radical
    {"6",    {"Mu1:2q3",       "Mu1:2'e3eT",     "Mu1:2q3iIM",      "Mu1:2q3WoT"}},
    {"6h",   {"Mu1:2q3",       "Mu1:2'a3aT",     "Mu1:2q3iIM",      "Mu1:2q3WoT"}},
    {"6a",   {"Mu1:2q3",       "Mu1:2y3T",       "Mu1:2q3iIM",      "Mu1:2q3WoT"}},
    // huf'al, two letters after HW (hollow EWQM, first W EWRD): mu- with
    // shuruk
    {"6w",   {"MW.1q3",        "MW.1'e3eT",      "MW.1q3iIM",       "MW.1q3WoT"}},
    {"6wh",  {"MW.1q3",        "MW.1'a3aT",      "MW.1q3iIM",       "MW.1q3WoT"}},
    {"6wa",  {"MW.1q3",        "MW.1y3T",        "MW.1q3iIM",       "MW.1q3WoT"}},
    // huf'al, the first radical N assimilated (EWGS, EWCG): mu- with the
    // next letter doubled, מֻגָּשׁ
    {"6n",   {"Mu1.q2",        "Mu1.'e2eT",      "Mu1.q2iIM",       "Mu1.q2WoT"}},
    {"6nh",  {"Mu1.q2",        "Mu1.'a2aT",      "Mu1.q2iIM",       "Mu1.q2WoT"}},
    {"6na",  {"Mu1.q2",        "Mu1.y2T",        "Mu1.q2iIM",       "Mu1.q2WoT"}},
    // huf'al, final He
    {"6e",   {"Mu1:2eE",       "Mu1:2qE",        "Mu1:2iIM",        "Mu1:2WoT"}},

    // hitpa'el: mit- (or the sibilant before the t), patah, the middle
    // radical doubled, tsere; the letters are those of stem7
    {"7",    {"Mi1:2a3.y4",    "Mi1:2a3.'e4eT",  "Mi1:2a3.:4iIM",   "Mi1:2a3.:4WoT"}},
    {"7h",   {"Mi1:2a3.y4",    "Mi1:2a3.'a4aT",  "Mi1:2a3.:4iIM",   "Mi1:2a3.:4WoT"}},
    {"7a",   {"Mi1:2a3.y4",    "Mi1:2a3.y4T",    "Mi1:2a3.:4iIM",   "Mi1:2a3.:4WoT"}},
    // hitpa'el, middle radical A or R: not doubled, qamats before it
    {"7r",   {"Mi1:2q3y4",     "Mi1:2q3'e4eT",   "Mi1:2q3:4iIM",    "Mi1:2q3:4WoT"}},
    {"7rh",  {"Mi1:2q3y4",     "Mi1:2q3'a4aT",   "Mi1:2q3:4iIM",    "Mi1:2q3:4WoT"}},
    {"7ra",  {"Mi1:2q3y4",     "Mi1:2q3y4T",     "Mi1:2q3:4iIM",    "Mi1:2q3:4WoT"}},
    // hitpa'el, first radical D, J or T (EDBQ): the T assimilated, the
    // first radical doubled
    {"7t",   {"Mi1.a2.y3",     "Mi1.a2.'e3eT",   "Mi1.a2.:3iIM",    "Mi1.a2.:3WoT"}},
    {"7th",  {"Mi1.a2.y3",     "Mi1.a2.'a3aT",   "Mi1.a2.:3iIM",    "Mi1.a2.:3WoT"}},
    {"7ta",  {"Mi1.a2.y3",     "Mi1.a2.y3T",     "Mi1.a2.:3iIM",    "Mi1.a2.:3WoT"}},
    // hitpa'el, final He (stem7 without the He)
    {"7e",   {"Mi1:2a3.eE",    "Mi1:2a3.qE",     "Mi1:2a3.iIM",     "Mi1:2a3.WoT"}},
    {"7re",  {"Mi1:2q3eE",     "Mi1:2q3qE",      "Mi1:2q3iIM",      "Mi1:2q3WoT"}},
    // hitpa'el, four radicals after the T, or the sibilant and the T
    // (ETPLSP, ESTOSO)
    {"7q",   {"Mi1:2a3:4y5",   "Mi1:2a3:4'e5eT", "Mi1:2a3:4:5iIM",  "Mi1:2a3:4:5WoT"}},
    {"7qh",  {"Mi1:2a3:4y5",   "Mi1:2a3:4'a5aT", "Mi1:2a3:4:5iIM",  "Mi1:2a3:4:5WoT"}},
    {"7qa",  {"Mi1:2a3:4y5",   "Mi1:2a3:4y5T",   "Mi1:2a3:4:5iIM",  "Mi1:2a3:4:5WoT"}},
    // hitpa'el of hollow roots, the hitpolel (ETKWNN, ETQWMM)
    {"7o",   {"MiT:1Wo2y3",    "MiT:1Wo2'e3eT",  "MiT:1Wo2:3iIM",   "MiT:1Wo2:3WoT"}},
    {"7oh",  {"MiT:1Wo2y3",    "MiT:1Wo2'a3aT",  "MiT:1Wo2:3iIM",   "MiT:1Wo2:3WoT"}},
};

// clang-format on

// The row of a family by the last radical: `plain`, `guttural` after a
// last H or O, `alef` after a last A.
std::string_view byLastRadical(char last, std::string_view plain, std::string_view guttural,
                               std::string_view alef) {
  if (isHetOrAyin(last)) return guttural;
  if (last == 'A') return alef;
  return plain;
}

std::optional<RowChoice> chooseClass1(const AnalysedRoot& r) {
  if (r.root == "EIE") return RowChoice{"1hyh", {}};
  if (r.root == "HIE") return RowChoice{"1hyi", {}};
  if (hasStativeParticiple(r.root)) return RowChoice{"1s", {r.rad1, r.rad2, r.rad3}};
  if (isGeminateStative(r.root)) return RowChoice{"1sd", {r.rad1, r.rad2, r.rad3}};
  if (r.r3IsE) return RowChoice{"1e", {r.rad1, r.rad2, r.rad3}};
  if (r.r2IsW || r.r2IsI) {
    return RowChoice{isHollowStative(r.root) ? "1wy" : "1w", {r.rad1, r.rad2, r.rad3}};
  }
  return RowChoice{byLastRadical(r.rad3, "1", "1h", "1a"), {r.rad1, r.rad2, r.rad3}};
}

std::optional<RowChoice> chooseClass2(const AnalysedRoot& r) {
  const PatternValues args{r.rad1, r.rad2, r.rad3};
  const bool firstAO = r.rad1 == 'A' || r.rad1 == 'O';
  const bool firstHE = r.rad1 == 'H' || r.rad1 == 'E';
  if (r.r2EqR3) return RowChoice{"2d", args};
  if (r.r3IsE) return RowChoice{firstAO ? "2ge" : firstHE ? "2ke" : "2e", args};
  if (r.r2IsW && r.root.size() == 4) return RowChoice{"2v", args};
  if (r.rad1 == 'W') return RowChoice{byLastRadical(r.rad3, "2w", "2wh", "2wa"), args};
  if (r.rad1 == 'I') return RowChoice{byLastRadical(r.rad3, "2n", "2nh", "2na"), args};
  if (firstAO) return RowChoice{byLastRadical(r.rad3, "2g", "2gh", "2ga"), args};
  if (firstHE) return RowChoice{byLastRadical(r.rad3, "2k", "2kh", "2ka"), args};
  return RowChoice{byLastRadical(r.rad3, "2", "2h", "2a"), args};
}

// Classes 3 and 4 alike (`pual` for class 4). A consonantal W or I in the
// middle (QIWWE, JIIL) is one letter, doubled by the pattern.
std::optional<RowChoice> chooseIntensive(const AnalysedRoot& r) {
  const bool pual = r.klasse == 4;
  const modern::IntensiveRoot in = modern::intensiveRoot(r);
  std::string_view middle = in.middle;
  if (middle == "WW" || middle == "II") middle = middle.substr(0, 1);
  if (!pual && middle.size() == 2 && middle[0] == 'W' && middle[1] == in.last) {
    const PatternValues args{in.first, in.last, in.last};
    return RowChoice{byLastRadical(in.last, "3o", "3oh", "3oh"), args};
  }
  if (middle.size() == 2) {
    const PatternValues args{in.first, middle[0], middle[1], in.last};
    return RowChoice{pual ? byLastRadical(in.last, "4q", "4qh", "4qa")
                          : byLastRadical(in.last, "3q", "3qh", "3qa"),
                     args};
  }
  if (middle.size() != 1) return std::nullopt;
  const PatternValues args{in.first, middle[0], in.last};
  const bool lengthens = refusesDoubling(middle[0]);
  if (in.last == 'E') {
    if (pual) return RowChoice{lengthens ? "4re" : "4e", args};
    return RowChoice{lengthens ? "3re" : "3e", args};
  }
  if (pual) {
    return RowChoice{lengthens ? byLastRadical(in.last, "4r", "4rh", "4ra")
                               : byLastRadical(in.last, "4", "4h", "4a"),
                     args};
  }
  return RowChoice{lengthens ? byLastRadical(in.last, "3r", "3rh", "3ra")
                             : byLastRadical(in.last, "3", "3h", "3a"),
                   args};
}

// Class 5 by the variants of the root analysis (shared_rows.h): 5a is the
// geminate (EPR), 5b the final He, 5c every other.
std::optional<RowChoice> chooseClass5(const AnalysedRoot& r) {
  const RowChoice modernRow = chooseClass5Row(r);
  const std::string_view stem = r.stem;
  const bool firstAO = r.rad1 == 'A' || r.rad1 == 'O';
  if (modernRow.row == "5a") {
    const bool noDouble = r.rad3 == 'R' || modern::isGuttural(r.rad3);
    return RowChoice{noDouble ? "5dr" : "5d", {r.rad1, r.rad2, r.rad3}};
  }
  if (modernRow.row == "5b") {
    if (stem.size() == 1) return RowChoice{"5ne", {stem[0]}};
    if (stem.size() != 2) return std::nullopt;
    const PatternValues args{stem[0], stem[1]};
    if (stem[0] == 'W') return RowChoice{"5we", args};
    return RowChoice{firstAO ? "5ge" : "5e", args};
  }
  if (stem.size() == 1) {
    if (hasAssimilatedFirst(std::string{stem[0], r.rad3}))
      return RowChoice{"5n", {stem[0], '\0', r.rad3}};
    return RowChoice{"5v", {stem[0], '\0', r.rad3}};
  }
  if (stem.size() != 2) return std::nullopt;
  const PatternValues args{stem[0], stem[1], r.rad3};
  if (stem[0] == 'W') return RowChoice{"5w", args};
  return RowChoice{firstAO ? "5g" : "5", args};
}

// Class 6 from the letters after HW.
std::optional<RowChoice> chooseClass6(const AnalysedRoot& r) {
  const std::string_view body = rootFrom(r.root, 2);
  if (body.size() == 2 && hasAssimilatedFirst(body)) {
    return RowChoice{byLastRadical(body[1], "6n", "6nh", "6na"), {body[0], body[1]}};
  }
  if (body.size() == 2)
    return RowChoice{byLastRadical(body[1], "6w", "6wh", "6wa"), {body[0], '\0', body[1]}};
  if (body.size() != 3) return std::nullopt;
  const PatternValues args{body[0], body[1], body[2]};
  if (body[2] == 'E') return RowChoice{"6e", args};
  return RowChoice{byLastRadical(body[2], "6", "6h", "6a"), args};
}

// Class 7 from stem7: the T (or the sibilant and the T) and the radicals.
std::optional<RowChoice> chooseClass7(const AnalysedRoot& r) {
  std::string_view s = r.stem7;
  if (r.variant == kVariantFinalE) {
    if (s.size() == 4 && s.ends_with("WW")) s.remove_suffix(1);  // ETHWWE
    if (s.size() != 3) return std::nullopt;
    return RowChoice{refusesDoubling(s[2]) ? "7re" : "7e", {s[0], s[1], s[2]}};
  }
  if (s.size() == 5 && s[0] == 'T' && s[2] == 'W' && s[3] == s[4]) {
    return RowChoice{byLastRadical(s[4], "7o", "7oh", "7oh"), {s[1], s[3], s[4]}};
  }
  if (s.size() == 5) {
    return RowChoice{byLastRadical(s[4], "7q", "7qh", "7qa"), {s[0], s[1], s[2], s[3], s[4]}};
  }
  if (s.size() == 3 && (s[0] == 'D' || s[0] == 'J' || s[0] == 'T')) {
    return RowChoice{byLastRadical(s[2], "7t", "7th", "7ta"), {s[0], s[1], s[2]}};
  }
  if (s.size() != 4) return std::nullopt;
  const PatternValues args{s[0], s[1], s[2], s[3]};
  if (refusesDoubling(s[2])) return RowChoice{byLastRadical(s[3], "7r", "7rh", "7ra"), args};
  return RowChoice{byLastRadical(s[3], "7", "7h", "7a"), args};
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

void writeParticiples(const AnalysedRoot& root, const SLetters& s, const Woord& woord,
                      const RecordSink& sink) {
  std::optional<RowChoice> choice = chooseRow(root);
  if (!choice) return;
  writeRow(
      Block::Participle, kParticipleSlots, findRow(kRows, choice->row), root.klasse, choice->args,
      s, [&](std::string_view code) -> const std::string& { return woord.tegenw(code); }, sink);
}

}  // namespace morfenaar::pointed
