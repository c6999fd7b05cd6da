#include "hebrew/root.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace morfenaar {
namespace {

// The radicals as a three-character string, '_' for a missing letter.
std::string radicals(const AnalysedRoot& a) {
  std::string text;
  for (char c : {a.rad1, a.rad2, a.rad3}) text += c == '\0' ? '_' : c;
  return text;
}

struct RootCase {
  int klasse;
  const char* root;
  const char* radicals;  // rad1 rad2 rad3, '_' for none
  const char* stem;
  const char* stem7;
  int variant;
};

void expectAnalysis(const RootCase& c) {
  SCOPED_TRACE(std::to_string(c.klasse) + " " + c.root);
  AnalysedRoot a = analyseRoot(c.klasse, c.root);
  EXPECT_EQ(a.klasse, c.klasse);
  EXPECT_EQ(a.root, c.root);
  EXPECT_EQ(radicals(a), c.radicals);
  EXPECT_EQ(a.stem, c.stem);
  EXPECT_EQ(a.stem7, c.stem7);
  EXPECT_EQ(a.variant, c.variant);
}

TEST(Root, WorkedExamples) {
  const RootCase cases[] = {
      {1, "KTB", "KTB", "", "", 0},       {2, "NKTB", "KTB", "NKT", "", 0},
      {3, "DBR", "DBR", "", "", 0},       {5, "EKTIB", "KTB", "KT", "", 0},
      {5, "EBIN", "BIN", "B", "", 4},     {5, "EMCIA", "MCA", "MC", "", 2},
      {5, "ERBE", "RBE", "RB", "", 7},    {5, "EPR", "PRR", "P", "", 1},
      {7, "ETKTB", "___", "", "TKTB", 0}, {7, "ETRAE", "___", "", "TRA", 7},
  };
  for (const RootCase& c : cases) expectAnalysis(c);
}

TEST(Root, RadicalsByClass) {
  const RootCase cases[] = {
      // Class 1: last letter is rad3 whatever the length.
      {1, "KTWB", "KTB", "", "", 0},
      {1, "K", "K_K", "", "", 0},
      // Classes 3 and 4: the last two letters are rad2 and rad3.
      {3, "TRGM", "TGM", "", "", 0},
      {4, "DWBR", "DBR", "", "", 0},
      {3, "DB", "DDB", "", "", 0},
      // Class 2 of two letters: no second radical, the stem is the first letter.
      {2, "NK", "K_K", "N", "", 0},
      // Class 6 sets nothing.
      {6, "EWQM", "___", "", "", 0},
      // Class 7 of two letters ending in E: nothing is left of stem7.
      {7, "EE", "___", "", "", 7},
      // Unknown classes set nothing.
      {9, "KTB", "___", "", "", 0},
      {0, "KTB", "___", "", "", 0},
  };
  for (const RootCase& c : cases) expectAnalysis(c);
}

TEST(Root, ClassFiveRulesInOrder) {
  const RootCase cases[] = {
      // Three letters ending in E: variant 7, before the three-letter test.
      {5, "EKE", "KEE", "K", "", 7},
      // A final A gives variant 2 before the later tests (EBIA would also be
      // four letters with I third, variant 4; EAKA would have A second).
      {5, "EBIA", "BIA", "B", "", 2},
      {5, "EAKA", "AKA", "A", "", 2},
      // A second letter A: variant 3.
      {5, "EAKL", "AKL", "A", "", 3},
      // Five letters with W second: variant 5.
      {5, "EWSIB", "WSB", "WS", "", 5},
      // A fourth letter E in a root longer than four letters: variant 7 with
      // a stem of n-2 letters.
      {5, "EKTEB", "KTE", "KTE", "", 7},
      // None of these (variant 0): four letters give no rad3; six letters
      // give the fifth letter.
      {5, "EKSB", "KS_", "K", "", 0},
      {5, "EKTIBX", "KTB", "KTI", "", 0},
  };
  for (const RootCase& c : cases) expectAnalysis(c);
}

TEST(Root, ClassSevenKeepsStemWithoutFinalE) {
  expectAnalysis({7, "ETLBS", "___", "", "TLBS", 0});
  expectAnalysis({7, "ETRWE", "___", "", "TRW", 7});
  // Only a final E counts.
  expectAnalysis({7, "ETEB", "___", "", "TEB", 0});
}

TEST(Root, LongRootsAreKeptWhole) {
  expectAnalysis({2, "NKTBKTBKTBKTBKS", "KTS", "NKTBKTBKTBKTBK", "", 0});
  expectAnalysis({7, "EKTBKTBKTBKTBKS", "___", "", "KTBKTBKTBKTBKS", 0});
  expectAnalysis({5, "EKTBKTBKTBKTBKS", "KTK", "KTBKTBKTBKTB", "", 0});
}

struct FlagCase {
  int klasse;
  const char* root;
  const char* flags;  // names of the flags that are set, in table order
};

std::string setFlags(const AnalysedRoot& a) {
  std::string names;
  auto add = [&](bool flag, const char* name) {
    if (!flag) return;
    if (!names.empty()) names += ' ';
    names += name;
  };
  add(a.r1IsA, "r1IsA");
  add(a.r1IsI, "r1IsI");
  add(a.r1IsN, "r1IsN");
  add(a.nunNun, "nunNun");
  add(a.r2IsW, "r2IsW");
  add(a.r2IsI, "r2IsI");
  add(a.r2EqR3, "r2EqR3");
  add(a.r3IsA, "r3IsA");
  add(a.r2IsA, "r2IsA");
  add(a.r3IsE, "r3IsE");
  return names;
}

TEST(Root, WeakRootFlags) {
  const FlagCase cases[] = {
      {1, "KTB", ""},
      {1, "AKL", "r1IsA"},
      {1, "ISB", "r1IsI"},
      {1, "NPL", "r1IsN"},
      {1, "NTN", "r1IsN nunNun"},
      // N first but W second: not r1IsN, though still nunNun.
      {1, "NWN", "nunNun r2IsW"},
      {1, "QWM", "r2IsW"},
      {1, "SIM", "r2IsI"},
      {1, "SBB", "r2EqR3"},
      {1, "QRA", "r3IsA"},
      {1, "SAL", "r2IsA"},
      {1, "BNE", "r3IsE"},
      {1, "IRA", "r1IsI r3IsA"},
      // Class 2 sets them from its radicals like every class: rad1 W sets
      // no flag, rad1 I sets r1IsI, rad1 N sets r1IsN (its rows test rad1
      // itself).
      {2, "NWLD", ""},
      {2, "NICL", "r1IsI"},
      {2, "NNTB", "r1IsN"},
      {2, "NSB", "r2EqR3"},
      // Classes 3 and 4 read the flags from their own radicals.
      {3, "GLE", "r3IsE"},
      {4, "NWBN", "r1IsN nunNun"},
  };
  for (const FlagCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.klasse) + " " + c.root);
    EXPECT_EQ(setFlags(analyseRoot(c.klasse, c.root)), c.flags);
  }
}

