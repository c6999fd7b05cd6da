#include "dutch/tables.h"

#include <gtest/gtest.h>

namespace morfenaar {
namespace {

class TablesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { init(); }
};

// The value stored under `key`, or "(null)" when the key is absent.
std::string lookup(const Hashtable& table, const char* key) {
  const std::string* value = table.get(key);
  return value != nullptr ? *value : "(null)";
}

TEST_F(TablesTest, PersonTablesHoldEveryRow) {
  struct Row {
    const char* code;
    const char* persTitle;
    const char* hebben;
    const char* zijn;
    const char* zich;
    const char* zullen;
  };
  const Row rows[] = {
      {"1s", "ik", "heb", "ben", "me", "zal"},
      {"2s", "jij", "hebt", "bent", "je", "zult"},
      {"3s", "hij", "heeft", "is", "zich", "zal"},
      {"3sf", "zij", "heeft", "is", "zich", "zal"},
      {"1p", "wij", "hebben", "zijn", "ons", "zullen"},
      {"2p", "jullie", "hebben", "zijn", "je", "zullen"},
      {"3p", "zij", "hebben", "zijn", "zich", "zullen"},
      {"s", "", "(null)", "(null)", "zich", "(null)"},
      {"p", "", "(null)", "(null)", "zich", "(null)"},
      {"4s", "(null)", "(null)", "(null)", "(null)", "(null)"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(lookup(htPersTitle, r.code), r.persTitle) << r.code;
    EXPECT_EQ(lookup(htHebben, r.code), r.hebben) << r.code;
    EXPECT_EQ(lookup(htZijn, r.code), r.zijn) << r.code;
    EXPECT_EQ(lookup(htZich, r.code), r.zich) << r.code;
    EXPECT_EQ(lookup(htZullen, r.code), r.zullen) << r.code;
  }
  EXPECT_EQ(htPersTitle.count(), 9);
  EXPECT_EQ(htHebben.count(), 7);
  EXPECT_EQ(htZijn.count(), 7);
  EXPECT_EQ(htZich.count(), 9);
  EXPECT_EQ(htZullen.count(), 7);
}

TEST_F(TablesTest, PersonCodesByPosition) {
  for (std::size_t i = 0; i < kPersonCodes.size(); ++i) {
    EXPECT_EQ(personIndex(kPersonCodes[i]), static_cast<int>(i)) << kPersonCodes[i];
  }
  EXPECT_EQ(personIndex("3sf"), 3);
  EXPECT_EQ(personIndex("p"), 8);
  for (const char* code : {"", "4s", "0p", "1x", "3sg", "3pf", "sp", "x", "1s ", "ps"}) {
    EXPECT_EQ(personIndex(code), -1) << "'" << code << "'";
  }
}

TEST_F(TablesTest, SpecialStems) {
  const struct {
    const char* key;
    const char* value;
  } rows[] = {{"ga", "ga(a)"}, {"do", "doe"},  {"sta", "sta(a)"},  {"sla", "sla(a)"},
              {"ben", "ben"},  {"kom", "kom"}, {"loop", "(null)"}, {"g", "(null)"}};
  for (const auto& r : rows) EXPECT_EQ(lookup(htBijzStammen, r.key), r.value) << r.key;
  EXPECT_EQ(htBijzStammen.count(), 6);
}

TEST(MeervoudTest, PluralOfSimplePast) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"zette", "zetten"},
      {"werd", "werden"},
      {"vond", "vondden"},
      {"deed", "deedden"},
      {"reed", "reedden"},
      {"was", "waren"},
      {"koos", "kozen"},
      {"schreef", "schreven"},
      {"bleef", "bleven"},
      {"wees", "wezen"},
      {"stuur", "sturen"},
      {"gaf", "gaven"},
      {"liep", "liepen"},
      {"las", "lazen"},
      {"at", "aten"},
      {"droeg", "droegen"},
      {"wast", "wasten"},
      {"lase", "lazen"},
      {"oo", "ooen"},
      {"e", "en"},
      // "aa" is not written single, and the "d" rule comes first.
      {"", "en"},
      {"baad", "baadden"},
      {"zaag", "zaagen"},
      {"ging", "gingen"},
  };
  for (const auto& c : cases) EXPECT_EQ(meervoud(c.in), c.out) << c.in;
}

TEST(IsConsTest, OnlyLowerCaseVowelsAreNotConsonants) {
  for (char c : std::string("aeiou")) EXPECT_FALSE(isCons(c)) << c;
  for (char c : std::string("ybAEIOU0 \t")) EXPECT_TRUE(isCons(c)) << c;
}

}  // namespace
}  // namespace morfenaar
