#include "hebrew/paradigm.h"

#include <gtest/gtest.h>

#include "generated.h"

namespace morfenaar::testing {
namespace {

struct ParadigmRun {
  ParadigmStatus status;
  std::string out;
};

ParadigmRun paradigmOf(int klasse, std::string_view root, Rules rules = Rules::Default) {
  initTablesOnce();
  Woord woord(kSchrijven);
  const std::string source = sourceTag(klasse, root);
  std::string out;
  ParadigmStatus status = writeParadigm(
      klasse, root, woord,
      [&](const morfenaar::Record& record) { writeRecord(out, record, source); }, rules);
  return {status, out};
}

// The worked example: the five blocks of 1-KTB in their order; with the
// modern rules every slot once, the future with the Dutch future alone.
TEST(Paradigm, WritesTheFiveBlocksInOrder) {
  const struct {
    Rules rules;
    const char* records;
  } cases[] = {
      {Rules::Default,
       "KTBTI {1s}, KTBT {2s}, KTB {3s}, KTBE {3sf}, KTBNW {1p}, KTBTM {2pm}, KTBTN {2pf}, "
       "KTBW {3p}, "
       "KWTB {ms}, KWTBT {fs}, KWTBIM {mp}, KWTBWT {fp}, "
       "AKTWB {1s}, AKTWB {1s}, TKTWB {2sm}, TKTWB {2sm}, TKTWB {3sf}, TKTWB {3sf}, "
       "TKTBI {2sf}, TKTBI {2sf}, IKTWB {3sm}, IKTWB {3sm}, IKTB {3sm}, IKTB {3sm}, "
       "TKTB {3sf}, TKTB {3sf}, NKTWB {1p}, NKTWB {1p}, TKTBW {2p}, TKTBW {2p}, "
       "TKTWBNE {2pf}, TKTWBNE {2pf}, IKTBW {3p}, IKTBW {3p}, "
       "KTWB {2ms}, KTBI {2fs}, KTBW {2mp}, KTWBNE {2fp}, "
       "LKTWB {}, MKTWB {}"},
      {Rules::Modern,
       "KTBTI {1s}, KTBT {2sm}, KTBT {2sf}, KTB {3sm}, KTBE {3sf}, KTBNW {1p}, "
       "KTBTM {2pm}, KTBTN {2pf}, KTBW {3p}, "
       "KWTB {sm}, KWTBT {sf}, KWTBIM {pm}, KWTBWT {pf}, "
       "AKTWB {1s}, TKTWB {2sm}, TKTBI {2sf}, IKTWB {3sm}, TKTWB {3sf}, NKTWB {1p}, "
       "TKTBW {2pm}, TKTWBNE {2pf}, IKTBW {3pm}, TKTWBNE {3pf}, "
       "KTWB {2sm}, KTBI {2sf}, KTBW {2pm}, KTWBNE {2pf}, "
       "LKTWB {}, MKTWB {}"},
  };
  for (const auto& c : cases) {
    ParadigmRun run = paradigmOf(1, "KTB", c.rules);
    EXPECT_EQ(run.status, ParadigmStatus::Written);
    EXPECT_EQ(render(parseRecords(run.out)), c.records);
  }
}

TEST(Paradigm, ClassesFourAndSixEndWithTheFuture) {
  for (auto [klasse, root] : {std::pair{4, "DWBR"}, std::pair{6, "EWQM"}}) {
    SCOPED_TRACE(root);
    std::vector<Record> records = parseRecords(paradigmOf(klasse, root).out);
    ASSERT_EQ(records.size(), 30u);  // 8 past, 4 participle, 18 future records
    EXPECT_EQ(records.back().tag, "3p");
  }
}

TEST(Paradigm, RefusedRootsGetNoRecords) {
  struct Case {
    int klasse;
    const char* root;
    ParadigmStatus status;
  };
  const Case cases[] = {
      {0, "KTB", ParadigmStatus::UnknownClass},
      {8, "KTB", ParadigmStatus::UnknownClass},
      {9, "K", ParadigmStatus::UnknownClass},  // the class is tested first
      {-48, "", ParadigmStatus::UnknownClass},
      {1, "", ParadigmStatus::RootTooShort},
      {2, "N", ParadigmStatus::RootTooShort},
      {5, "EK", ParadigmStatus::RootTooShort},
      {7, "E", ParadigmStatus::RootTooShort},
      {1, "K", ParadigmStatus::Written},
      {5, "EKE", ParadigmStatus::Written},
      {6, "EW", ParadigmStatus::Written},
      // The length is tested before the alphabet, and counted in letters.
      {1, "ktb", ParadigmStatus::ForeignRoot},
      {1, "K B", ParadigmStatus::ForeignRoot},
      {5, "ek", ParadigmStatus::RootTooShort},
      {2, "\u05E0", ParadigmStatus::RootTooShort},  // one Hebrew letter, two bytes
      {2, "\u05E0\u05DB", ParadigmStatus::Written},
      // The letters before the radicals come after both, on the Latin twin.
      {6, "EQM", ParadigmStatus::NoClassPrefix},  // E alone is not EW
      {6, "E", ParadigmStatus::RootTooShort},
      {2, "\u05DB\u05E0", ParadigmStatus::NoClassPrefix},  // KN
      {3, "NKTB", ParadigmStatus::Written},
      {4, "EKTB", ParadigmStatus::Written},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.klasse) + " " + c.root);
    ParadigmRun run = paradigmOf(c.klasse, c.root);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out.empty(), c.status != ParadigmStatus::Written);
  }
}

// A root in Hebrew letters gives the records of its Latin twin with the
// forms written in Hebrew letters.
TEST(Paradigm, HebrewRootWritesHebrewForms) {
  ParadigmRun run = paradigmOf(1, "\u05DB\u05EA\u05D1");  // KTB
  ASSERT_EQ(run.status, ParadigmStatus::Written);
  std::vector<Record> records = parseRecords(run.out);
  ASSERT_EQ(records.size(), 40u);
  EXPECT_EQ(records[0].hebrew, "\u05DB\u05EA\u05D1\u05EA\u05D9");  // KTBTI
  EXPECT_EQ(records[0].dutch, "(ik) heb geschreven");
  // Only the form changes: the Dutch text, the tag and the source stay.
  EXPECT_EQ(records[39].hebrew, "\u05DE\u05DB\u05EA\u05D5\u05D1");  // MKTWB
  EXPECT_EQ(records[39].dutch, "om te schrijven");
  EXPECT_EQ(records[39].tag, "");
  EXPECT_EQ(records[39].source, "[1-\u05DB\u05EA\u05D1]");
}

// A root in Hebrew letters is looked up in the root lists by its Latin
// twin, and its forms are written in Hebrew letters with final shapes.
TEST(Paradigm, ModernRulesForAHebrewRoot) {
  ParadigmRun run = paradigmOf(1, "\u05DC\u05DE\u05D3", Rules::Modern);  // LMD, a stative
  ASSERT_EQ(run.status, ParadigmStatus::Written);
  std::vector<Record> records = parseRecords(run.out);
  ASSERT_EQ(records.size(), 29u);
  EXPECT_EQ(records[16].hebrew, "\u05D9\u05DC\u05DE\u05D3");  // ILMD {3sm}
  EXPECT_EQ(records[16].tag, "3sm");
  EXPECT_EQ(records[28].hebrew, "\u05DE\u05DC\u05DE\u05D5\u05D3");  // MLMWD
}

}  // namespace
}  // namespace morfenaar::testing
