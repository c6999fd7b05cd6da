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

// Cells where a row's own pattern decides against the odd one out: whole
// records, each run of them consecutive in the entry's output.
TEST(ProgramTest, CellsThatFollowTheirRow) {
  struct Case {
    const char* ruling;
    const char* line;
    const char* records;
    const char* logTail;  // the last log line, or nullptr when not checked
  };
  const Case cases[] = {
      {"R12", "1-LQH\tne'men (nam, h. genomen)\n",
       "#QH\tneem!\t{2ms}[1-LQH]\n#QHI\tneem!\t{2fs}[1-LQH]\n#QHW\tneemt!\t{2mp}[1-LQH]\n#L",
       nullptr},
      {"R12", "1-NSA\t'dragen (droeg, h. gedragen)\n",
       "#SA\tdraag!\t{2ms}[1-NSA]\n#SAI\tdraag!\t{2fs}[1-NSA]\n#SAW\tdraagt!\t{2mp}[1-NSA]\n#L",
       nullptr},
      {"R13", "1-LQH\tne'men (nam, h. genomen)\n",
       "#TQH\t(zij) zal nemen\t{3sf}[1-LQH]\n"
       "#TQHI\t(jij) nam \t{2sf}[1-LQH]\n#TQHI\t(jij) zult nemen\t{2sf}[1-LQH]\n"
       "#IQH\t(hij) nam \t{3sm}[1-LQH]\n",
       nullptr},
      {"R13", "1-ELK\tgaan (ging, is gegaan)\n",
       "#TLKI\t(jij) ging \t{2sf}[1-ELK]\n#TLKI\t(jij) zult gaan\t{2sf}[1-ELK]\n", nullptr},
      {"R13", "1-QWM\t'opstaan (stond op, is opgestaan)\n",
       "#TQWMI\t(jij) stond op\t{2sf}[1-QWM]\n#TQWMI\t(jij) zult opstaan\t{2sf}[1-QWM]\n",
       nullptr},
      {"R14", "1-SAL\t'vragen (vroeg, h. gevraagd)\n",
       "#ISALW\t(zij) vroegen \t{3p}[1-SAL]\n#ISALW\t(zij) zullen vragen\t{3p}[1-SAL]\n#SAWL\t",
       nullptr},
      {"R15", "1-SMO\t'horen (hoorde, h. gehoord)\n",
       "#TSMONE\t(jullie) hoorden \t{2pf}[1-SMO]\n"
       "#TSMONE\t(jullie) zullen horen\t{2pf}[1-SMO]\n",
       nullptr},
      {"R15", "1-KZB\t'liegen (loog, h. gelogen)\n",
       "#TKZBNE\t(jullie) logen \t{2pf}[1-KZB]\n#TKZBNE\t(jullie) zullen liegen\t{2pf}[1-KZB]\n",
       nullptr},
      {"R16", "3-DBR\tspre'ken (sprak, h. gesproken)\n",
       "#DBRW\tspreekt!\t{2mp}[3-DBR]\n#DBRNE\tspreekt!\t{2fp}[3-DBR]\n", nullptr},
      {"R17", "1-EIE\tzijn (was, is geweest)\n",
       "#EIE\twees!\t{2ms}[1-EIE]\n#EII\twees!\t{2fs}[1-EIE]\n"
       "#EIW\tweest!\t{2mp}[1-EIE]\n#EIINE\tweest!\t{2fp}[1-EIE]\n",
       "\t\t\t\tweest!\n"},
      {"R17", "1-PHD\tbang zijn (was bang, is bang geweest)\n",
       "#PHWD\twees bang!\t{2ms}[1-PHD]\n#PHDI\twees bang!\t{2fs}[1-PHD]\n"
       "#PHDW\tweest bang!\t{2mp}[1-PHD]\n#PHWDNE\tweest bang!\t{2fp}[1-PHD]\n",
       "\t\t\t\tweest bang!\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.ruling) + " " + c.line);
    Outcome run = runProgram(c.line);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find(c.records), std::string::npos) << run.out;
    if (c.logTail != nullptr) {
      EXPECT_TRUE(run.log.ends_with(c.logTail)) << run.log;
    }
  }
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
