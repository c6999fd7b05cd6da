#include "program.h"

#include <gtest/gtest.h>

#include <string>

namespace morfenaar::e2e {
namespace {

const fs::path kGolden = fs::path(MORFENAAR_SOURCE_DIR) / "tests" / "e2e" / "golden";

const std::string kKtb = "1-KTB\tschrij'ven (schreef, h. geschreven)\n";

TEST(ProgramTest, WritesTheFullTableOfOneEntry) {
  Outcome run = runProgram(readFile(kGolden / "ktb.in"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out"));
  EXPECT_TRUE(run.logExists);
  EXPECT_EQ(run.log, readFile(kGolden / "ktb.log"));
}

TEST(ProgramTest, EmptyInputLeavesAnOldLogAlone) {
  RunOptions options;
  options.setup = [](const fs::path& dir) { writeFile(dir / "morfenaar.log", "old\n"); };
  Outcome run = runProgram("", options);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.log, "old\n");
}

TEST(ProgramTest, EmptyInputCreatesNoLog) {
  Outcome run = runProgram("\n\r\nab\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(run.logExists);
}

TEST(ProgramTest, CrLfAndMissingLastLfGiveTheSameOutput) {
  Outcome lf = runProgram(kKtb);
  Outcome crlf = runProgram("1-KTB\tschrij'ven (schreef, h. geschreven)\r\n");
  Outcome bare = runProgram("1-KTB\tschrij'ven (schreef, h. geschreven)");
  EXPECT_EQ(crlf.out, lf.out);
  EXPECT_EQ(bare.out, lf.out);
  EXPECT_EQ(crlf.log, lf.log);
  EXPECT_EQ(bare.status, 0);
}

TEST(ProgramTest, LineWithoutTabIsReportedAndSkipped) {
  Outcome run = runProgram("1-KTB schrijven\n" + kKtb);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "Waarschuwing: regel zonder TAB overgeslagen: 1-KTB schrijven\n");
  EXPECT_EQ(run.out, runProgram(kKtb).out);
}

TEST(ProgramTest, GlossWithoutParenthesisEndsTheRunAfterEarlierEntries) {
  Outcome run = runProgram(kKtb + "9-XYZ\tlopen\n" + kKtb);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Fout: haak open ontbreekt: lopen\n");
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out"));
  EXPECT_EQ(run.log, readFile(kGolden / "ktb.log"));
}

TEST(ProgramTest, EmptyGlossEndsTheRun) {
  Outcome run = runProgram("1-KTB\t\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Fout: haak open ontbreekt: \n");
}

TEST(ProgramTest, ClassDigitNineIsLoggedButWritesNoRecords) {
  Outcome run = runProgram("9-KTB\tschrij'ven (schreef, h. geschreven)\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.log, readFile(kGolden / "ktb.log"));
}

TEST(ProgramTest, ClassFourEntryEndsWithItsFutureRecords) {
  Outcome run = runProgram("4-DWBR\tbespro'ken worden (werd besproken, is besproken)\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  // Eight past-tense, four participle and eighteen future records; neither
  // imperative nor infinitive.
  std::size_t records = 0;
  for (char c : run.out) records += c == '\n';
  EXPECT_EQ(records, 30u);
  std::string last = run.out.substr(run.out.rfind('\n', run.out.size() - 2) + 1);
  EXPECT_EQ(last, "#IDWBRW\t(zij) zullen besproken worden\t{3p}[4-DWBR]\n");
}

TEST(ProgramTest, RefusedGlossIsWarnedAndTheRunGoesOn) {
  Outcome run = runProgram("1-KTB\tlo'pen (liep, gelopen)\n" + kKtb);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "Bij voltooid deelwoord (gelopen) ontbreekt 'is ' of 'h. '\n"
            "Waarschuwing: dit werkwoord werd niet verder verwerkt.\n");
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out"));
  EXPECT_EQ(run.log, readFile(kGolden / "ktb.log"));
}

// Worked out by hand from the gloss rules.
const std::string kLopen = "1-KTB\tlo'pen (liep, h. gelopen)\n";
const std::string kLopenLog =
    "loop(t) / lopen\n\t(wij) hebben gelopen\n\t\t(wij) zullen lopen\n"
    "\t\t\t(wij) liepen \n\t\t\t\tloopt!\n";
const std::string kWeglopen = "1-KTB\tweglo'pen (liep weg, is weggelopen)\n";
const std::string kWeglopenLog =
    "loop(t) weg / lopen weg\n\t(wij) zijn weggelopen\n\t\t(wij) zullen weglopen\n"
    "\t\t\t(wij) liepen weg\n\t\t\t\tloopt weg!\n";

TEST(ProgramTest, ConsecutiveEntriesNeverShareADutchText) {
  // One class and root, so that every entry asks for the same person codes.
  const std::string entries[] = {kKtb, kLopen, kWeglopen, kKtb};
  std::string out;
  std::string log;
  for (const std::string& entry : entries) {
    Outcome alone = runProgram(entry);
    out += alone.out;
    log += alone.log;
  }
  Outcome run = runProgram(entries[0] + entries[1] + entries[2] + entries[3]);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, out);
  EXPECT_EQ(run.log, log);
  EXPECT_EQ(run.log, readFile(kGolden / "ktb.log") + kLopenLog + kWeglopenLog +
                         readFile(kGolden / "ktb.log"));

  const struct {
    const std::string* entry;
    const char* records;  // consecutive records of the entry
  } cases[] = {
      {&kLopen, "#KTBTI\t(ik) heb gelopen\t{1s}[1-KTB]\n#KTBT\t(jij) hebt gelopen\t{2s}[1-KTB]\n"},
      {&kLopen, "#AKTWB\t(ik) liep \t{1s}[1-KTB]\n#AKTWB\t(ik) zal lopen\t{1s}[1-KTB]\n"},
      {&kLopen, "#KTWB\tloop!\t{2ms}[1-KTB]\n"},
      {&kLopen, "#LKTWB\tte lopen\t{}[1-KTB]\n#MKTWB\tom te lopen\t{}[1-KTB]\n"},
      {&kWeglopen, "#KTB\t(hij) is weggelopen\t{3s}[1-KTB]\n"},
      {&kWeglopen, "#KWTB\tloop(t) weg\t{ms}[1-KTB]\n"},
      {&kWeglopen,
       "#NKTWB\t(wij) liepen weg\t{1p}[1-KTB]\n#NKTWB\t(wij) zullen weglopen\t{1p}[1-KTB]\n"},
      {&kWeglopen, "#KTBW\tloopt weg!\t{2mp}[1-KTB]\n"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(runProgram(*c.entry).out.find(c.records), std::string::npos) << c.records;
  }
}

TEST(ProgramTest, EntryRefusedAfterAnAcceptedOneWritesNothingStale) {
  const struct {
    std::string entry;
    std::string err;
    std::string log;  // what the refused entry adds to the log
  } cases[] = {
      {"1-KTB\tlo'pen (liep, gelopen)\n",
       "Bij voltooid deelwoord (gelopen) ontbreekt 'is ' of 'h. '\n"
       "Waarschuwing: dit werkwoord werd niet verder verwerkt.\n",
       ""},
      {"5-EK\tlo'pen (liep, h. gelopen)\n",
       "Waarschuwing: wortel te kort voor klasse 5, dit werkwoord werd niet verder "
       "verwerkt: [5-EK]\n",
       kLopenLog},
      {"9-KTB\tlo'pen (liep, h. gelopen)\n", "", kLopenLog},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    Outcome run = runProgram(kKtb + c.entry);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, readFile(kGolden / "ktb.out"));
    EXPECT_EQ(run.log, readFile(kGolden / "ktb.log") + c.log);
  }
}

TEST(ProgramTest, RootTooShortForItsClassIsRefused) {
  Outcome run = runProgram("5-EK\tschrij'ven (schreef, h. geschreven)\n" + kKtb);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "Waarschuwing: wortel te kort voor klasse 5, dit werkwoord werd niet verder "
            "verwerkt: [5-EK]\n");
  // The refused entry is still logged; only the second entry has records.
  EXPECT_EQ(run.log, readFile(kGolden / "ktb.log") + readFile(kGolden / "ktb.log"));
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out"));
}

TEST(ProgramTest, LogThatIsADirectoryFailsAtTheEnd) {
  RunOptions options;
  options.setup = [](const fs::path& dir) { fs::create_directory(dir / "morfenaar.log"); };
  Outcome run = runProgram(kKtb + kKtb, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Fout: logbestand morfenaar.log kan niet worden aangemaakt.\n");
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out") + readFile(kGolden / "ktb.out"));
}

TEST(ProgramTest, LogOnAFullDiskFailsAtTheEnd) {
  RunOptions options;
  options.setup = [](const fs::path& dir) {
    fs::create_symlink("/dev/full", dir / "morfenaar.log");
  };
  Outcome run = runProgram(kKtb + kKtb, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Fout: logbestand morfenaar.log kan niet worden geschreven.\n");
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out") + readFile(kGolden / "ktb.out"));
}

TEST(ProgramTest, StandardOutputOnAFullDisk) {
  RunOptions options;
  options.redirect = "< in > /dev/full 2> err";
  Outcome run = runProgram(kKtb, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Fout: de standaarduitvoer kan niet worden geschreven.\n");
}

TEST(ProgramTest, StandardOutputClosed) {
  RunOptions options;
  options.redirect = "< in >&- 2> err";
  Outcome run = runProgram(kKtb, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Fout: de standaarduitvoer kan niet worden geschreven.\n");
  // The log took no standard stream's place.
  EXPECT_EQ(run.log, readFile(kGolden / "ktb.log"));
}

TEST(ProgramTest, StandardInputClosed) {
  RunOptions options;
  options.redirect = "<&- > out 2> err";
  Outcome run = runProgram("", options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Fout: de standaardinvoer kan niet worden gelezen.\n");
  EXPECT_EQ(run.out, "");
}

TEST(ProgramTest, BrokenPipeEndsQuietly) {
  std::string input;
  for (int i = 0; i < 5000; ++i) input += kKtb;
  RunOptions options;
  options.redirect = "< in 2> err";
  options.pipeline = "| head -n1 > out";
  Outcome run = runProgram(input, options);
  EXPECT_EQ(run.status, 128 + 13) << "expected the end by SIGPIPE through pipefail";
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "#KTBTI\t(ik) heb geschreven\t{1s}[1-KTB]\n");
}

}  // namespace
}  // namespace morfenaar::e2e
