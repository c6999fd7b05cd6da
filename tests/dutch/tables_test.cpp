#include "dutch/tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "dutch/sterke_werkwoorden.h"

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

// The plural of a simple-past singular by both rule sets; nullptr where a
// row is about one of them only.
TEST(MeervoudTest, PluralOfSimplePast) {
  const struct {
    const char* in;
    const char* plain;   // meervoud
    const char* modern;  // modernMeervoud
  } cases[] = {
      {"zette", "zetten", "zetten"},
      {"werd", "werden", "werden"},
      {"vond", "vondden", "vonden"},
      {"deed", "deedden", "deden"},
      {"reed", "reedden", nullptr},
      {"was", "waren", "waren"},
      {"koos", "kozen", nullptr},
      {"schreef", "schreven", nullptr},
      {"bleef", "bleven", nullptr},
      {"wees", "wezen", nullptr},
      {"stuur", "sturen", nullptr},
      {"gaf", "gaven", nullptr},
      {"liep", "liepen", nullptr},
      {"las", "lazen", nullptr},
      {"at", "aten", nullptr},
      {"droeg", "droegen", nullptr},
      {"wast", "wasten", nullptr},
      {"lase", "lazen", nullptr},
      {"oo", "ooen", nullptr},
      {"e", "en", nullptr},
      // "aa" is not written single, and the "d" rule comes first.
      {"", "en", "en"},
      {"baad", "baadden", nullptr},
      {"zaag", "zaagen", nullptr},
      {"ging", "gingen", nullptr},
      // Strong and irregular verbs of the list.
      {"stond", nullptr, "stonden"},
      {"hield", nullptr, "hielden"},
      {"zei", nullptr, "zeiden"},
      {"zou", nullptr, "zouden"},
      {"trok", nullptr, "trokken"},
      {"schrok", nullptr, "schrokken"},
      {"zwom", nullptr, "zwommen"},
      {"won", nullptr, "wonnen"},
      {"begon", nullptr, "begonnen"},
      {"kon", nullptr, "konden"},
      {"had", nullptr, "hadden"},
      {"kwam", nullptr, "kwamen"},
      {"sloeg", nullptr, "sloegen"},
      {"hees", nullptr, "hesen"},
      {"wies", nullptr, "wiesen"},
      {"woei", nullptr, "woeien"},
      {"stierf", nullptr, "stierven"},
      // Compounds: the prefix stays before the plural of the verb.
      {"versloeg", nullptr, "versloegen"},
      {"overkwam", nullptr, "overkwamen"},
      {"ontving", nullptr, "ontvingen"},
      {"overwon", nullptr, "overwonnen"},
      {"bezweek", nullptr, "bezweken"},
      // The longest singular that ends the word counts: vloog, not loog.
      {"vloog", nullptr, "vlogen"},
      {"sliep", nullptr, "sliepen"},
      // Regular verbs.
      {"werkte", nullptr, "werkten"},
      {"bloeide", nullptr, "bloeiden"},
      // The modern rule alone, for singulars that no row ends: a long vowel
      // written double, a single "a", a single other vowel, two vowel
      // letters, a cluster, a vowel at the end.
      {"kees", nullptr, "kezen"},
      {"dreep", nullptr, "drepen"},
      {"blam", nullptr, "blamen"},
      {"kraf", nullptr, "kraven"},
      {"plok", nullptr, "plokken"},
      {"stif", nullptr, "stiffen"},
      {"ploef", nullptr, "ploeven"},
      {"kruip", nullptr, "kruipen"},
      {"wrocht", nullptr, "wrochten"},
      {"kelf", nullptr, "kelven"},
      {"lei", nullptr, "leien"},
      {"vrij", nullptr, "vrijen"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    if (c.plain != nullptr) {
      EXPECT_EQ(meervoud(c.in), c.plain);
    }
    if (c.modern != nullptr) {
      EXPECT_EQ(modernMeervoud(c.in), c.modern);
    }
  }
}

TEST(SterkeWerkwoordenTest, TheListCoversTheClassAndIsWellFormed) {
  const auto rows = sterkeWerkwoorden();
  EXPECT_GE(rows.size(), 180u);
  EXPECT_TRUE(std::ranges::is_sorted(rows, {}, &SterkWerkwoord::onbWijs));
  std::map<std::string_view, std::string_view> pluralOf;
  for (const SterkWerkwoord& row : rows) {
    SCOPED_TRACE(std::string(row.onbWijs));
    EXPECT_TRUE(row.onbWijs.ends_with("en") || row.onbWijs.ends_with("n"));
    // A singular in -e would take the simple past of weak verbs.
    ASSERT_FALSE(row.ovtEnkel.empty());
    EXPECT_NE(row.ovtEnkel.back(), 'e');
    EXPECT_TRUE(row.ovtMeervoud.ends_with("en"));
    // Two verbs with one singular have one plural.
    const auto [at, added] = pluralOf.emplace(row.ovtEnkel, row.ovtMeervoud);
    if (!added) {
      EXPECT_EQ(at->second, row.ovtMeervoud);
    }
  }
}

TEST(SterkeWerkwoordenTest, FoundByTheEndOfTheSimplePast) {
  const struct {
    const char* ovt;
    const char* onbWijs;  // "" for no row
  } cases[] = {
      {"vond", "vinden"}, {"versloeg", "slaan"}, {"vergat", "vergeten"}, {"zat", "zitten"},
      {"at", "eten"},     {"bewoog", "bewegen"}, {"werkte", ""},         {"", ""},
      {"zeide", ""},      {"wast", ""},
  };
  for (const auto& c : cases) {
    const SterkWerkwoord* row = sterkWerkwoordBijOvt(c.ovt);
    EXPECT_EQ(row != nullptr ? row->onbWijs : "", c.onbWijs) << c.ovt;
  }
}

TEST_F(TablesTest, CompoundsTakeTheSpecialStemOfTheirVerb) {
  const struct {
    const char* in;
    const char* out;
    bool replaced;
  } cases[] = {
      {"versla", "versla(a)", true},
      {"ontga", "ontga(a)", true},
      {"besta", "besta(a)", true},
      {"voldo", "voldoe", true},
      {"bekom", "bekom", true},
      {"overkom", "overkom", true},
      // The verbs themselves are the table's; "ben" says nothing.
      {"sla", "sla", false},
      {"ga", "ga", false},
      {"hebben", "hebben", false},
      {"loop", "loop", false},
      {"", "", false},
  };
  for (const auto& c : cases) {
    std::string stem = c.in;
    EXPECT_EQ(samengesteldeBijzStam(stem), c.replaced) << c.in;
    EXPECT_EQ(stem, c.out) << c.in;
  }
}

TEST(IsConsTest, OnlyLowerCaseVowelsAreNotConsonants) {
  for (char c : std::string("aeiou")) EXPECT_FALSE(isCons(c)) << c;
  for (char c : std::string("ybAEIOU0 \t")) EXPECT_TRUE(isCons(c)) << c;
}

}  // namespace
}  // namespace morfenaar
