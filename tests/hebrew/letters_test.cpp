#include "hebrew/letters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morfenaar {
namespace {

TEST(Letters, EveryHebrewLetterHasItsTransliteration) {
  HebrewRoot all = readHebrewRoot(3, "אבגדהוזחטיכךלמםנןסעפףצץקרשת").value();
  EXPECT_EQ(all.latin, "ABGDEWZHJIKKLMMNNSOPPCCQRST");
}

TEST(Letters, RootsInHebrewLetters) {
  struct Case {
    int klasse;
    std::string typed;
    std::string latin;
    std::vector<std::string> sLetters;
  };
  const Case cases[] = {
      {1, "כתב", "KTB", {}},
      {1, "מלך", "MLK", {}},
      {1, "ךםן", "KMN", {}},  // final shapes count wherever they stand
      {1, "שמר", "SMR", {"ש"}},
      {1, "שׁמר", "SMR", {"שׁ"}},
      {3, "שׂחק", "SHQ", {"שׂ"}},
      {1, "שסע", "SSO", {"ש", "ס"}},
      {7, "השתמש", "ESTMS", {"ש", "ש"}},
      {1, "יצא", "I\xDF" "A", {}},  // the special root of the generators
      {1, "יץא", "I\xDF" "A", {}},
      {3, "יצא", "ICA", {}},  // only the class-1 root is special
      {1, "יצאה", "ICAE", {}},
      {1, "ב", "B", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    std::optional<HebrewRoot> root = readHebrewRoot(c.klasse, c.typed);
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(root->latin, c.latin);
    EXPECT_EQ(std::vector<std::string>(root->sLetters.begin(), root->sLetters.end()), c.sLetters);
  }
}

TEST(Letters, RootsThatAreNotWhollyHebrewLetters) {
  const std::string refused[] = {
      "",
      "KTB",
      "כתB",
      "Kתב",
      "כָּתַב",         // vowel points and a dagesh
      "כת־ב",          // maqaf
      "כת׳",           // geresh
      "\u05C1שמר",     // a shin dot before its letter
      "כׂתב",          // a sin dot after kaf
      "שׁׂמר",          // two dots
      "כת\xD7",        // a letter cut short
      "כת\xD7\xAB",    // U+05EB, just after tav
      "\xD7\x8F" "כת",  // U+05CF, just before aleph
      "כתב\xFF",
      "כ תב",
  };
  for (const std::string& typed : refused) {
    EXPECT_FALSE(readHebrewRoot(1, typed).has_value()) << typed;
  }
}

std::string hebrew(const std::string& form, const std::string& typedRoot, int klasse = 1) {
  std::string out;
  appendHebrewForm(out, form, readHebrewRoot(klasse, typedRoot).value());
  return out;
}

TEST(Letters, FormsInHebrewLetters) {
  struct Case {
    std::string form, root, expected;
  };
  const Case cases[] = {
      {"KTBTI", "כתב", "כתבתי"},
      {"KTBTM", "כתב", "כתבתם"},
      {"KTBTN", "כתב", "כתבתן"},
      {"MLK", "מלך", "מלך"},
      {"MLKW", "מלך", "מלכו"},  // a final kaf of the root inside a form
      {"RDP", "רדף", "רדף"},
      {"QPC", "קפץ", "קפץ"},
      {"LKTWB", "כתב", "לכתוב"},
      {"", "כתב", ""},
      {"SMRTI", "שמר", "שמרתי"},
      {"SMRTI", "שׁמר", "שׁמרתי"},
      {"SPRTI", "ספר", "ספרתי"},
      {"ASSO", "שסע", "אשסע"},  // each S takes the root's S letters in order
      {"SSS", "שס", "שסס"},     // more S than the root: the last one repeats
      {"ISTMSW", "השתמש", "ישתמשו"},
      {"A\xDF" "A", "יצא", "אצא"},
      {"\xDF" "A", "יצא", "צא"},
      {"I\xDF", "יצא", "יץ"},
  };
  for (const Case& c : cases) EXPECT_EQ(hebrew(c.form, c.root), c.expected) << c.form;
}

TEST(Letters, RecordsAreRewrittenOnlyInTheirHebrewFieldAndAfterTheMark) {
  std::string records =
      "#KTB\tschrijf!\t{2ms}[1-KTB]\n"
      "#KTBTM\t(jullie) hebben geschreven\t{2pm}[1-כתב]\n"
      "#MKTWB\tom te schrijven\t{}[1-כתב]\n";
  std::size_t mark = records.find('\n') + 1;
  writeFormsInHebrew(records, mark, readHebrewRoot(1, "כתב").value());
  EXPECT_EQ(records,
            "#KTB\tschrijf!\t{2ms}[1-KTB]\n"
            "#כתבתם\t(jullie) hebben geschreven\t{2pm}[1-כתב]\n"
            "#מכתוב\tom te schrijven\t{}[1-כתב]\n");
}

}  // namespace
}  // namespace morfenaar
