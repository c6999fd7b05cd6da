#include "hebrew/future.h"

#include <gtest/gtest.h>

#include "generated.h"
#include "hebrew/modern/modern.h"

namespace morfenaar::testing {
namespace {

struct FutureCase {
  const char* label;
  int klasse;
  const char* root;
  const char* forms;         // 1s 2sm 2sf 3sm 3sf 1p 2p 2pf 3p, "-" for no 2pf
  const char* alternatives;  // 3sm 3sf, or ""
};

// The records the forms of a case give: every form twice, in the order
// 1s 2sm 3sf 2sf 3sm [alt 3sm] [alt 3sf] 1p 2p [2pf] 3p.
std::string expectedRecords(const FutureCase& c) {
  std::vector<std::string> f = words(c.forms);
  std::vector<std::string> alt = words(c.alternatives);
  EXPECT_EQ(f.size(), 9u);
  EXPECT_TRUE(alt.empty() || alt.size() == 2);
  f.resize(9);
  std::vector<std::pair<std::string, std::string>> order = {
      {f[0], "1s"}, {f[1], "2sm"}, {f[4], "3sf"}, {f[2], "2sf"}, {f[3], "3sm"}};
  if (alt.size() == 2) {
    order.push_back({alt[0], "3sm"});
    order.push_back({alt[1], "3sf"});
  }
  order.push_back({f[5], "1p"});
  order.push_back({f[6], "2p"});
  if (f[7] != "-") order.push_back({f[7], "2pf"});
  order.push_back({f[8], "3p"});
  std::vector<Record> records;
  for (const auto& [form, tag] : order) {
    records.push_back({form, "", tag, ""});
    records.push_back({form, "", tag, ""});
  }
  return render(records);
}

void expectFuture(const FutureCase& c) {
  SCOPED_TRACE(std::string(c.label) + " " + c.root);
  EXPECT_EQ(formsOf(writeFuture, c.klasse, c.root), expectedRecords(c));
}

TEST(Future, OneRowPerCase) {
  const FutureCase cases[] = {
      {"1a", 1, "LQH", "AQH TQH TQHI IQH TQH NQH TQHW - IQHW", ""},
      {"1b", 1, "NSA", "ASA TSA TSAI ISA TSA NSA TSAW - ISAW", ""},
      {"1c", 1, "NTN", "ATNE TTNE TTNI ITNE TTNE NTNE TTNW TTWNNE ITNW", ""},
      {"1d", 1, "NPL", "APWL TPWL TPLI IPWL TPWL NPWL TPLW TPWLNE IPLW", ""},
      {"1e", 1, "BNE", "ABNE TBNE TBNI IBNE TBNE NBNE TBNW TBNINE IBNW", "IBN TBN"},
      {"1f", 1, "QWM", "AQWM TQWM TQWMI IQWM TQWM NQWM TQWMW TQWMINE IQWMW", "IQM TQM"},
      {"1g", 1, "SBB", "ASWBE TISWB TISWBI IISWB TISWB NISWB TISWBW TSWBINE IISWBW", ""},
      {"1h", 1, "IRA", "AIRA TIRA TIRAI IIRA TIRA NIRA TIRAW TIRANE IIRAW", ""},
      {"1i", 1, "ISB", "ASB TSB TSBI IISB TSB NSB TSBW TSBNE IISBW", ""},
      {"1j", 1, "QRA", "AQRA TQRA TQRAI IQRA TQRA NQRA TQRAW TQRANE IQRAW", ""},
      {"1k", 1, "AKL", "AKL TAKL TAKLI IAKL TAKL NAKL TAKLW TAKLNE IAKLW", ""},
      {"1l", 1, "SAL", "ASAL TSAL TSALI ISAL TSAL NSAL TSALW TSALNE ISALW", ""},
      {"1m", 1, "SMO", "ASMO TSMO TSMOI ISMO TSMO NSMO TSMOW TSMONE ISMOW", ""},
      {"1n", 1, "KTB", "AKTWB TKTWB TKTBI IKTWB TKTWB NKTWB TKTBW TKTWBNE IKTBW", "IKTB TKTB"},
      {"1n", 1, "SLH", "ASLWH TSLWH TSLHI ISLWH TSLWH NSLWH TSLHW TSLWHNE ISLHW", ""},
      {"2a", 2, "NWLD", "AIWWLD TIWWLD TIWWLDI IIWWLD TIWWLD NIWWLD TIWWLDW TIWWLDNE IIWWLDW", ""},
      {"2b", 2, "NICL", "ANCL TINCL TINCLI IINCL TINCL NINCL TINCLW TINCLNE IINCLW", ""},
      {"2c", 2, "NKTB", "AKTB TIKTB TIKTBI IIKTB TIKTB NIKTB TIKTBW TIKTBNE IIKTBW", ""},
      {"3a", 3, "GLE", "AGLE TGLE TGLI IGLE TGLE NGLE TGLW TGLINE IGLW", "IGL TGL"},
      {"3b", 3, "DBR", "ADBR TDBR TDBRI IDBR TDBR NDBR TDBRW TDBRNE IDBRW", ""},
      {"3b", 4, "DBR", "ADWBR TDWBR TDWBRI IDWBR TDWBR NDWBR TDWBRW TDWBRNE IDWBRW", ""},
      {"5a", 5, "EPR", "APR TPR TPRI IPR TPR NPR TPRW TPRNE IPRW", ""},
      {"5b", 5, "EKE", "AKE TKE TKI IKE TKE NKE TKW TKINE IKW", "IK TK"},
      {"5c", 5, "EKTIB", "AKTIB TKTIB TKTIBI IKTIB TKTIB NKTIB TKTIBW TKTIBNE IKTIBW", ""},
      {"6", 6, "EWKTB", "AWKTB TWKTB TWKTBI IWKTB TWKTB NWKTB TWKTBW TWKTBNE IWKTBW", ""},
      {"7a", 7, "ETGLE", "ATGLE TTGLE TTGLI ITGLE TTGLE NTGLE TTGLW TTGLINE ITGLW", ""},
      {"7b", 7, "ETKTB", "ATKTB TTKTB TTKTBI ITKTB TTKTB NTKTB TTKTBW TTKTBNE ITKTBW", ""},
  };
  for (const FutureCase& c : cases) expectFuture(c);
}

TEST(Future, KtbRecordsInOrder) {
  EXPECT_EQ(formsOf(writeFuture, 1, "KTB"),
            "AKTWB {1s}, AKTWB {1s}, TKTWB {2sm}, TKTWB {2sm}, TKTWB {3sf}, TKTWB {3sf}, "
            "TKTBI {2sf}, TKTBI {2sf}, IKTWB {3sm}, IKTWB {3sm}, IKTB {3sm}, IKTB {3sm}, "
            "TKTB {3sf}, TKTB {3sf}, NKTWB {1p}, NKTWB {1p}, TKTBW {2p}, TKTBW {2p}, "
            "TKTWBNE {2pf}, TKTWBNE {2pf}, IKTBW {3p}, IKTBW {3p}");
}

TEST(Future, SpecialRootsMatchTheWholeRoot) {
  const FutureCase cases[] = {
      // The literals are split so that A is no hex digit; kept on one line.
      // clang-format off
      {"1b", 1, "I\xDF" "A", "A\xDF" "A T\xDF" "A T\xDF" "AI I\xDF" "A T\xDF" "A N\xDF" "A T\xDF" "AW - I\xDF" "AW", ""},
      // clang-format on
      {"1a", 1, "ELK", "ALK TLK TLKI ILK TLK NLK TLKW - ILKW", ""},
      // LQHX is no special root and fails the letter test (L, Q).
      {"1n", 1, "LQHX", "ALQWX TLQWX TLQXI ILQWX TLQWX NLQWX TLQXW TLQWXNE ILQXW", ""},
      // NSAX: N first, so the N-first row.
      {"1d", 1, "NSAX", "ASWX TSWX TSXI ISWX TSWX NSWX TSXW TSWXNE ISXW", ""},
  };
  for (const FutureCase& c : cases) expectFuture(c);
}

TEST(Future, RowChoiceAtTheEdges) {
  const FutureCase cases[] = {
      // Nun-nun wins even with W as second letter.
      {"1c", 1, "NWN", "AWNE TWNE TWNI IWNE TWNE NWNE TWNW TWWNNE IWNW", ""},
      // N first and W second is not N-first: the hollow row.
      {"1f", 1, "NWM", "ANWM TNWM TNWMI INWM TNWM NNWM TNWMW TNWMINE INWMW", "INM TNM"},
      // Final He before hollow.
      {"1e", 1, "QWE", "AQWE TQWE TQWI IQWE TQWE NQWE TQWW TQWINE IQWW", "IQW TQW"},
      // Letter test of row 1n: first letter, or second letter from the wider set.
      {"1n", 1, "SMR", "ASMWR TSMWR TSMRI ISMWR TSMWR NSMWR TSMRW TSMWRNE ISMRW", "ISMR TSMR"},
      {"1n", 1, "BQR", "ABQWR TBQWR TBQRI IBQWR TBQWR NBQWR TBQRW TBQWRNE IBQRW", "IBQR TBQR"},
      {"1n", 1, "SDR", "ASDWR TSDWR TSDRI ISDWR TSDWR NSDWR TSDRW TSDWRNE ISDRW", "ISDR TSDR"},
      {"1n", 1, "DSR", "ADSWR TDSWR TDSRI IDSWR TDSWR NDSWR TDSRW TDSWRNE IDSRW", ""},
      // Row 1m never has alternatives, even for a first letter from the set,
      // and writes no W between the last two radicals, 2pf included.
      {"1m", 1, "KSO", "AKSO TKSO TKSOI IKSO TKSO NKSO TKSOW TKSONE IKSOW", ""},
      {"1m", 1, "QZB", "AQZB TQZB TQZBI IQZB TQZB NQZB TQZBW TQZBNE IQZBW", ""},
      // Class 4 has no final-He row: infix W, no alternatives.
      {"3b", 4, "GLE", "AGWLE TGWLE TGWLEI IGWLE TGWLE NGWLE TGWLEW TGWLENE IGWLEW", ""},
      // Four-letter class-3 root: the second letter is not used.
      {"3b", 3, "TRGM", "ATGM TTGM TTGMI ITGM TTGM NTGM TTGMW TTGMNE ITGMW", ""},
      // stem7 ending in W: no final E.
      {"7a", 7, "ETRWE", "ATRW TTRW TTRWI ITRW TTRW NTRW TTRWW TTRWINE ITRWW", ""},
  };
  for (const FutureCase& c : cases) expectFuture(c);
}

TEST(Future, RecordCounts) {
  struct Count {
    int klasse;
    const char* root;
    std::size_t records;
  };
  const Count counts[] = {{1, "LQH", 16}, {1, "NSA", 16}, {1, "BNE", 22},  {1, "QWM", 22},
                          {1, "KTB", 22}, {1, "SLH", 18}, {3, "GLE", 22},  {4, "GLE", 18},
                          {5, "EKE", 22}, {5, "EPR", 18}, {6, "EWQM", 18}, {7, "ETGLE", 18}};
  for (const Count& c : counts) {
    SCOPED_TRACE(c.root);
    EXPECT_EQ(generateRecords(writeFuture, c.klasse, c.root).size(), c.records);
  }
}

TEST(Future, MissingLetterEndsTheForm) {
  expectFuture({"5c", 5, "EKSB", "AKI TKI TKI IKI TKI NKI TKI TKI IKI", ""});
  // One-letter roots: the forms stop where rad2 would stand. E is a final
  // He and so has alternatives; B passes the letter test of row 1n; S does
  // not, and has no second letter to test.
  expectFuture({"1e", 1, "E", "AE TE TE IE TE NE TE TE IE", "IE TE"});
  expectFuture({"1n", 1, "B", "AB TB TB IB TB NB TB TB IB", "IB TB"});
  expectFuture({"1n", 1, "S", "AS TS TS IS TS NS TS TS IS", ""});
}

TEST(Future, LongRootsAreNotCut) {
  expectFuture({"1h", 1, "IKTBKTBKTA",
                "AIKTBKTBKTA TIKTBKTBKTA TIKTBKTBKTAI IIKTBKTBKTA TIKTBKTBKTA NIKTBKTBKTA "
                "TIKTBKTBKTAW TIKTBKTBKTANE IIKTBKTBKTAW",
                ""});
  expectFuture({"2c", 2, "NKTBKTBKTBKTBKS",
                "AKTBKTBKTBKTBKS TIKTBKTBKTBKTBKS TIKTBKTBKTBKTBKSI IIKTBKTBKTBKTBKS "
                "TIKTBKTBKTBKTBKS NIKTBKTBKTBKTBKS TIKTBKTBKTBKTBKSW TIKTBKTBKTBKTBKSNE "
                "IIKTBKTBKTBKTBKSW",
                ""});
}

TEST(Future, NothingForUnknownClasses) {
  for (int klasse : {0, 8, 9}) EXPECT_EQ(generateText(writeFuture, klasse, "KTB"), "");
}

TEST(Future, FirstPairInFull) {
  std::string out = generateText(writeFuture, 1, "KTB");
  EXPECT_TRUE(
      out.starts_with("#AKTWB\t(ik) schreef \t{1s}[1-KTB]\n"
                      "#AKTWB\t(ik) zal schrijven\t{1s}[1-KTB]\n"))
      << out;
}

TEST(Future, SimplePastThenFuturePerPerson) {
  // KTB: 1s 2sm 3sf 2sf 3sm alt-3sm alt-3sf 1p 2p 2pf 3p, each ovt then toek.
  std::vector<std::string> expected = {"(ik) schreef ",      "(ik) zal schrijven",
                                       "(jij) schreef ",     "(jij) zult schrijven",
                                       "(zij) schreef ",     "(zij) zal schrijven",
                                       "(jij) schreef ",     "(jij) zult schrijven",
                                       "(hij) schreef ",     "(hij) zal schrijven",
                                       "(hij) schreef ",     "(hij) zal schrijven",
                                       "(zij) schreef ",     "(zij) zal schrijven",
                                       "(wij) schreven ",    "(wij) zullen schrijven",
                                       "(jullie) schreven ", "(jullie) zullen schrijven",
                                       "(jullie) schreven ", "(jullie) zullen schrijven",
                                       "(zij) schreven ",    "(zij) zullen schrijven"};
  EXPECT_EQ(dutchColumn(generateRecords(writeFuture, 1, "KTB")), expected);
}

TEST(Future, PairsShareFormAndTag) {
  for (int klasse = 1; klasse <= 7; ++klasse) {
    std::vector<Record> records = generateRecords(writeFuture, klasse, "EKTIB");
    ASSERT_EQ(records.size() % 2, 0u);
    for (std::size_t i = 0; i < records.size(); i += 2) {
      EXPECT_EQ(records[i].hebrew, records[i + 1].hebrew);
      EXPECT_EQ(records[i].tag, records[i + 1].tag);
      EXPECT_NE(records[i].dutch, records[i + 1].dutch);
    }
  }
}

TEST(ModernFuture, OneCasePerRuleGroup) {
  const ModernCase cases[] = {
      {"o", 1, "KTB", "AKTWB TKTWB TKTBI IKTWB TKTWB NKTWB TKTBW TKTWBNE IKTBW TKTWBNE"},
      {"a for a third H", 1, "SLH", "ASLH TSLH TSLHI ISLH TSLH NSLH TSLHW TSLHNE ISLHW TSLHNE"},
      {"a for a third O", 1, "SMO", "ASMO TSMO TSMOI ISMO TSMO NSMO TSMOW TSMONE ISMOW TSMONE"},
      {"a for a second A", 1, "SAL", "ASAL TSAL TSALI ISAL TSAL NSAL TSALW TSALNE ISALW TSALNE"},
      {"a for a listed stative", 1, "LMD",
       "ALMD TLMD TLMDI ILMD TLMD NLMD TLMDW TLMDNE ILMDW TLMDNE"},
      {"A first with a", 1, "AEB", "AWEB TAEB TAEBI IAEB TAEB NAEB TAEBW TAEBNE IAEBW TAEBNE"},
      {"okhal type", 1, "AKL", "AWKL TAKL TAKLI IAKL TAKL NAKL TAKLW TAKLNE IAKLW TAKLNE"},
      {"A first with o", 1, "ASP",
       "AASWP TASWP TASPI IASWP TASWP NASWP TASPW TASWPNE IASPW TASWPNE"},
      {"ZB is not special", 1, "OZB",
       "AOZWB TOZWB TOZBI IOZWB TOZWB NOZWB TOZBW TOZWBNE IOZBW TOZWBNE"},
      {"N first, o", 1, "NPL", "APWL TIPWL TIPLI IIPWL TIPWL NIPWL TIPLW TIPWLNE IIPLW TIPWLNE"},
      {"N first, final A", 1, "NSA", "ASA TISA TISAI IISA TISA NISA TISAW TISANE IISAW TISANE"},
      {"NTN", 1, "NTN", "ATN TITN TITNI IITN TITN NITN TITNW TITNE IITNW TITNE"},
      {"LQH", 1, "LQH", "AQH TIQH TIQHI IIQH TIQH NIQH TIQHW TIQHNE IIQHW TIQHNE"},
      {"N first, final He", 1, "NJE", "AJE TIJE TIJI IIJE TIJE NIJE TIJW TIJINE IIJW TIJINE"},
      {"N first before a guttural", 1, "NEG",
       "ANEG TNEG TNEGI INEG TNEG NNEG TNEGW TNEGNE INEGW TNEGNE"},
      {"final He", 1, "BNE", "ABNE TBNE TBNI IBNE TBNE NBNE TBNW TBNINE IBNW TBNINE"},
      {"hollow", 1, "QWM", "AQWM TQWM TQWMI IQWM TQWM NQWM TQWMW TQWMNE IQWMW TQWMNE"},
      {"hollow with I", 1, "SIM", "ASIM TSIM TSIMI ISIM TSIM NSIM TSIMW TSIMNE ISIMW TSIMNE"},
      {"DIN with W, final N", 1, "DIN", "ADWN TDWN TDWNI IDWN TDWN NDWN TDWNW TDWNE IDWNW TDWNE"},
      {"geminate", 1, "SBB", "ASWB TSWB TSWBI ISWB TSWB NSWB TSWBW TSWBNE ISWBW TSWBNE"},
      {"yeshev type", 1, "ISB", "ASB TSB TSBI ISB TSB NSB TSBW TSBNE ISBW TSBNE"},
      {"yeshev type, final A", 1, "ICA", "ACA TCA TCAI ICA TCA NCA TCAW TCANE ICAW TCANE"},
      {"yirash type", 1, "IRS", "AIRS TIRS TIRSI IIRS TIRS NIRS TIRSW TIRSNE IIRSW TIRSNE"},
      {"ELK", 1, "ELK", "ALK TLK TLKI ILK TLK NLK TLKW TLKNE ILKW TLKNE"},
      {"nif'al", 2, "NKTB", "AKTB TIKTB TIKTBI IIKTB TIKTB NIKTB TIKTBW TIKTBNE IIKTBW TIKTBNE"},
      {"nif'al, 1s before R", 2, "NRAE",
       "AIRAE TIRAE TIRAI IIRAE TIRAE NIRAE TIRAW TIRAINE IIRAW TIRAINE"},
      {"nif'al final He", 2, "NBNE",
       "ABNE TIBNE TIBNI IIBNE TIBNE NIBNE TIBNW TIBNINE IIBNW TIBNINE"},
      {"pi'el final He", 3, "GLE", "AGLE TGLE TGLI IGLE TGLE NGLE TGLW TGLINE IGLW TGLINE"},
      {"pi'el final N", 3, "TQN", "ATQN TTQN TTQNI ITQN TTQN NTQN TTQNW TTQNE ITQNW TTQNE"},
      {"pi'el of four letters", 3, "TRGM",
       "ATRGM TTRGM TTRGMI ITRGM TTRGM NTRGM TTRGMW TTRGMNE ITRGMW TTRGMNE"},
      {"pu'al final He", 4, "GWLE",
       "AGWLE TGWLE TGWLI IGWLE TGWLE NGWLE TGWLW TGWLINE IGWLW TGWLINE"},
      {"hif'il: no I before NE", 5, "EGDIL",
       "AGDIL TGDIL TGDILI IGDIL TGDIL NGDIL TGDILW TGDLNE IGDILW TGDLNE"},
      {"hollow hif'il, final N", 5, "EBIN", "ABIN TBIN TBINI IBIN TBIN NBIN TBINW TBNE IBINW TBNE"},
      {"hif'il final He", 5, "ERAE", "ARAE TRAE TRAI IRAE TRAE NRAE TRAW TRAINE IRAW TRAINE"},
      {"huf'al", 6, "EWKTB", "AWKTB TWKTB TWKTBI IWKTB TWKTB NWKTB TWKTBW TWKTBNE IWKTBW TWKTBNE"},
      {"hitpa'el final He", 7, "ETGLE",
       "ATGLE TTGLE TTGLI ITGLE TTGLE NTGLE TTGLW TTGLINE ITGLW TTGLINE"},
  };
  expectModern(modern::writeFuture, kModernFutureTags, cases);
}

}  // namespace
}  // namespace morfenaar::testing
