#include "hebrew/participle.h"

#include <gtest/gtest.h>

#include "generated.h"
#include "hebrew/modern/modern.h"

namespace morfenaar::testing {
namespace {

struct ParticipleCase {
  const char* label;
  int klasse;
  const char* root;
  const char* records;  // "FORM {tag}, ..."
};

void expectParticiples(const ParticipleCase& c) {
  SCOPED_TRACE(std::string(c.label) + " " + c.root);
  EXPECT_EQ(formsOf(writeParticiples, c.klasse, c.root), c.records);
}

TEST(Participle, OneRowPerCase) {
  const ParticipleCase cases[] = {
      {"1a", 1, "BNE", "BWNE {s}, BWNIM {mp}, BWNWT {fp}"},
      {"1b", 1, "QWM", "QM {ms}, QME {fs}, QMIM {mp}, QMWT {fp}"},
      {"1b", 1, "BWA", "BA {ms}, BAE {fs}, BAIM {mp}, BAWT {fp}"},
      {"1c", 1, "KTB", "KWTB {ms}, KWTBT {fs}, KWTBIM {mp}, KWTBWT {fp}"},
      {"2a", 2, "NSB", "NSB {ms}, NSBE {fs}, NSBIM {mp}, NSBWT {fp}"},
      {"2b", 2, "NWLD", "NWLD {ms}, NWLDT {fs}, NWLDIM {mp}, NWLDWT {fp}"},
      {"2c", 2, "NIQR",
       "NIQR {ms}, NIQWR {ms}, NIQRT {fs}, NIQWRT {fs}, NIQRIM {mp}, NIQWRIM {mp}, "
       "NIQRWT {fp}, NIQWRWT {fp}"},
      {"2d", 2, "NKNS", "NKNS {ms}, NKNST {fs}, NKNSIM {mp}, NKNSWT {fp}"},
      {"3", 3, "DBR", "MDBR {ms}, MDBRT {fs}, MDBRIM {mp}, MDBRWT {fp}"},
      {"4", 4, "DWBR", "MDWBR {ms}, MDWBRT {fs}, MDWBRIM {mp}, MDWBRWT {fp}"},
      {"5a", 5, "EBA", "MBA {ms}, MBIAE {fs}, MBIAIM {mp}, MBIAWT {fp}"},
      {"5b", 5, "EPNE", "MPNE {ms}, MPNE {fs}, MPNIM {mp}, MPNWT {fp}"},
      {"5c", 5, "EGDIL", "MGDIL {ms}, MGDILE {fs}, MGDILIM {mp}, MGDILWT {fp}"},
      {"6", 6, "EWQM", "MWQM {ms}, MWQMT {fs}, MWQMIM {mp}, MWQMWT {fp}"},
      {"7a", 7, "ETGLE", "MTGLE {ms}, MTGLIT {fs}, MTGLIM {mp}, MTGLWT {fp}"},
      {"7b", 7, "ETLBS", "MTLBS {ms}, MTLBST {fs}, MTLBSIM {mp}, MTLBSWT {fp}"},
  };
  for (const ParticipleCase& c : cases) expectParticiples(c);
}

TEST(Participle, RowChoiceAtTheEdges) {
  const ParticipleCase cases[] = {
      {"1c", 1, "NTN", "NWTN {ms}, NWTNT {fs}, NWTNIM {mp}, NWTNWT {fp}"},
      // Geminate before rad1-is-W: the fs form ends in E, not T.
      {"2a", 2, "NWBB", "NWBB {ms}, NWBBE {fs}, NWBBIM {mp}, NWBBWT {fp}"},
      // Class 2 has no final-He row.
      {"2d", 2, "NBNE", "NBNE {ms}, NBNET {fs}, NBNEIM {mp}, NBNEWT {fp}"},
      // Classes 3 and 4 use only the three radicals.
      {"4", 4, "DBR", "MDWBR {ms}, MDWBRT {fs}, MDWBRIM {mp}, MDWBRWT {fp}"},
      {"3", 3, "TRGM", "MTGM {ms}, MTGMT {fs}, MTGMIM {mp}, MTGMWT {fp}"},
      {"3", 3, "GLE", "MGLE {ms}, MGLET {fs}, MGLEIM {mp}, MGLEWT {fp}"},
      // A stem7 ending in W: no final E on the ms form.
      {"7a", 7, "ETRWE", "MTRW {ms}, MTRWIT {fs}, MTRWIM {mp}, MTRWWT {fp}"},
      // Variants 4 and 2 take row 5c.
      {"5c", 5, "EBIN", "MBIN {ms}, MBINE {fs}, MBINIM {mp}, MBINWT {fp}"},
  };
  for (const ParticipleCase& c : cases) expectParticiples(c);
}

TEST(Participle, MissingLetterEndsTheForm) {
  expectParticiples({"5c", 5, "EKSB", "MKI {ms}, MKI {fs}, MKI {mp}, MKI {fp}"});
  expectParticiples({"1a", 1, "E", "EW {s}, EW {mp}, EW {fp}"});
  expectParticiples({"1c", 1, "K", "KW {ms}, KWT {fs}, KWIM {mp}, KWWT {fp}"});
}

TEST(Participle, LongRootsAreNotCut) {
  expectParticiples({"6", 6, "EWKTBKTBKTBKTBS",
                     "MWKTBKTBKTBKTBS {ms}, MWKTBKTBKTBKTBST {fs}, MWKTBKTBKTBKTBSIM {mp}, "
                     "MWKTBKTBKTBKTBSWT {fp}"});
  expectParticiples({"1c", 1, "KTBKTBKTBS",
                     "KWTBKTBKTBS {ms}, KWTBKTBKTBST {fs}, KWTBKTBKTBSIM {mp}, "
                     "KWTBKTBKTBSWT {fp}"});
}

TEST(Participle, NothingForUnknownClasses) {
  for (int klasse : {0, 8, 9}) EXPECT_EQ(generateText(writeParticiples, klasse, "KTB"), "");
}

TEST(Participle, FirstRecordInFull) {
  std::string out = generateText(writeParticiples, 1, "KTB");
  EXPECT_EQ(out.substr(0, out.find('\n') + 1), "#KWTB\tschrijf(t)\t{ms}[1-KTB]\n");
}

TEST(Participle, DutchPresentBySingularOrPlural) {
  const std::string s = "schrijf(t)";
  const std::string p = "schrijven";
  EXPECT_EQ(dutchColumn(generateRecords(writeParticiples, 1, "KTB")),
            (std::vector<std::string>{s, s, p, p}));
  EXPECT_EQ(dutchColumn(generateRecords(writeParticiples, 1, "BNE")),
            (std::vector<std::string>{s, p, p}));
  EXPECT_EQ(dutchColumn(generateRecords(writeParticiples, 2, "NIQR")),
            (std::vector<std::string>{s, s, s, s, p, p, p, p}));
}

TEST(ModernParticiple, OneCasePerRuleGroup) {
  const ModernCase cases[] = {
      {"qal", 1, "KTB", "KWTB KWTBT KWTBIM KWTBWT"},
      {"final He: both singulars", 1, "BNE", "BWNE BWNE BWNIM BWNWT"},
      {"hollow", 1, "QWM", "QM QME QMIM QMWT"},
      {"stative", 1, "GDL", "GDL GDLE GDLIM GDLWT"},
      {"stative with final A", 1, "IRA", "IRA IRAE IRAIM IRAWT"},
      {"nif'al", 2, "NKTB", "NKTB NKTBT NKTBIM NKTBWT"},
      {"nif'al final He: I before T", 2, "NRAE", "NRAE NRAIT NRAIM NRAWT"},
      {"nif'al of an N-first root", 2, "NICL", "NICL NICLT NICLIM NICLWT"},
      {"pi'el", 3, "DBR", "MDBR MDBRT MDBRIM MDBRWT"},
      {"pi'el final He keeps its E", 3, "GLE", "MGLE MGLE MGLIM MGLWT"},
      {"pi'el with a doubled I", 3, "JIL", "MJIIL MJIILT MJIILIM MJIILWT"},
      {"pi'el of four letters", 3, "TRGM", "MTRGM MTRGMT MTRGMIM MTRGMWT"},
      {"pu'al", 4, "DWBR", "MDWBR MDWBRT MDWBRIM MDWBRWT"},
      {"pu'al final He keeps its E", 4, "GWLE", "MGWLE MGWLE MGWLIM MGWLWT"},
      {"hif'il", 5, "EKTIB", "MKTIB MKTIBE MKTIBIM MKTIBWT"},
      {"huf'al", 6, "EWQM", "MWQM MWQMT MWQMIM MWQMWT"},
      {"hitpa'el final He", 7, "ETGLE", "MTGLE MTGLE MTGLIM MTGLWT"},
  };
  expectModern(modern::writeParticiples, kModernParticipleTags, cases);
}

}  // namespace
}  // namespace morfenaar::testing
