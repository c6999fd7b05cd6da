#include "driver/reader.h"

#include <gtest/gtest.h>

#include <string>

namespace morfenaar {
namespace {

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
  const std::string lines[] = {"abc\n", "1-KTB schrijven\r\n", "1-KTB\r\tg\n", "1-K\n\t", "abc"};
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