TEST(Root, MinimumLengths) {
  EXPECT_EQ(minimumRootLength(1), 1u);
  for (int klasse : {2, 3, 4, 6, 7}) EXPECT_EQ(minimumRootLength(klasse), 2u) << klasse;
  EXPECT_EQ(minimumRootLength(5), 3u);
}

TEST(Root, LatinRootsHoldCapitalsAndTheByteDF) {
  const std::pair<std::string, bool> cases[] = {
      {"KTB", true},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", true},
      // The literals are split so that A is no hex digit; kept on one line.
      // clang-format off
      {"I\xDF" "A", true},
      // clang-format on
      {"\xDF", true},
      {"KT\xDF", true},
      {"", true},
      {"ktb", false},
      {"KtB", false},
      {"KTB ", false},
      {" KTB", false},
      {"K3B", false},
      {"K-B", false},
      {"K\tB", false},
      {"KTB\r", false},
      {"@KTB", false},  // the bytes next to A and Z
      {"KTB[", false},
      {"\xC3\x9F", false},                  // the letter 0xDF stands for, in UTF-8
      {"\xD7\x9B\xD7\xAA\xD7\x91", false},  // Hebrew script
      {"KT\x80", false},
      {"KT\xDE", false},
      {"KT\xE0", false},
      {"KT\xFF", false},
  };
  for (const auto& [root, latin] : cases) EXPECT_EQ(isLatinRoot(root), latin) << root;
}

}  // namespace
}  // namespace morfenaar
