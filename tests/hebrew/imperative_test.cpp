#include "hebrew/imperative.h"

#include <gtest/gtest.h>

#include "generated.h"
#include "hebrew/modern/modern.h"

namespace morfenaar::testing {
namespace {

struct ImperativeCase {
  const char* label;
  int klasse;
  const char* root;
  const char* records;  // "FORM {tag}, ..."
};

void expectImperative(const ImperativeCase& c) {
  SCOPED_TRACE(std::string(c.label) + " " + c.root);
  EXPECT_EQ(formsOf(writeImperative, c.klasse, c.root), c.records);
}

TEST(Imperative, OneRowPerCase) {
  const ImperativeCase cases[] = {
      {"1a", 1, "LQH", "QH {2ms}, QHI {2fs}, QHW {2mp}"},
      {"1a", 1, "NSA", "SA {2ms}, SAI {2fs}, SAW {2mp}"},
      {"1b", 1, "ELK", "LK {2ms}, LKI {2fs}, LKW {2mp}, LKNE {2fp}"},
      {"1c", 1, "NTN", "TNE {2ms}, TNI {2fs}, TNW {2mp}"},
      {"1d", 1, "NTE", "ETE {2ms}, ETI {2fs}, ETW {2mp}, ETINE {2fp}"},
      {"1e", 1, "BNE", "BNE {2ms}, BNI {2fs}, BNW {2mp}, BNINE {2fp}"},
      {"1f", 1, "QWM", "QWM {2ms}, QWMI {2fs}, QWMW {2mp}, QWMNE {2fp}"},
      {"1f", 1, "QRA", "QRA {2ms}, QRAI {2fs}, QRAW {2mp}, QRANE {2fp}"},
      {"1g", 1, "ISB", "SB {2ms}, SBI {2fs}, SBW {2mp}, SBNE {2fp}"},
      {"1h", 1, "KTB", "KTWB {2ms}, KTBI {2fs}, KTBW {2mp}, KTWBNE {2fp}"},
      {"2a", 2, "NWLD", "EIWWLD {2ms}, EIWWLDI {2fs}, EIWWLDW {2mp}, EIWWLDNE {2fp}"},
      {"2b", 2, "NICL", "EINCL {2ms}, EINCLI {2fs}, EINCLW {2mp}, EINCLNE {2fp}"},
      {"2c", 2, "NKTB", "EIKTB {2ms}, EIKTBI {2fs}, EIKTBW {2mp}, EIKTBNE {2fp}"},
      {"3", 3, "DBR", "DBR {2ms}, DBRI {2fs}, DBRW {2mp}, DBRNE {2fp}"},
      {"5a", 5, "EPR", "EPR {2ms}, EPRI {2fs}, EPRW {2mp}, EPRNE {2fp}"},
      {"5b", 5, "EKE", "EKE {2ms}, EKI {2fs}, EKW {2mp}, EKINE {2fp}"},
      {"5c", 5, "EKTIB", "EKTB {2ms}, EKTIBI {2fs}, EKTIBW {2mp}, EKTBNE {2fp}"},
      {"7a", 7, "ETGLE", "ETGLE {2ms}, ETGLI {2fs}, ETGLW {2mp}, ETGLINE {2fp}"},
      {"7a", 7, "ETRWE", "ETRW {2ms}, ETRWI {2fs}, ETRWW {2mp}, ETRWINE {2fp}"},
      {"7b", 7, "ETKTB", "ETKTB {2ms}, ETKTBI {2fs}, ETKTBW {2mp}, ETKTBNE {2fp}"},
  };
  for (const ImperativeCase& c : cases) expectImperative(c);
}

TEST(Imperative, RowChoiceAtTheEdges) {
  const ImperativeCase cases[] = {
      // The literals are split so that A is no hex digit; kept on one line.
      // clang-format off
      {"1a", 1, "I\xDF" "A", "\xDF" "A {2ms}, \xDF" "AI {2fs}, \xDF" "AW {2mp}"},
      // clang-format on
      // Only whole roots are special.
      {"1h", 1, "LQHX", "LQWX {2ms}, LQXI {2fs}, LQXW {2mp}, LQWXNE {2fp}"},
      {"1h", 1, "ELKX", "ELWX {2ms}, ELXI {2fs}, ELXW {2mp}, ELWXNE {2fp}"},
      {"1d", 1, "NTNE", "ETE {2ms}, ETI {2fs}, ETW {2mp}, ETINE {2fp}"},
      // N first and last but not the root NTN: the ordinary row 1h.
      {"1h", 1, "NKN", "NKWN {2ms}, NKNI {2fs}, NKNW {2mp}, NKWNNE {2fp}"},
      // Geminate takes 1f; I first takes 1g only after 1d to 1f.
      {"1f", 1, "SBB", "SBB {2ms}, SBBI {2fs}, SBBW {2mp}, SBBNE {2fp}"},
      {"1f", 1, "IRA", "IRA {2ms}, IRAI {2fs}, IRAW {2mp}, IRANE {2fp}"},
      {"1e", 1, "IDE", "IDE {2ms}, IDI {2fs}, IDW {2mp}, IDINE {2fp}"},
      // N or A first and nothing else: row 1h keeps the first letter.
      {"1h", 1, "NPL", "NPWL {2ms}, NPLI {2fs}, NPLW {2mp}, NPWLNE {2fp}"},
      {"1h", 1, "AKL", "AKWL {2ms}, AKLI {2fs}, AKLW {2mp}, AKWLNE {2fp}"},
      // N first, W second, final E: not N-first, so row 1e.
      {"1e", 1, "NWE", "NWE {2ms}, NWI {2fs}, NWW {2mp}, NWINE {2fp}"},
      // Class 3 has no final-He row; no W in 2fp either.
      {"3", 3, "GLE", "GLE {2ms}, GLEI {2fs}, GLEW {2mp}, GLENE {2fp}"},
  };
  for (const ImperativeCase& c : cases) expectImperative(c);
}

TEST(Imperative, NoneForClassesFourAndSix) {
  for (const char* root : {"DBR", "EWQM"}) {
    EXPECT_EQ(generateText(writeImperative, 4, root), "");
    EXPECT_EQ(generateText(writeImperative, 6, root), "");
  }
  for (int klasse : {0, 8, 9}) EXPECT_EQ(generateText(writeImperative, klasse, "KTB"), "");
}

TEST(Imperative, MissingLetterEndsTheForm) {
  expectImperative({"5c", 5, "EKSB", "EK {2ms}, EKI {2fs}, EKI {2mp}, EK {2fp}"});
  expectImperative({"1e", 1, "E", "E {2ms}, E {2fs}, E {2mp}, E {2fp}"});
  expectImperative({"1h", 1, "N", "N {2ms}, N {2fs}, N {2mp}, N {2fp}"});
}

TEST(Imperative, LongRootsAreNotCut) {
  expectImperative({"2c", 2, "NKTBKTBKTBKTBKS",
                    "EIKTBKTBKTBKTBKS {2ms}, EIKTBKTBKTBKTBKSI {2fs}, EIKTBKTBKTBKTBKSW {2mp}, "
                    "EIKTBKTBKTBKTBKSNE {2fp}"});
}

TEST(Imperative, FirstRecordInFull) {
  std::string out = generateText(writeImperative, 1, "KTB");
  EXPECT_EQ(out.substr(0, out.find('\n') + 1), "#KTWB\tschrijf!\t{2ms}[1-KTB]\n");
}

TEST(Imperative, DutchImperativeBySingularOrPlural) {
  const std::string s = "schrijf!";
  const std::string p = "schrijft!";
  EXPECT_EQ(dutchColumn(generateRecords(writeImperative, 1, "KTB")),
            (std::vector<std::string>{s, s, p, p}));
  // Row 1a: 2ms and 2fs carry the singular, 2mp the plural; no 2fp.
  EXPECT_EQ(dutchColumn(generateRecords(writeImperative, 1, "LQH")),
            (std::vector<std::string>{s, s, p}));
  EXPECT_EQ(dutchColumn(generateRecords(writeImperative, 1, "NTN")),
            (std::vector<std::string>{s, s, p}));
}

TEST(ModernImperative, OneCasePerRuleGroup) {
  const ModernCase cases[] = {
      {"o", 1, "KTB", "KTWB KTBI KTBW KTWBNE"},
      {"a for a third H", 1, "PTH", "PTH PTHI PTHW PTHNE"},
      {"a for a third O", 1, "SMO", "SMO SMOI SMOW SMONE"},
      {"a for a listed stative", 1, "LMD", "LMD LMDI LMDW LMDNE"},
      {"okhal type has o here", 1, "AKL", "AKWL AKLI AKLW AKWLNE"},
      {"NTN", 1, "NTN", "TN TNI TNW TNE"},
      {"LQH", 1, "LQH", "QH QHI QHW QHNE"},
      {"ELK", 1, "ELK", "LK LKI LKW LKNE"},
      {"N first with a", 1, "NSA", "SA SAI SAW SANE"},
      {"N first with o keeps its N", 1, "NPL", "NPWL NPLI NPLW NPWLNE"},
      {"N first, final He", 1, "NJE", "JE JI JW JINE"},
      {"yeshev type", 1, "ISB", "SB SBI SBW SBNE"},
      {"yirash type, final N", 1, "ISN", "ISN ISNI ISNW ISNE"},
      {"hollow", 1, "QWM", "QWM QWMI QWMW QWMNE"},
      {"DIN with W", 1, "DIN", "DWN DWNI DWNW DWNE"},
      {"final He", 1, "BNE", "BNE BNI BNW BNINE"},
      {"nif'al", 2, "NKTB", "EIKTB EIKTBI EIKTBW EIKTBNE"},
      {"nif'al final He", 2, "NRAE", "EIRAE EIRAI EIRAW EIRAINE"},
      {"pi'el: no W before NE", 3, "DBR", "DBR DBRI DBRW DBRNE"},
      {"pi'el final He", 3, "GLE", "GLE GLI GLW GLINE"},
      {"pi'el final N", 3, "TQN", "TQN TQNI TQNW TQNE"},
      {"hif'il", 5, "EKTIB", "EKTB EKTIBI EKTIBW EKTBNE"},
      {"hollow hif'il", 5, "EQIM", "EQM EQIMI EQIMW EQMNE"},
      {"hitpa'el", 7, "ETKTB", "ETKTB ETKTBI ETKTBW ETKTBNE"},
  };
  expectModern(modern::writeImperative, kModernImperativeTags, cases);
}

TEST(ModernImperative, NoneForClassesFourAndSix) {
  EXPECT_EQ(generateText(modern::writeImperative, 4, "DWBR"), "");
  EXPECT_EQ(generateText(modern::writeImperative, 6, "EWQM"), "");
}

}  // namespace
}  // namespace morfenaar::testing
