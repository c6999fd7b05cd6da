#include "hebrew/letters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morfenaar {
namespace {

TEST(Letters, RootsInHebrewLetters) {
  struct Case {
    int klasse;
    std::string typed;
    std::string latin = {};  // empty when the root is not wholly Hebrew letters
    std::vector<std::string> sLetters = {};
  };
  const Case cases[] = {
      {3, "אבגדהוזחטיכךלמםנןסעפףצץקרשת", "ABGDEWZHJIKKLMMNNSOPPCCQRST", {"ס", "ש"}},
      {1, "ךםן", "KMN"},  // final shapes count wherever they stand
      {1, "שׁמר", "SMR", {"שׁ"}},
      {3, "שׂחק", "SHQ", {"שׂ"}},
      // The literals are split so that A is no hex digit; kept on one line.
      // clang-format off
      {1, "יצא", "I\xDF" "A"},  // the special root of the generators
      {1, "יץא", "I\xDF" "A"},
      // clang-format on
      {3, "יצא", "ICA"},  // only in class 1
      {1, "יצאה", "ICAE"},
      {1, ""},
      {1, "KTB"},         // mixed, pointed and broken roots: see the end-to-end refusals
      {1, "כת׳"},         // geresh
      {1, "\u05C1שמר"},   // a shin dot before its letter
      {1, "כת\xD7\xAB"},  // U+05EB, just after tav
      {1,
       "\xD7\x8F"
       "כת"},  // U+05CF, just before aleph
      {1, "כ תב"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    std::optional<HebrewRoot> root = readHebrewRoot(c.klasse, c.typed);
    ASSERT_EQ(root.has_value(), !c.latin.empty());
    if (!root) continue;
    EXPECT_EQ(root->latin, c.latin);
    EXPECT_EQ(std::vector<std::string>(root->sLetters.begin(), root->sLetters.end()), c.sLetters);
  }
}

TEST(Letters, FormsInHebrewLetters) {
  struct Case {
    std::string form, root, expected;
  };
  const Case cases[] = {
      {"MLKW", "מלך", "מלכו"},  // a final kaf of the root inside a form
      {"", "כתב", ""},
      {"ASSO", "שסע", "אשסע"},  // each S takes the root's S letters in order
      {"SSS", "שס", "שסס"},     // more S than the root: the last one repeats
      {"ISTMSW", "השׁתמשׁ", "ישׁתמשׁו"},
      {"I\xDF", "יצא", "יץ"},
  };
  for (const Case& c : cases) {
    std::string out;
    appendHebrewForm(out, c.form, readHebrewRoot(1, c.root).value());
    EXPECT_EQ(out, c.expected) << c.form;
  }
}

}  // namespace
}  // namespace morfenaar
