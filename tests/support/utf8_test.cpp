#include "support/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace morfenaar {
namespace {

using namespace std::string_literals;

TEST(Utf8Test, SequenceLengthAtTheEdgesOfValidUtf8) {
  struct Case {
    std::string bytes;
    std::size_t length;
  };
  const Case cases[] = {
      {"", 0},
      {"A", 1},
      {"\0"s, 1},
      {"\x7F", 1},
      {"\xC2\x80", 2},  // U+0080, the smallest two-byte character
      {"\xC3\x9F", 2},  // U+00DF
      {"\xC1\xBF", 0},  // overlong U+007F
      {"\xC3", 0},      // cut short
      {"\xC3\x41", 0},  // no continuation byte
      {"\x80", 0},      // stray continuation byte
      {"\xDF", 0},      // the special root's byte alone
      {"\xDF"
       "A",
       0},                      // ... before a letter
      {"\xD7\x9B", 2},          // kaf
      {"\xE0\x9F\xBF", 0},      // overlong U+07FF
      {"\xE0\xA0\x80", 3},      // U+0800
      {"\xED\x9F\xBF", 3},      // U+D7FF
      {"\xED\xA0\x80", 0},      // surrogate U+D800
      {"\xEF\xBB\xBF", 3},      // byte order mark
      {"\xF0\x8F\xBF\xBF", 0},  // overlong U+FFFF
      {"\xF0\x90\x80\x80", 4},  // U+10000
      {"\xF4\x8F\xBF\xBF", 4},  // U+10FFFF
      {"\xF4\x90\x80\x80", 0},  // above U+10FFFF
      {"\xF0\x90\x80", 0},      // cut short
      {"\xF5\x80\x80\x80", 0},
      {"\xFF", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    EXPECT_EQ(utf8SequenceLength(c.bytes), c.length);
    EXPECT_EQ(isValidUtf8(c.bytes), c.length == c.bytes.size());
  }
}

void appendEscapedLt(std::string& out, char c) { out += c == '<' ? "&lt;"s : std::string(1, c); }

TEST(Utf8Test, OtherBytesAreReadAsLatin1) {
  struct Case {
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"schrijven", "schrijven"},
      {"cre\xEB"
       "ren",
       "cre\xC3\xAB"
       "ren"},  // Latin-1 e with diaeresis
      {"cre\xC3\xAB"
       "ren",
       "cre\xC3\xAB"
       "ren"},  // the same in UTF-8 stays
      {"I\xDF"
       "A",
       "I\xC3\x9F"
       "A"},                                 // the special root
      {"\xD7\x9B\xD7", "\xD7\x9B\xC3\x97"},  // a Hebrew letter cut short
      {"\x80\xFF", "\xC2\x80\xC3\xBF"},
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},  // a surrogate, byte by byte
      {"a\0b"s, "a\0b"s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    std::string out = "x";
    appendUtf8(out, c.bytes);
    EXPECT_EQ(out, "x" + c.text);
    EXPECT_TRUE(isValidUtf8(out));
  }
  // ASCII goes through the given writer; other characters never do.
  std::string out;
  appendUtf8(out, "<\xC3\xBC\xFC", appendEscapedLt);
  EXPECT_EQ(out, "&lt;\xC3\xBC\xC3\xBC");
}

}  // namespace
}  // namespace morfenaar
