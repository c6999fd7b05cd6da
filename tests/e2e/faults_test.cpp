// The program as a process under bad input and failing streams: every case
// ends with the status it should, a clear message where one is due, no NUL
// byte in any output, and every record before a fault intact.
#include "program.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace morfenaar::e2e {
namespace {

bool hasNul(const std::string& text) { return text.find('\0') != std::string::npos; }

TEST(FaultsTest, RandomBytesNeverCrash) {
  std::mt19937 random(20261209);
  std::string input;
  for (int i = 0; i < 200000; ++i) {
    int pick = static_cast<int>(random() % 16);
    // Mostly the characters the formats care about, some raw bytes.
    const char special[] = "\t\n\r(),' .hz%sE";
    input += pick < 14 ? special[pick] : static_cast<char>(random() % 256);
  }
  Outcome run = runProgram(input);
  EXPECT_TRUE(run.status == 0 || run.status == 1) << run.status;
  EXPECT_FALSE(hasNul(run.out));
  EXPECT_FALSE(hasNul(run.log));
}

TEST(FaultsTest, NulBytesEndTheirLine) {
  std::string input = std::string("1-KTB\tschrij'ven (schreef, h. geschreven)\0junk\tmore\n", 50) +
                      std::string("\0\0\0\n", 4) + std::string("1-K\0TB\tx\n", 9);
  Outcome run = runProgram(input);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out"));
  EXPECT_EQ(run.err, "Waarschuwing: regel zonder TAB overgeslagen: 1-K\n");
  EXPECT_FALSE(hasNul(run.out));
}

TEST(FaultsTest, LineOfAMillionCharacters) {
  std::string input =
      "1-KTB\tschrij'ven (schreef, h. geschreven)\t" + std::string(1000000, 'x') + "\n" + kKtb;
  Outcome run = runProgram(input);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::string one = readFile(kGolden / "ktb.out");
  EXPECT_EQ(run.out, one + one);
}

TEST(FaultsTest, RootOfFiveHundredLetters) {
  std::string root(500, 'K');
  root[1] = 'T';
  Outcome run = runProgram("1-" + root + "\tschrij'ven (schreef, h. geschreven)\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::vector<std::string> records = splitLines(run.out);
  ASSERT_FALSE(records.empty());
  // Row 1e keeps the whole root: the first past-tense form is root + TI.
  EXPECT_EQ(records[0], "#" + root + "TI\t(ik) heb geschreven\t{1s}[1-" + root + "]");
}

TEST(FaultsTest, GlossOfTenThousandCharacters) {
  std::string particle(10000, 'a');
  std::string gloss = particle + "lo'pen (liep " + particle + ", is " + particle + "gelopen)";
  Outcome run = runProgram("1-KTB\t" + gloss + "\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::vector<std::string> records = splitLines(run.out);
  ASSERT_EQ(records.size(), 40u);
  EXPECT_EQ(records[0], "#KTBTI\t(ik) ben " + particle + "gelopen\t{1s}[1-KTB]");
  EXPECT_EQ(records[8], "#KWTB\tloop(t) " + particle + "\t{ms}[1-KTB]");
  EXPECT_EQ(records[39], "#MKTWB\tom " + particle + " te lopen\t{}[1-KTB]");
}

TEST(FaultsTest, PercentSignsComeOutAsTyped) {
  Outcome run = runProgram("1-KTB\t%s%d'%nen (%s%d, h. %s%n)\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::vector<std::string> records = splitLines(run.out);
  ASSERT_FALSE(records.empty());
  // The bare verb "%s%d%nen" loses its ending "en": the stem is "%s%d%n".
  EXPECT_EQ(records[0], "#KTBTI\t(ik) heb %s%n\t{1s}[1-KTB]");
  EXPECT_EQ(run.log.substr(0, run.log.find('\n')), "%s%d%n(t) / %s%d%nen");

  // A root of percent signs is refused, and named as typed.
  Outcome root = runProgram("1-%s%n\t%s%d'%nen (%s%d, h. %s%n)\n");
  EXPECT_EQ(root.status, 0);
  EXPECT_EQ(root.out, "");
  EXPECT_EQ(root.err,
            "Waarschuwing: wortel bevat tekens buiten het alfabet, dit werkwoord werd niet "
            "verder verwerkt: [1-%s%n]\n");
  EXPECT_EQ(root.log, run.log);
}

TEST(FaultsTest, GlossWithoutParenthesisAfterValidEntries) {
  Outcome run = runProgram(kKtb + kKtb + "1-KTB\tschrijven\n" + kKtb);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Fout: haak open ontbreekt: schrijven\n");
  std::string one = readFile(kGolden / "ktb.out");
  EXPECT_EQ(run.out, one + one);
  std::string log = readFile(kGolden / "ktb.log");
  EXPECT_EQ(run.log, log + log);
}

TEST(FaultsTest, MissingCommaAndClosingParenthesisEndTheRun) {
  Outcome comma = runProgram("1-KTB\tschrij'ven (schreef h. geschreven)\n" + kKtb);
  EXPECT_EQ(comma.status, 1);
  EXPECT_EQ(comma.err, "Fout: komma ontbreekt: schrij'ven (schreef h. geschreven)\n");
  EXPECT_EQ(comma.out, "");
  EXPECT_FALSE(comma.logExists);

  Outcome close = runProgram("1-KTB\tschrij'ven (schreef, h. geschreven\n");
  EXPECT_EQ(close.status, 1);
  EXPECT_EQ(close.err, "Fout: haak sluiten ontbreekt: schrij'ven (schreef, h. geschreven\n");
}

TEST(FaultsTest, StandardOutputOnAFullDiskKeepsTheLog) {
  RunOptions options;
  options.redirect = "< in > /dev/full 2> err";
  std::string input;
  for (int i = 0; i < 100; ++i) input += kKtb;
  Outcome run = runProgram(input, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Fout: de standaarduitvoer kan niet worden geschreven.\n");
  // The run stops at the first failed block of output; the log keeps the
  // whole five lines of every entry handled before that, and nothing else.
  ASSERT_TRUE(run.logExists);
  const std::string one = readFile(kGolden / "ktb.log");
  std::size_t entries = run.log.size() / one.size();
  EXPECT_GE(entries, 1u);
  EXPECT_LT(entries, 100u);
  std::string whole;
  for (std::size_t i = 0; i < entries; ++i) whole += one;
  EXPECT_EQ(run.log, whole);
}

}  // namespace
}  // namespace morfenaar::e2e
