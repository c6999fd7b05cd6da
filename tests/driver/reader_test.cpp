#include "driver/reader.h"

#include <gtest/gtest.h>

#include <string>

namespace morfenaar {
namespace {

using namespace std::string_literals;

struct SplitCase {
  const char* name;
  std::string line;
  LineKind kind;
  int klasse;
  const char* root;
  const char* gloss;
  const char* sourceTag;
};

TEST(ReaderTest, SplitsLinesIntoFields) {
  const SplitCase cases[] = {
      {"plain", "1-KTB\tschrij'ven (schreef, h. geschreven)\n", LineKind::Entry, 1, "KTB",
       "schrij'ven (schreef, h. geschreven)", "[1-KTB]"},
      {"CR LF", "1-KTB\tschrij'ven (schreef, h. geschreven)\r\n", LineKind::Entry, 1, "KTB",
       "schrij'ven (schreef, h. geschreven)", "[1-KTB]"},
      {"no LF at end", "1-KTB\tx (y, h. z)", LineKind::Entry, 1, "KTB", "x (y, h. z)", "[1-KTB]"},
      {"second TAB ends the gloss", "2-NKTB\tg (a, h. b)\trest\r\n", LineKind::Entry, 2, "NKTB",
       "g (a, h. b)", "[2-NKTB]"},
      {"CR inside the rest is ignored", "2-NKTB\tg\tre\rst\n", LineKind::Entry, 2, "NKTB", "g",
       "[2-NKTB]"},
      {"first CR ends the gloss", "3-DBR\tab\rcd\n", LineKind::Entry, 3, "DBR", "ab", "[3-DBR]"},
      {"any second character", "1xABC\tg\n", LineKind::Entry, 1, "ABC", "g", "[1xABC]"},
      {"empty gloss", "1-KTB\t\n", LineKind::Entry, 1, "KTB", "", "[1-KTB]"},
      {"leading TAB", "\tgloss\n", LineKind::Entry, -48, "", "gloss", "[]"},
      {"class digit 9", "9-ABC\tg\n", LineKind::Entry, 9, "ABC", "g", "[9-ABC]"},
      {"short first field", "5\tgloss\n", LineKind::Entry, 5, "", "gloss", "[5]"},
      {"two-character first field", "5-\tgloss\n", LineKind::Entry, 5, "", "gloss", "[5-]"},
      {"long first field", "7-ETABCDEFGHIJKLMNOPQRSTUV\tg\n", LineKind::Entry, 7,
       "ETABCDEFGHIJKLMNOPQRSTUV", "g", "[7-ETABCDEFGHIJKLMNOPQRSTUV]"},
      {"percent signs", "1-%s\t%s (%d, h. %n)\n", LineKind::Entry, 1, "%s", "%s (%d, h. %n)",
       "[1-%s]"},
      // Other control characters, and bytes just above CR, are text.
      {"control characters", "1-\x01\x0E\tg\x0B\x0C\x0E\x1F\x7F\xE9 (a, h. b)\x0E\n",
       LineKind::Entry, 1, "\x01\x0E", "g\x0B\x0C\x0E\x1F\x7F\xE9 (a, h. b)\x0E", "[1-\x01\x0E]"},
      {"CR before LF in a long gloss", "1-KTB\tschrij'ven (schreef, h. geschreven)\rx\ty\n",
       LineKind::Entry, 1, "KTB", "schrij'ven (schreef, h. geschreven)", "[1-KTB]"},
      {"NUL in a long gloss", "1-KTB\tschrij'ven (schreef,\0 h. geschreven)\n"s, LineKind::Entry, 1,
       "KTB", "schrij'ven (schreef,", "[1-KTB]"},
  };
  for (const auto& c : cases) {
    Entry entry;
    ASSERT_EQ(splitLine(c.line, entry), c.kind) << c.name;
    EXPECT_EQ(entry.klasse, c.klasse) << c.name;
    EXPECT_EQ(entry.root, c.root) << c.name;
    EXPECT_EQ(entry.gloss, c.gloss) << c.name;
    EXPECT_EQ(entry.sourceTag, c.sourceTag) << c.name;
  }
}

// Every place of the TAB and of the end of the gloss, up to and past a few
// words of eight bytes, with control characters that end nothing inside
// the fields: the fields are exactly the parts the line was made of.
TEST(ReaderTest, FieldsEndWhereverTheyStand) {
  const std::string filler = "\x01g\x0E\xE9 \x0B(\x1F,";
  const std::string ends[] = {"", "\n", "\r\n", "\tx\ty\n", "\0\tx\n"s, "\r"};
  for (std::size_t fieldLength = 3; fieldLength <= 20; ++fieldLength) {
    std::string field = "4-";
    while (field.size() < fieldLength) field += filler[field.size() % filler.size()];
    for (std::size_t glossLength = 0; glossLength <= 20; ++glossLength) {
      std::string gloss;
      while (gloss.size() < glossLength) gloss += filler[(gloss.size() + 3) % filler.size()];
      for (const std::string& end : ends) {
        std::string line = field;
        line.append("\t").append(gloss).append(end);
        SCOPED_TRACE(::testing::PrintToString(line));
        Entry entry;
        ASSERT_EQ(splitLine(line, entry), LineKind::Entry);
        EXPECT_EQ(entry.klasse, 4);
        EXPECT_EQ(entry.root, field.substr(2));
        EXPECT_EQ(entry.gloss, gloss);
        EXPECT_EQ(entry.sourceTag, "[" + field + "]");
      }
    }
  }
}

TEST(ReaderTest, ShortLinesAreSkipped) {
  const std::string lines[] = {
      "",   "\n",   "\r\n", "a\n",
      "ab", "\t\n", "a\t",  std::string("ab\0cdef\tg\n", 10)};  // NUL ends the text
  for (const auto& line : lines) {
    Entry entry;
    EXPECT_EQ(splitLine(line, entry), LineKind::Skip) << "'" << line << "'";
  }
}

TEST(ReaderTest, LinesWithoutTabHaveNoGloss) {
  const std::string lines[] = {"abc\n",
                               "1-KTB schrijven\r\n",
                               "1-KTB\r\tg\n",
                               "1-K\n\t",
                               "abc",
                               "1-KTB schrijven (schreef, h. geschreven)\n\t",
                               "1-KTBXYZ\x0E\x0D\t",
                               "1-KTBXYZ\x0E\0\t"s,
                               "1-K\0TB\tg\n"s};
  for (const auto& line : lines) {
    Entry entry;
    EXPECT_EQ(splitLine(line, entry), LineKind::NoGloss) << "'" << line << "'";
  }
  EXPECT_EQ(lineText("1-KTB schrijven\r\n"), "1-KTB schrijven");
  EXPECT_EQ(lineText("abc"), "abc");
}

TEST(ReaderTest, NulByteEndsTheLine) {
  Entry entry;
  std::string line("1-KTB\tg (a, h. b)\0\tmore\n", 24);
  ASSERT_EQ(splitLine(line, entry), LineKind::Entry);
  EXPECT_EQ(entry.gloss, "g (a, h. b)");
  std::string noTab("1-KTB\0\tg\n", 9);
  EXPECT_EQ(splitLine(noTab, entry), LineKind::NoGloss);
}

TEST(ReaderTest, LongIgnoredRestChangesNothing) {
  std::string base = "1-KTB\tschrij'ven (schreef, h. geschreven)";
  std::string shortLine = base + "\n";
  std::string longLine = base + "\t" + std::string(5000, 'x') + "\n";
  Entry shortEntry;
  ASSERT_EQ(splitLine(shortLine, shortEntry), LineKind::Entry);
  Entry longEntry;
  ASSERT_EQ(splitLine(longLine, longEntry), LineKind::Entry);
  EXPECT_EQ(longEntry.gloss, shortEntry.gloss);
  EXPECT_EQ(longEntry.root, shortEntry.root);
  EXPECT_EQ(longEntry.sourceTag, shortEntry.sourceTag);
}

}  // namespace
}  // namespace morfenaar
