#include "hebrew/past.h"

#include <gtest/gtest.h>

#include "generated.h"
#include "hebrew/modern/modern.h"

namespace morfenaar::testing {
namespace {

const std::vector<std::string> kPastTags = {"1s", "2s", "3s", "3sf", "1p", "2pm", "2pf", "3p"};

struct PastCase {
  const char* label;
  int klasse;
  const char* root;
  const char* forms;  // 1s 2s 3s 3sf 1p 2pm 2pf 3p
};

void expectPast(const PastCase& c) {
  SCOPED_TRACE(std::string(c.label) + " " + c.root);
  EXPECT_EQ(formsOf(writePast, c.klasse, c.root), withTags(c.forms, kPastTags));
}

TEST(Past, OneRowPerCase) {
  const PastCase cases[] = {
      {"1a", 1, "BWA", "BATI BAT BA BAT BANW BATM BATN BAW"},
      {"1b", 1, "BNE", "BNITI BNIT BNE BNTE BNINW BNITM BNITN BNW"},
      {"1c", 1, "QWM", "QMTI QMT QM QME QMNW QMTM QMTN QMW"},
      {"1d", 1, "NTN", "NTTI NTT NTN NTNE NTNNW NTNTM NTNTN NTNW"},
      {"1e", 1, "KTB", "KTBTI KTBT KTB KTBE KTBNW KTBTM KTBTN KTBW"},
      {"2a", 2, "NSB", "NSBWTI NSBWT NSB NSBE NSBWNW NSBWTM NSBWTN NSBW"},
      {"2b", 2, "NBNE", "NBNITI NBNIT NBNE NBNTE NBNINW NBNITM NBNITN NBNW"},
      {"2c", 2, "NKNS", "NKNSTI NKNST NKNS NKNSE NKNSNW NKNSTM NKNSTN NKNSW"},
      {"3a", 3, "GLE", "GLITI GLIT GLE GLTE GLINW GLITM GLITN GLW"},
      {"3b", 4, "DWBR", "DWBRTI DWBRT DWBR DWBRE DWBRNW DWBRTM DWBRTN DWBRW"},
      {"5a", 5, "EBA", "EBIAWTI EBIAWT EBA EBAE EBIAWNW EBIAWTM EBIAWTN EBAW"},
      {"5b", 5, "EPNE", "EPNITI EPNIT EPNE EPNTE EPNINW EPNITM EPNITN EPNW"},
      {"5c", 5, "EGDIL", "EGDLTI EGDLT EGDIL EGDILE EGDLNW EGDLTM EGDLTN EGDILW"},
      {"6", 6, "EWQM", "EWQMTI EWQMT EWQM EWQME EWQMNW EWQMTM EWQMTN EWQMW"},
      {"7a", 7, "ETGLE", "ETGLITI ETGLIT ETGLE ETGLTE ETGLINW ETGLITM ETGLITN ETGLW"},
      {"7b", 7, "ETLBS", "ETLBSTI ETLBST ETLBS ETLBSE ETLBSNW ETLBSTM ETLBSTN ETLBSW"},
  };
  for (const PastCase& c : cases) expectPast(c);
}

TEST(Past, RowChoiceAtTheEdges) {
  const PastCase cases[] = {
      // Only the whole root BWA is special; BWAX is an ordinary hollow root.
      {"1c", 1, "BWAX", "BXTI BXT BX BXE BXNW BXTM BXTN BXW"},
      // The final-He test comes before the hollow test.
      {"1b", 1, "QWE", "QWITI QWIT QWE QWTE QWINW QWITM QWITN QWW"},
      // N first and last but hollow: the hollow row, not the nun-nun row.
      {"1c", 1, "NWN", "NNTI NNT NN NNE NNNW NNTM NNTN NNW"},
      // Row 1e keeps every letter; row 1b keeps only the first two.
      {"1e", 1, "KTWB", "KTWBTI KTWBT KTWB KTWBE KTWBNW KTWBTM KTWBTN KTWBW"},
      {"1b", 1, "QSRE", "QSITI QSIT QSE QSTE QSINW QSITM QSITN QSW"},
      // A four-letter root keeps its second letter as the middle letter.
      {"3b", 3, "TRGM", "TRGMTI TRGMT TRGM TRGME TRGMNW TRGMTM TRGMTN TRGMW"},
      // A five-letter root loses its third letter (G).
      {"3b", 4, "TRGMS", "TRMSTI TRMST TRMS TRMSE TRMSNW TRMSTM TRMSTN TRMSW"},
      // Row 2c writes N whatever the first letter is.
      {"2c", 2, "XKNS", "NKNSTI NKNST NKNS NKNSE NKNSNW NKNSTM NKNSTN NKNSW"},
      // Row 6 writes EW whatever the first two letters are.
      {"6", 6, "XYQM", "EWQMTI EWQMT EWQM EWQME EWQMNW EWQMTM EWQMTN EWQMW"},
      // A stem7 ending in W takes no final E (3sf in 7b, 3s in 7a).
      {"7b", 7, "ETQW", "ETQWTI ETQWT ETQW ETQW ETQWNW ETQWTM ETQWTN ETQWW"},
      {"7a", 7, "ETRWE", "ETRWITI ETRWIT ETRW ETRWTE ETRWINW ETRWITM ETRWITN ETRWW"},
      // Class 5 rows by variant: 4, 2 and 3 all take row 5c.
      {"5c", 5, "EBIN", "EBNTI EBNT EBIN EBINE EBNNW EBNTM EBNTN EBINW"},
      {"5c", 5, "EMCIA", "EMCATI EMCAT EMCIA EMCIAE EMCANW EMCATM EMCATN EMCIAW"},
      {"5b", 5, "EKE", "EKITI EKIT EKE EKTE EKINW EKITM EKITN EKW"},
  };
  for (const PastCase& c : cases) expectPast(c);
}

TEST(Past, ClassesThreeAndFourAgree) {
  for (const char* root : {"DBR", "GLE", "DWBR", "TRGM"}) {
    SCOPED_TRACE(root);
    EXPECT_EQ(formsOf(writePast, 3, root), formsOf(writePast, 4, root));
  }
}

TEST(Past, MissingLetterEndsTheForm) {
  // EKSB: stem K and no third radical.
  expectPast({"5c", 5, "EKSB", "EK EK EKI EKI EK EK EK EKI"});
  // A one-letter root has no second radical: the forms stop before it.
  expectPast({"1b", 1, "E", "E E E E E E E E"});
  expectPast({"1d", 1, "N", "N N N N N N N N"});
  expectPast({"1e", 1, "K", "KTI KT K KE KNW KTM KTN KW"});
}

TEST(Past, LongRootsAreNotCut) {
  expectPast({"1e", 1, "KTBKTBKTBS",
              "KTBKTBKTBSTI KTBKTBKTBST KTBKTBKTBS KTBKTBKTBSE KTBKTBKTBSNW KTBKTBKTBSTM "
              "KTBKTBKTBSTN KTBKTBKTBSW"});
  expectPast({"2c", 2, "NKTBKTBKTBKTBKS",
              "NKTBKTBKTBKTBKSTI NKTBKTBKTBKTBKST NKTBKTBKTBKTBKS NKTBKTBKTBKTBKSE "
              "NKTBKTBKTBKTBKSNW NKTBKTBKTBKTBKSTM NKTBKTBKTBKTBKSTN NKTBKTBKTBKTBKSW"});
}

TEST(Past, NothingForUnknownClasses) {
  for (int klasse : {0, 8, 9}) EXPECT_EQ(generateText(writePast, klasse, "KTB"), "");
}

TEST(Past, FirstRecordInFull) {
  std::string out = generateText(writePast, 1, "KTB");
  EXPECT_EQ(out.substr(0, out.find('\n') + 1), "#KTBTI\t(ik) heb geschreven\t{1s}[1-KTB]\n");
}

TEST(Past, DutchPerfectPerPerson) {
  // 2pm and 2pf both carry the plural second person.
  std::vector<std::string> expected = {"(ik) heb geschreven",        "(jij) hebt geschreven",
                                       "(hij) heeft geschreven",     "(zij) heeft geschreven",
                                       "(wij) hebben geschreven",    "(jullie) hebben geschreven",
                                       "(jullie) hebben geschreven", "(zij) hebben geschreven"};
  for (int klasse = 1; klasse <= 7; ++klasse) {
    SCOPED_TRACE(klasse);
    EXPECT_EQ(dutchColumn(generateRecords(writePast, klasse, "EKTIB")), expected);
  }
}

TEST(Past, DutchFollowsTheAuxiliary) {
  std::vector<Record> records = generateRecords(writePast, 1, "ALK", "lo'pen (liep, is gelopen)");
  ASSERT_EQ(records.size(), 8u);
  EXPECT_EQ(records[2].dutch, "(hij) is gelopen");
  EXPECT_EQ(records[6].dutch, "(jullie) zijn gelopen");
}

TEST(ModernPast, OneCasePerRuleGroup) {
  const ModernCase cases[] = {
      {"strong qal", 1, "KTB", "KTBTI KTBT KTBT KTB KTBE KTBNW KTBTM KTBTN KTBW"},
      {"BWA is hollow: 3sf BAE", 1, "BWA", "BATI BAT BAT BA BAE BANW BATM BATN BAW"},
      {"NTN: N merges with T and N", 1, "NTN", "NTTI NTT NTT NTN NTNE NTNW NTTM NTTN NTNW"},
      {"final N merges with NW", 1, "ZQN", "ZQNTI ZQNT ZQNT ZQN ZQNE ZQNW ZQNTM ZQNTN ZQNW"},
      {"final He", 1, "BNE", "BNITI BNIT BNIT BNE BNTE BNINW BNITM BNITN BNW"},
      {"hollow with I", 1, "SIM", "SMTI SMT SMT SM SME SMNW SMTM SMTN SMW"},
      {"geminate nif'al without -oti", 2, "NSB", "NSBTI NSBT NSBT NSB NSBE NSBNW NSBTM NSBTN NSBW"},
      {"nif'al final He", 2, "NBNE", "NBNITI NBNIT NBNIT NBNE NBNTE NBNINW NBNITM NBNITN NBNW"},
      {"pi'el with the hiriq I", 3, "DBR",
       "DIBRTI DIBRT DIBRT DIBR DIBRE DIBRNW DIBRTM DIBRTN DIBRW"},
      {"pi'el final He", 3, "GLE", "GILITI GILIT GILIT GILE GILTE GILINW GILITM GILITN GILW"},
      {"pi'el with a doubled I", 3, "JIL",
       "JIILTI JIILT JIILT JIIL JIILE JIILNW JIILTM JIILTN JIILW"},
      {"pi'el final N", 3, "TQN", "TIQNTI TIQNT TIQNT TIQN TIQNE TIQNW TIQNTM TIQNTN TIQNW"},
      {"pi'el of four letters", 3, "TRGM",
       "TIRGMTI TIRGMT TIRGMT TIRGM TIRGME TIRGMNW TIRGMTM TIRGMTN TIRGMW"},
      {"pu'al", 4, "DWBR", "DWBRTI DWBRT DWBRT DWBR DWBRE DWBRNW DWBRTM DWBRTN DWBRW"},
      {"pu'al final He", 4, "GWLE", "GWLITI GWLIT GWLIT GWLE GWLTE GWLINW GWLITM GWLITN GWLW"},
      {"pu'al of four letters", 4, "PWRSM",
       "PWRSMTI PWRSMT PWRSMT PWRSM PWRSME PWRSMNW PWRSMTM PWRSMTN PWRSMW"},
      {"geminate hif'il without -oti", 5, "EPR", "EPRTI EPRT EPRT EPR EPRE EPRNW EPRTM EPRTN EPRW"},
      {"hollow hif'il, final N", 5, "EBIN", "EBNTI EBNT EBNT EBIN EBINE EBNW EBNTM EBNTN EBINW"},
      {"huf'al, final N", 6, "EWKN", "EWKNTI EWKNT EWKNT EWKN EWKNE EWKNW EWKNTM EWKNTN EWKNW"},
      {"hitpa'el", 7, "ETLBS", "ETLBSTI ETLBST ETLBST ETLBS ETLBSE ETLBSNW ETLBSTM ETLBSTN ETLBSW"},
  };
  expectModern(modern::writePast, kModernPastTags, cases);
}

}  // namespace
}  // namespace morfenaar::testing
