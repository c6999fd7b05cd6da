#include "hebrew/infinitive.h"

#include <gtest/gtest.h>

#include "generated.h"
#include "hebrew/modern/modern.h"

namespace morfenaar::testing {
namespace {

struct InfinitiveCase {
  const char* label;
  int klasse;
  const char* root;
  const char* forms;  // in record order; every tag is empty
};

void expectInfinitive(const InfinitiveCase& c) {
  SCOPED_TRACE(std::string(c.label) + " " + c.root);
  std::vector<std::string> tags(words(c.forms).size(), "");
  EXPECT_EQ(formsOf(writeInfinitive, c.klasse, c.root), withTags(c.forms, tags));
}

TEST(Infinitive, OneRowPerCase) {
  const InfinitiveCase cases[] = {
      {"1a", 1, "AMR", "LAMR MAMR"},
      {"1b", 1, "NTN", "LTT MTT"},
      {"1c", 1, "BNE", "LBNWT MBNWT"},
      {"1d", 1, "QWM", "LQWM MQWM"},
      {"1d", 1, "SBB", "LSBB MSBB"},
      {"1e", 1, "ISB", "LSBT MSBT"},
      {"1e", 1, "NSA", "LSAT MSAT"},
      {"1f", 1, "QRA", "LQRWA LQRA MQRWA MQRA"},
      {"1g", 1, "KTB", "LKTWB MKTWB"},
      {"1g", 1, "LQH", "LLQWH MLQWH"},
      {"2a", 2, "NICL", "LEINCL MEINCL"},
      {"2b", 2, "NWLD", "LEIWWLD MEIWWLD"},
      {"2c", 2, "NKTB", "LEIKTB MEIKTB"},
      {"3", 3, "DBR", "LDBR MDBR"},
      {"5a", 5, "EPR", "LEPR MEPR LEPIR MEPIR"},
      {"5b", 5, "EKE", "LEKWT MEKWT"},
      {"5c", 5, "EKTIB", "LEKTIB MEKTIB"},
      {"7a", 7, "ETKTB", "LETKTB METKTB"},
      {"7a", 7, "ESTMS", "LESTMS MESTMS"},
      {"7a", 7, "ETGLE", "LETGLWT METGLWT"},
      {"7a", 7, "ETRWE", "LETRWT METRWT"},
      {"7b", 7, "EZDQN", "LETZDQN METZDQN"},
  };
  for (const InfinitiveCase& c : cases) expectInfinitive(c);
}

TEST(Infinitive, RowChoiceAtTheEdges) {
  const InfinitiveCase cases[] = {
      // Only whole roots are special.
      {"1g", 1, "AMRX", "LAMWX MAMWX"},
      {"1g", 1, "NSAX", "LNSWX MNSWX"},
      {"1g", 1, "ELK", "LELWK MELWK"},
      // Nun-nun before everything but AMR, even when hollow.
      {"1b", 1, "NWN", "LWT MWT"},
      // Final He before hollow.
      {"1c", 1, "QWE", "LQWWT MQWWT"},
      // I first and A last: row 1e, not 1f.
      {"1e", 1, "IRA", "LRAT MRAT"},
      // The letters after S in a stem7 beginning with S but not ST: extra T.
      {"7b", 7, "ESKL", "LETSKL METSKL"},
      // A stem7 beginning with T and ending in W, root ending in E.
      {"7a", 7, "ETTWE", "LETTWT METTWT"},
      // Not ending in E: no ending at all, even with a final W.
      {"7b", 7, "EQLW", "LETQLW METQLW"},
  };
  for (const InfinitiveCase& c : cases) expectInfinitive(c);
}

TEST(Infinitive, NoneForClassesFourAndSix) {
  for (const char* root : {"DBR", "EWQM"}) {
    EXPECT_EQ(generateText(writeInfinitive, 4, root), "");
    EXPECT_EQ(generateText(writeInfinitive, 6, root), "");
  }
  for (int klasse : {0, 8, 9}) EXPECT_EQ(generateText(writeInfinitive, klasse, "KTB"), "");
}

TEST(Infinitive, MissingLetterEndsTheForm) {
  expectInfinitive({"5c", 5, "EKSB", "LEKI MEKI"});
  expectInfinitive({"1b", 1, "N", "L M"});
  expectInfinitive({"1c", 1, "E", "LE ME"});
}

TEST(Infinitive, LongRootsAreNotCut) {
  expectInfinitive({"2c", 2, "NKTBKTBKTBKTBKS", "LEIKTBKTBKTBKTBKS MEIKTBKTBKTBKTBKS"});
  expectInfinitive({"7b", 7, "EKTBKTBKTBKTBKS", "LETKTBKTBKTBKTBKS METKTBKTBKTBKTBKS"});
}

TEST(Infinitive, RecordsInFull) {
  EXPECT_EQ(generateText(writeInfinitive, 1, "KTB"),
            "#LKTWB\tte schrijven\t{}[1-KTB]\n"
            "#MKTWB\tom te schrijven\t{}[1-KTB]\n");
  EXPECT_EQ(dutchColumn(generateRecords(writeInfinitive, 5, "EPR")),
            (std::vector<std::string>{"te schrijven", "om te schrijven", "te schrijven",
                                      "om te schrijven"}));
  EXPECT_EQ(dutchColumn(generateRecords(writeInfinitive, 1, "QRA")),
            (std::vector<std::string>{"te schrijven", "te schrijven", "om te schrijven",
                                      "om te schrijven"}));
}

TEST(ModernInfinitive, OneCasePerRuleGroup) {
  const std::vector<std::string> tags = {"", ""};
  const ModernCase cases[] = {
      {"o", 1, "KTB", "LKTWB MKTWB"},
      {"AMR", 1, "AMR", "LWMR MWMR"},
      {"NTN", 1, "NTN", "LTT MTT"},
      {"final He", 1, "BNE", "LBNWT MBNWT"},
      {"N first, final He", 1, "NJE", "LNJWT MNJWT"},
      {"N first", 1, "NPL", "LIPWL MIPWL"},
      {"hollow", 1, "QWM", "LQWM MQWM"},
      {"DIN with W", 1, "DIN", "LDWN MDWN"},
      {"yeshev type", 1, "ISB", "LSBT MSBT"},
      {"yeshev type, final A", 1, "ICA", "LCAT MCAT"},
      {"yirash type", 1, "ISN", "LISWN MISWN"},
      {"listed -at", 1, "ELK", "LLKT MLKT"},
      {"listed -at", 1, "LQH", "LQHT MQHT"},
      {"final A: one shape", 1, "QRA", "LQRWA MQRWA"},
      {"nif'al", 2, "NKTB", "LEIKTB MEIKTB"},
      {"nif'al final He", 2, "NRAE", "LEIRAWT MEIRAWT"},
      {"pi'el", 3, "DBR", "LDBR MDBR"},
      {"pi'el final He", 3, "GLE", "LGLWT MGLWT"},
      {"geminate hif'il: one shape", 5, "EPR", "LEPR MEPR"},
      {"hif'il final He", 5, "EKE", "LEKWT MEKWT"},
      {"hitpa'el with a sibilant", 7, "EZDQN", "LEZDQN MEZDQN"},
      {"hitpa'el final He", 7, "ETGLE", "LETGLWT METGLWT"},
  };
  expectModern(modern::writeInfinitive, tags, cases);
}

TEST(ModernInfinitive, ShapesCarryTheDutchInfinitive) {
  EXPECT_EQ(dutchColumn(generateRecords(modern::writeInfinitive, 1, "KTB")),
            (std::vector<std::string>{"te schrijven", "om te schrijven"}));
  EXPECT_EQ(generateText(modern::writeInfinitive, 4, "DWBR"), "");
  EXPECT_EQ(generateText(modern::writeInfinitive, 6, "EWQM"), "");
}

}  // namespace
}  // namespace morfenaar::testing
