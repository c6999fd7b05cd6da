#include "support/strings.h"

#include <gtest/gtest.h>

#include <string>

namespace morfenaar {
namespace {

struct SearchCase {
  const char* text;
  const char* needle;
  Pos first;
  Pos last;
};

TEST(StringsTest, SubstringSearchFindsFirstAndLast) {
  const SearchCase cases[] = {
      {"abcabc", "bc", 1, 4},
      {"ab", "abc", -1, -1},  // needle longer than the text
      {"abc", "", 0, 3},      // empty needle
      {"", "", 0, 0},
      {"", "a", -1, -1},
      {"aaa", "aa", 0, 1},  // overlapping occurrences
      {"abc", "abc", 0, 0},
      {"abc", "d", -1, -1},
      {"z. wassen", "z. ", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(indexOf(c.text, std::string_view(c.needle)), c.first) << c.text << " / " << c.needle;
    EXPECT_EQ(lastIndexOf(c.text, std::string_view(c.needle)), c.last)
        << c.text << " / " << c.needle;
  }
}

TEST(StringsTest, CharacterSearch) {
  EXPECT_EQ(indexOf("abcabc", 'c'), 2);
  EXPECT_EQ(lastIndexOf("abcabc", 'c'), 5);
  EXPECT_EQ(indexOf("abc", 'x'), -1);
  EXPECT_EQ(lastIndexOf("", 'a'), -1);
  EXPECT_EQ(indexOf("", 'a'), -1);
  // The NUL character is never found.
  EXPECT_EQ(indexOf("abc", '\0'), -1);
  EXPECT_EQ(lastIndexOf("abc", '\0'), -1);
  // Bytes above 127 are ordinary characters.
  // The literals are split so that A is no hex digit; kept on one line.
  // clang-format off
  EXPECT_EQ(indexOf("I\xDF" "A", '\xDF'), 1);
  // clang-format on
}

TEST(StringsTest, SuffixAndPrefix) {
  struct Case {
    const char* text;
    const char* affix;
    bool ends;
    bool starts;
  };
  const Case cases[] = {
      {"", "", true, true},        {"a", "ba", false, false}, {"abc", "", true, true},
      {"ETGLE", "E", true, true},  {"ZB", "ZB", true, true},  {"SMO", "O", true, false},
      {"STMS", "ST", false, true}, {"T", "ST", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(endsWith(c.text, std::string_view(c.affix)), c.ends) << c.text << " / " << c.affix;
    EXPECT_EQ(startsWith(c.text, c.affix), c.starts) << c.text << " / " << c.affix;
  }
  EXPECT_TRUE(endsWith("loop", 'p'));
  EXPECT_FALSE(endsWith("", 'p'));
  EXPECT_FALSE(endsWith("loop", 'o'));
}

TEST(StringsTest, TrimRemovesBlanksOnly) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"  a b  ", "a b"},   {"\ta b\t", "\ta b\t"},  // TAB is not a blank
      {"   ", ""},          {"", ""},
      {" x", "x"},          {"x ", "x"},
      {" \tx\t ", "\tx\t"}, {"x", "x"},
      {"a b", "a b"},  // no blank at either end
      {"a b ", "a b"},      {" a b", "a b"},
      {"  a  b  ", "a  b"},  // inner blanks stay
      {"x  ", "x"},         {"  x", "x"},
  };
  for (const auto& c : cases) {
    std::string text = c.in;
    trim(text);
    EXPECT_EQ(text, c.out) << "'" << c.in << "'";
    EXPECT_EQ(trimmed(c.in), c.out) << "'" << c.in << "'";
  }
  // The view is a part of the text, not a copy.
  const std::string_view padded = "  ab ";
  EXPECT_EQ(trimmed(padded).data(), padded.data() + 2);
}

}  // namespace
}  // namespace morfenaar
