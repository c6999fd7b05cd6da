#include "program.h"
#include "support/utf8.h"
#include "version.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace morfenaar::e2e {
namespace {

const std::string kBom = "\xEF\xBB\xBF";
const std::string kHint = ". Probeer 'morfenaar --help' voor meer informatie.\n";
const std::string kFormatList = " (kies uit records, tsv, jsonl, unimorph, html)";
const std::set<std::string> kNoLog = {"err", "in", "out"};

// The KTB entry with `second` as the character after its class digit; the
// records only differ in their source tag.
std::string ktbIn(char second) {
  std::string line = kKtb;
  line[1] = second;
  return line;
}

// The records of ktbIn(c) for each character c of `seconds`, in order.
std::string ktbOut(std::string_view seconds) {
  const std::string one = readFile(kGolden / "ktb.out");
  std::string text;
  for (char second : seconds) {
    std::string records = one;
    for (std::size_t at = 0; (at = records.find("[1-KTB]", at)) != std::string::npos; ++at) {
      records[at + 2] = second;
    }
    text += records;
  }
  return text;
}

std::string ktbLog(std::size_t verbs) {
  std::string text;
  for (std::size_t i = 0; i < verbs; ++i) text += readFile(kGolden / "ktb.log");
  return text;
}

TEST(ProgramTest, WritesTheFullTableOfOneEntry) {
  EXPECT_EQ(readFile(kGolden / "ktb.in"), kKtb);
  Outcome run = runProgram(readFile(kGolden / "ktb.in"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out"));
  EXPECT_TRUE(run.logExists);
  EXPECT_EQ(run.log, readFile(kGolden / "ktb.log"));
}

// The worked example in every format, both alphabets and the three rule
// sets, against golden files worked out from ktb.out and ktb-modern.out
// (written by hand) and the pointed paradigm in derive.py; the log is the
// same in every format.
TEST(ProgramTest, EveryFormatWritesTheWorkedExample) {
  const struct {
    const char* stem;  // of the golden output files
    const char* input;
    const char* rules;  // options before --format
    const char* log;
  } examples[] = {
      {"ktb", "ktb.in", "", "ktb.log"},
      {"ktb-hebreeuws", "ktb-hebreeuws.in", "", "ktb.log"},
      {"ktb-modern", "ktb.in", "--modern ", "ktb-modern.log"},
      {"ktb-modern-hebreeuws", "ktb-hebreeuws.in", "--modern ", "ktb-modern.log"},
      {"ktb-niqqud", "ktb.in", "--niqqud ", "ktb-modern.log"},
      {"ktb-niqqud-hebreeuws", "ktb-hebreeuws.in", "--niqqud ", "ktb-modern.log"},
  };
  for (const auto& example : examples) {
    for (const FormatGolden& format : kFormats) {
      for (const char* spelling : {"--format=", "--format "}) {
        SCOPED_TRACE(std::string(example.stem) + " " + example.rules + spelling + format.name);
        RunOptions options;
        options.args = std::string(example.rules) + spelling + format.name;
        Outcome run = runProgram(readFile(kGolden / example.input), options);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, readFile(kGolden / (std::string(example.stem) + format.extension)));
        EXPECT_EQ(run.log, readFile(kGolden / example.log));
      }
    }
  }
}

// Refused lines and entries write nothing in any format, and a gloss that
// ends the run still leaves a whole page: the output is that of the one
// verb written, and the messages, the log and the status are those of the
// records.
TEST(ProgramTest, EveryFormatKeepsMessagesLogAndStatus) {
  const std::string input =
      "zonder tab\n1-KTB\tlo'pen (liep, gelopen)\n5-EK\t" + std::string(testing::kSchrijven) +
      "\n9-KTB\t" + std::string(testing::kSchrijven) + "\n1-ktb\t" +
      std::string(testing::kSchrijven) + "\n" + kKtb + "9-XYZ\tlopen\n" + kKtb;
  const std::string err =
      "Waarschuwing: regel zonder TAB overgeslagen: zonder tab\n"
      "Bij voltooid deelwoord (gelopen) ontbreekt 'is ' of 'h. '\n"
      "Waarschuwing: dit werkwoord werd niet verder verwerkt.\n"
      "Waarschuwing: wortel te kort voor klasse 5, dit werkwoord werd niet verder verwerkt: "
      "[5-EK]\n"
      "Waarschuwing: wortel bevat tekens buiten het alfabet, dit werkwoord werd niet verder "
      "verwerkt: [1-ktb]\n"
      "Fout: haak open ontbreekt: lopen\n";
  for (const FormatGolden& format : kFormats) {
    SCOPED_TRACE(format.name);
    RunOptions options;
    options.args = std::string("--format=") + format.name;
    Outcome run = runProgram(input, options);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, err);
    EXPECT_EQ(run.out, readFile(kGolden / (std::string("ktb") + format.extension)));
    EXPECT_EQ(run.log, ktbLog(4));
  }
}

// Percent signs, quotes, <, & and bytes that are not UTF-8 (a Latin-1
// letter in a gloss, the special root's 0xDF) come out as typed in the
// records and as valid, escaped UTF-8 in the other formats. Worked out by
// hand from the gloss rules: "bang zijn (was bang, is bang geweest)" with
// a<&"%s for "bang".
TEST(ProgramTest, EveryFormatWritesOddInputAsTypedOrEscaped) {
  // clang-format off
  const std::string input =
      "1-KTB\ta<&\"%s zijn (was a<&\"%s, is a<&\"%s geweest)\n"
      "1-I\xDF" "A\tcre\xEB'ren (cre\xEB" "erde, h. gecre\xEB" "erd)\n";
  // clang-format on
  const struct {
    const char* format;
    std::vector<std::string> parts;  // each in the output
  } cases[] = {
      {"records",
       {"#KTBTI\t(ik) ben a<&\"%s geweest\t{1s}[1-KTB]\n",
        "#I\xDF"
        "ATI\t(ik) heb gecre\xEB"
        "erd\t{1s}[1-I\xDF"
        "A]\n"}},
      {"tsv",
       {"\n1-KTB\t1\tverleden\t1s\tKTBTI\t(ik) ben a<&\"%s geweest\n",
        "\n1-I\u00DF"
        "A\t1\tverleden\t1s\tI\u00DF"
        "ATI\t(ik) heb gecre\u00EB"
        "erd\n",
        "\n1-KTB\t1\ttoekomend\t1s\tAKTWB\t(ik) was a<&\"%s\n"}},
      {"jsonl",
       {"{\"bron\":\"1-KTB\",\"klasse\":1,\"blok\":\"verleden\",\"persoon\":\"1s\",\"hebreeuws\":"
        "\"KTBTI\",\"nederlands\":\"(ik) ben a<&\\\"%s geweest\"}\n",
        "{\"bron\":\"1-I\u00DF"
        "A\",\"klasse\":1,\"blok\":\"deelwoord\",\"persoon\":\"fs\","
        "\"hebreeuws\":\"IW\u00DF"
        "AT\",\"nederlands\":\"cre\u00EBr(t)\"}\n"}},
      {"unimorph",
       {"KTB\tKTBTI\tV;1;SG;PST\n",
        "I\u00DF"
        "A\tI\u00DF"
        "ATI\tV;1;SG;PST\n",
        "I\u00DF"
        "A\t\u00DF"
        "A\tV;2;SG;IMP;MASC\n"}},
      {"html",
       {"<caption><bdi dir=\"ltr\">1-KTB</bdi> \u00B7 qal \u00B7 a&lt;&amp;&quot;%s zijn</caption>",
        "<div class=\"nl\">(ik) ben a&lt;&amp;&quot;%s geweest</div>",
        "<caption><bdi dir=\"ltr\">1-I\u00DF"
        "A</bdi> \u00B7 qal \u00B7 cre\u00EB"
        "ren</caption>",
        "<div class=\"vorm\">I\u00DF"
        "ATI</div><div class=\"nl\">(ik) heb gecre\u00EB"
        "erd</div>"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    RunOptions options;
    options.args = std::string("--format=") + c.format;
    Outcome run = runProgram(input, options);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const std::string& part : c.parts) {
      EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
    }
    if (std::string_view(c.format) != "records") {
      EXPECT_TRUE(isValidUtf8(run.out));
    }
    if (std::string_view(c.format) == "html") {
      EXPECT_EQ(run.out.find("<&"), std::string::npos);
      EXPECT_TRUE(run.out.ends_with("</table>\n</body>\n</html>\n"));
    }
  }
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
       "#TQWMI\t(jij) stond op\t{2sf}[1-QWM]\n#TQWMI\t(jij) zult opstaan\t{2sf}[1-QWM]\n", nullptr},
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
  EXPECT_EQ(splitLines(run.out).size(), 30u);
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

TEST(ProgramTest, RootOutsideTheAlphabetIsRefusedAfterItsLog) {
  struct Case {
    const char* what;
    std::string firstField;
  };
  const Case cases[] = {
      {"lower case", "1-ktb"},
      {"one lower-case letter", "3-DbR"},
      {"blank after the root", "1-KTB "},
      {"digit", "2-NK2B"},
      {"punctuation", "5-EK.IB"},
      {"Hebrew and Latin letters", "1-כתB"},
      {"Hebrew with vowel points", "1-כָּתַב"},
      {"Hebrew with a maqaf", "1-כת־ב"},
      {"a sin dot after a letter other than shin", "1-כׂתב"},
      {"two dots on a shin", "1-שׁׂמר"},
      {"Hebrew letter cut short", "1-כת\xD7"},
      {"invalid UTF-8 after Hebrew letters", "1-כתב\xFF"},
      {"0xDF written in UTF-8", "7-ET\xC3\x9F"},
      {"Latin-1 letter", "6-EWQ\xC9M"},
  };
  const std::string one = readFile(kGolden / "ktb.out");
  const std::string log = readFile(kGolden / "ktb.log");
  const std::string twoOut = one + one;
  const std::string threeLogs = log + log + log;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string input = kKtb;
    input.append(c.firstField).append("\t").append(testing::kSchrijven).append("\n").append(kKtb);
    Outcome run = runProgram(input);
    EXPECT_EQ(run.status, 0);
    std::string message =
        "Waarschuwing: wortel bevat tekens buiten het alfabet, dit werkwoord werd niet "
        "verder verwerkt: [";
    EXPECT_EQ(run.err, message.append(c.firstField).append("]\n"));
    EXPECT_EQ(run.out, twoOut);
    EXPECT_EQ(run.log, threeLogs);
  }
}

TEST(ProgramTest, RootChecksLeaveOtherCasesAsTheyWere) {
  // Too short and outside the alphabet: the length is tested first.
  Outcome shortRoot = runProgram("5-ek\tschrij'ven (schreef, h. geschreven)\n");
  EXPECT_EQ(shortRoot.err,
            "Waarschuwing: wortel te kort voor klasse 5, dit werkwoord werd niet verder "
            "verwerkt: [5-ek]\n");
  // Class digits outside 1 to 7 keep their silence whatever the root.
  Outcome nine = runProgram("9-ktb\tschrij'ven (schreef, h. geschreven)\n");
  EXPECT_EQ(nine.status, 0);
  EXPECT_EQ(nine.err, "");
  EXPECT_EQ(nine.out, "");
  EXPECT_EQ(nine.log, readFile(kGolden / "ktb.log"));
  // The special root with the byte 0xDF still has its records.
  // The literals are split so that A is no hex digit; kept on one line.
  // clang-format off
  Outcome special = runProgram("1-I\xDF" "A\tschrij'ven (schreef, h. geschreven)\n");
  EXPECT_EQ(special.err, "");
  EXPECT_NE(special.out.find("\n#\xDF" "AW\tschrijft!\t{2mp}[1-I\xDF" "A]\n"), std::string::npos);
  // clang-format on
}

// Whole records of roots typed in Hebrew letters, worked out from the Latin
// forms of the same roots: every letter back in Hebrew, the last one in its
// final shape, every S the root's own letter.
TEST(ProgramTest, RootsInHebrewLettersGiveFormsInHebrewLetters) {
  struct Case {
    const char* what;
    std::string entry;
    std::vector<std::string> records;  // each must be in the output
  };
  const Case cases[] = {
      {"final mem and nun",
       "1-כתב\tschrij'ven (schreef, h. geschreven)",
       {"#כתבתם\t(jullie) hebben geschreven\t{2pm}[1-כתב]",
        "#כתבתן\t(jullie) hebben geschreven\t{2pf}[1-כתב]", "#לכתוב\tte schrijven\t{}[1-כתב]"}},
      {"final kaf",
       "1-מלך\trege'ren (regeerde, h. geregeerd)",
       {"#מלך\t(hij) heeft geregeerd\t{3s}[1-מלך]", "#מלכו\t(zij) hebben geregeerd\t{3p}[1-מלך]"}},
      {"final pe",
       "1-רדף\tachter'volgen (achtervolgde, h. achtervolgd)",
       {"#רדף\t(hij) heeft achtervolgd\t{3s}[1-רדף]", "#רודף\tachtervolg(t)\t{ms}[1-רדף]"}},
      {"final tsadi",
       "1-רוץ\t'rennen (rende, h. gerend)",
       {"#רצתי\t(ik) heb gerend\t{1s}[1-רוץ]", "#רץ\t(hij) heeft gerend\t{3s}[1-רוץ]"}},
      {"shin with its dot",
       "1-שׁמר\tbewa'ren (bewaarde, h. bewaard)",
       {"#שׁמרתי\t(ik) heb bewaard\t{1s}[1-שׁמר]"}},
      {"samekh",
       "1-סגר\t'sluiten (sloot, h. gesloten)",
       {"#סגרתי\t(ik) heb gesloten\t{1s}[1-סגר]"}},
      {"shin and samekh",
       "1-שסע\t'splijten (spleet, h. gespleten)",
       {"#שסעתי\t(ik) heb gespleten\t{1s}[1-שסע]", "#אשסע\t(ik) spleet \t{1s}[1-שסע]"}},
      {"the special root",
       "1-יצא\tver'trekken (vertrok, is vertrokken)",
       {"#אצא\t(ik) vertrok \t{1s}[1-יצא]", "#אצא\t(ik) zal vertrekken\t{1s}[1-יצא]",
        "#צא\tvertrek!\t{2ms}[1-יצא]"}},
      {"class-7 sibilant",
       "7-השׁתמשׁ\tge'bruiken (gebruikte, h. gebruikt)",
       {"#השׁתמשׁ\t(hij) heeft gebruikt\t{3s}[7-השׁתמשׁ]", "#אשׁתמשׁ\t(ik) gebruikte \t{1s}[7-השׁתמשׁ]"}},
      {"form ended by a missing radical",
       "5-הכסב\tschrij'ven (schreef, h. geschreven)",
       {"#הך\t(ik) heb geschreven\t{1s}[5-הכסב]", "#הכי\t(hij) heeft geschreven\t{3s}[5-הכסב]"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Outcome run = runProgram(c.entry + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const std::string& record : c.records) {
      EXPECT_NE(("\n" + run.out).find("\n" + record + "\n"), std::string::npos) << record;
    }
  }
}

TEST(ProgramTest, HebrewRootsAreMeasuredInLetters) {
  struct Case {
    std::string firstField;
    int klasse;
  };
  // Long enough in bytes, too short in letters.
  const Case cases[] = {{"5-הכ", 5}, {"2-נ", 2}, {"7-ה", 7}};
  for (const Case& c : cases) {
    Outcome run = runProgram(c.firstField + "\tschrij'ven (schreef, h. geschreven)\n" + kKtb);
    EXPECT_EQ(run.err, "Waarschuwing: wortel te kort voor klasse " + std::to_string(c.klasse) +
                           ", dit werkwoord werd niet verder verwerkt: [" + c.firstField + "]\n");
    EXPECT_EQ(run.out, readFile(kGolden / "ktb.out"));
  }
  // One letter is enough for class 1.
  Outcome one = runProgram("1-ב\tschrij'ven (schreef, h. geschreven)\n");
  EXPECT_EQ(one.err, "");
  EXPECT_EQ(one.out.substr(0, one.out.find('\n')), "#בתי\t(ik) heb geschreven\t{1s}[1-ב]");
}

TEST(ProgramTest, HelpIsPrintedWithoutReadingAnything) {
  for (const char* args : {"--help", "--help --bogus", "a.tsv --help", "--log x.log --help"}) {
    SCOPED_TRACE(args);
    RunOptions options;
    options.args = args;
    Outcome run = runProgram(kKtb, options);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("Gebruik: morfenaar [OPTIE]... [BESTAND]...\n"));
    for (const char* part :
         {"\n      --log=BESTAND ", "\n      --format=NAAM ", "records (standaard), tsv",
          "\n      --help ", "\n      --version ", "\n      -- ", "morfenaar.log",
          "Afsluitstatus: 0 ", "man morfenaar\n"}) {
      EXPECT_NE(run.out.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(run.out.find('#'), std::string::npos);
    EXPECT_EQ(run.names, kNoLog);
  }
}

// The version is set once, in the CMake project; the manual page is a
// tracked file and must say the same in its title line and its example.
TEST(ProgramTest, ManualPageHasTheProjectVersion) {
  const std::string page = readFile(std::filesystem::path(MORFENAAR_SOURCE_DIR) / "morfenaar.1");
  const std::string title = page.substr(0, page.find('\n'));
  EXPECT_NE(title.find("\"morfenaar " + std::string(kVersion) + "\""), std::string::npos) << title;
  EXPECT_NE(page.find("\n.B morfenaar " + std::string(kVersion) + "\n"), std::string::npos);
}

TEST(ProgramTest, VersionAndCommandLineErrors) {
  struct Case {
    const char* args;
    int status;
    std::string out;
    std::string err;
  };
  const std::string version = "morfenaar " + std::string(kVersion) + "\n";
  const Case cases[] = {
      {"--version", 0, version, ""},
      {"--version --bogus a.tsv", 0, version, ""},
      {"--log=x.log --version", 0, version, ""},
      {"--bogus", 2, "", "morfenaar: onbekende optie '--bogus'" + kHint},
      {"--bogus --version", 2, "", "morfenaar: onbekende optie '--bogus'" + kHint},
      {"a.tsv -x", 2, "", "morfenaar: onbekende optie '-x'" + kHint},
      {"-h", 2, "", "morfenaar: onbekende optie '-h'" + kHint},
      {"--logfile=a", 2, "", "morfenaar: onbekende optie '--logfile=a'" + kHint},
      {"---log=a", 2, "", "morfenaar: onbekende optie '---log=a'" + kHint},
      {"--log", 2, "", "morfenaar: optie '--log' vraagt een BESTAND als argument" + kHint},
      {"a.tsv --log", 2, "", "morfenaar: optie '--log' vraagt een BESTAND als argument" + kHint},
      {"--log=", 2, "", "morfenaar: optie '--log' vraagt een niet-lege bestandsnaam" + kHint},
      {"--log ''", 2, "", "morfenaar: optie '--log' vraagt een niet-lege bestandsnaam" + kHint},
      {"--help=yes", 2, "", "morfenaar: optie '--help' neemt geen argument" + kHint},
      {"--version=", 2, "", "morfenaar: optie '--version' neemt geen argument" + kHint},
      {"--format=xml", 2, "", "morfenaar: onbekend formaat 'xml'" + kFormatList + kHint},
      {"--format=HTML", 2, "", "morfenaar: onbekend formaat 'HTML'" + kFormatList + kHint},
      {"--format=", 2, "", "morfenaar: onbekend formaat ''" + kFormatList + kHint},
      {"--format xml --format=tsv", 2, "",
       "morfenaar: onbekend formaat 'xml'" + kFormatList + kHint},
      {"--format=tsv --format=xml", 2, "",
       "morfenaar: onbekend formaat 'xml'" + kFormatList + kHint},
      {"--format=tsv --version", 0, version, ""},
      {"a.tsv --format", 2, "", "morfenaar: optie '--format' vraagt een NAAM als argument" + kHint},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    RunOptions options;
    options.args = c.args;
    Outcome run = runProgram(kKtb, options);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.names, kNoLog);
  }
}

TEST(ProgramTest, HelpOnAFullDisk) {
  RunOptions options;
  options.args = "--help";
  options.redirect = "< in > /dev/full 2> err";
  Outcome run = runProgram("", options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Fout: de standaarduitvoer kan niet worden geschreven.\n");
}

TEST(ProgramTest, FileOperandsAreReadInOrderAsOneList) {
  struct Case {
    const char* what;
    const char* args;
    const char* verbs;  // the entries written, by their second character
    int status;
    std::string err;
  };
  const std::string noFile = "Fout: invoerbestand nope.tsv kan niet worden geopend: ";
  const Case cases[] = {
      {"one file", "a.tsv", "a", 0, ""},
      {"two files", "a.tsv b.tsv", "ab", 0, ""},
      {"one file twice", "b.tsv a.tsv b.tsv", "bab", 0, ""},
      {"- between files", "a.tsv - b.tsv", "asb", 0, ""},
      {"- alone", "-", "s", 0, ""},
      {"standard input read up once", "- a.tsv -", "sa", 0, ""},
      {"-- ends the options", "-- -x.tsv", "x", 0, ""},
      {"options after a file", "a.tsv --log=sub/../morfenaar.log b.tsv", "ab", 0, ""},
      {"last line without LF", "nolf.tsv b.tsv nolf.tsv", "nbn", 0, ""},
      {"byte order mark in each file", "bom.tsv a.tsv bom.tsv", "mam", 0, ""},
      {"missing file between two", "a.tsv nope.tsv b.tsv", "ab", 2,
       noFile + "het bestand bestaat niet.\n"},
      {"only a missing file", "nope.tsv", "", 2, noFile + "het bestand bestaat niet.\n"},
      {"directory", "a.tsv sub b.tsv", "ab", 2,
       "Fout: invoerbestand sub kan niet worden geopend: het is een map.\n"},
      {"a file used as a directory", "a.tsv/b.tsv b.tsv", "b", 2,
       "Fout: invoerbestand a.tsv/b.tsv kan niet worden geopend: een deel van het pad is geen "
       "map.\n"},
      {"-- then an option's name", "-- --help", "", 2,
       "Fout: invoerbestand --help kan niet worden geopend: het bestand bestaat niet.\n"},
      {"a read that fails", "a.tsv /proc/self/mem b.tsv", "ab", 2,
       "Fout: invoerbestand /proc/self/mem kan niet worden gelezen: invoer-/uitvoerfout.\n"},
      {"bad gloss ends the run", "a.tsv bad.tsv b.tsv", "a", 1,
       "Fout: haak open ontbreekt: schrijven\n"},
      {"bad gloss after a missing file", "nope.tsv bad.tsv b.tsv", "", 1,
       noFile + "het bestand bestaat niet.\nFout: haak open ontbreekt: schrijven\n"},
  };
  RunOptions options;
  options.files = {
      {"a.tsv", ktbIn('a')},          {"b.tsv", "\n" + ktbIn('b') + "ab"},
      {"-x.tsv", ktbIn('x')},         {"nolf.tsv", ktbIn('n').substr(0, kKtb.size() - 1)},
      {"bom.tsv", kBom + ktbIn('m')}, {"bad.tsv", "1-KTB\tschrijven\n" + ktbIn('z')}};
  options.setup = [](const fs::path& dir) { fs::create_directory(dir / "sub"); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    options.args = c.args;
    Outcome run = runProgram(ktbIn('s'), options);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, ktbOut(c.verbs));
    EXPECT_EQ(run.log, ktbLog(std::string_view(c.verbs).size()));
  }
}

// `text` in UTF-16, little or big endian, with or without a byte order
// mark; `text` is ASCII, each byte one code unit.
std::string utf16(std::string_view text, bool bigEndian, bool mark) {
  std::string units = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
  for (char c : text) {
    units += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return units;
}

std::string prefixWarning(std::string_view firstField, char klasse, std::string_view letters) {
  return "Waarschuwing: een wortel van klasse " + std::string(1, klasse) + " begint met " +
         std::string(letters) + ", dit werkwoord werd niet verder verwerkt: [" +
         std::string(firstField) + "]\n";
}

// Writes `bytes` bytes of x and a LF to `path`, a piece at a time.
void writeLongLine(const fs::path& path, const std::string& before, std::size_t bytes,
                   const std::string& after) {
  std::ofstream file(path, std::ios::binary);
  file << before;
  const std::string piece(std::size_t{1} << 20, 'x');
  for (std::size_t done = 0; done < bytes; done += piece.size()) {
    file.write(piece.data(), static_cast<std::streamsize>(std::min(piece.size(), bytes - done)));
  }
  file << "\n" << after;
}

// Everyday mistakes that gave wrong or missing output without a word, and
// memory that runs out: whole standard error, standard output and status.
// The good entries around each mistake are the worked example, told apart
// by their second character.
TEST(ProgramTest, EverydayMistakesAndFullMemoryAreReported) {
  enum class Needs { Nothing, MemoryLimit, NoRoot };
  struct Case {
    const char* what;
    std::string args;
    std::string input;  // standard input
    int status;
    std::string err;
    const char* verbs;   // the entries with records, by their second character
    std::size_t logged;  // entries in the log
    Needs needs = Needs::Nothing;
  };
  const std::string schrijven = std::string(testing::kSchrijven) + "\n";
  const std::string a = ktbIn('a');
  const std::string b = ktbIn('b');
  const std::string between = "a.tsv - b.tsv";
  const std::string crWarning =
      "Waarschuwing: regel bevat CR zonder LF; gebruik LF of CR LF als regeleinde: ";
  const std::string stdinUtf16 = "Fout: de standaardinvoer is UTF-16; sla het op als UTF-8.\n";
  const Case cases[] = {
      {"class 2 without N", "", a + "2-KNS\t" + schrijven + b, 0, prefixWarning("2-KNS", '2', "N"),
       "ab", 3},
      {"class 5 without E", "", a + "5-KTB\t" + schrijven + b, 0,
       "Waarschuwing: een wortel van klasse 5 begint met E, dit werkwoord werd niet verder "
       "verwerkt: [5-KTB]\n",
       "ab", 3},
      {"class 6 with E but without W", "", a + "6-EQM\t" + schrijven + b, 0,
       prefixWarning("6-EQM", '6', "EW"), "ab", 3},
      {"class 7 without E", "", a + "7-TLBS\t" + schrijven + b, 0,
       prefixWarning("7-TLBS", '7', "E"), "ab", 3},
      {"class 2 without נ", "", a + "2-כנס\t" + schrijven + b, 0, prefixWarning("2-כנס", '2', "N"),
       "ab", 3},
      {"class 5 without ה", "", a + "5-כתיב\t" + schrijven + b, 0,
       prefixWarning("5-כתיב", '5', "E"), "ab", 3},
      {"class 6 without הו", "", a + "6-וקם\t" + schrijven + b, 0,
       prefixWarning("6-וקם", '6', "EW"), "ab", 3},
      {"class 7 without ה", "", a + "7-תלבשׁ\t" + schrijven + b, 0,
       prefixWarning("7-תלבשׁ", '7', "E"), "ab", 3},
      {"too short before the letters", "", a + "5-K\t" + schrijven + b, 0,
       "Waarschuwing: wortel te kort voor klasse 5, dit werkwoord werd niet verder verwerkt: "
       "[5-K]\n",
       "ab", 3},
      {"alphabet before the letters", "", a + "2-kns\t" + schrijven + b, 0,
       "Waarschuwing: wortel bevat tekens buiten het alfabet, dit werkwoord werd niet verder "
       "verwerkt: [2-kns]\n",
       "ab", 3},
      {"UTF-16 LE file", "a.tsv le.tsv b.tsv", "", 2,
       "Fout: invoerbestand le.tsv is UTF-16; sla het op als UTF-8.\n", "ab", 2},
      {"UTF-16 BE file", "a.tsv be.tsv b.tsv", "", 2,
       "Fout: invoerbestand be.tsv is UTF-16; sla het op als UTF-8.\n", "ab", 2},
      {"UTF-16 LE file with its mark", "a.tsv lemark.tsv b.tsv", "", 2,
       "Fout: invoerbestand lemark.tsv is UTF-16; sla het op als UTF-8.\n", "ab", 2},
      {"UTF-16 BE file with its mark", "a.tsv bemark.tsv b.tsv", "", 2,
       "Fout: invoerbestand bemark.tsv is UTF-16; sla het op als UTF-8.\n", "ab", 2},
      {"UTF-16 LE on standard input", between, utf16(ktbIn('u'), false, false), 2, stdinUtf16, "ab",
       2},
      {"UTF-16 BE on standard input", between, utf16(ktbIn('u'), true, false), 2, stdinUtf16, "ab",
       2},
      {"UTF-16 LE with its mark on standard input", between, utf16(ktbIn('u'), false, true), 2,
       stdinUtf16, "ab", 2},
      {"UTF-16 BE with its mark on standard input, named twice", "- a.tsv -",
       utf16(ktbIn('u') + ktbIn('v'), true, true), 2, stdinUtf16, "a", 1},
      {"CR-only line ends, one warning per input", "cr.tsv cr.tsv", "", 0,
       crWarning + ktbIn('c').substr(0, kKtb.size() - 1) + "\n" + crWarning +
           ktbIn('c').substr(0, kKtb.size() - 1) + "\n",
       "cdcd", 4},
      {"CR before any TAB: the CR warning comes first", "", "geen tab\rmeer\n" + a, 0,
       crWarning + "geen tab\nWaarschuwing: regel zonder TAB overgeslagen: geen tab\n", "a", 1},
      {"short lines are not looked at", "", a + "\rx", 0, "", "a", 1},
      {"CR LF stays silent", "crlf.tsv", "", 0, "", "cd", 2},
      {"a line quoted up to 200 bytes", "", std::string(250, 'y') + "\rrest\n" + a, 0,
       crWarning + std::string(200, 'y') +
           "...\nWaarschuwing: regel zonder TAB overgeslagen: " + std::string(200, 'y') + "...\n",
       "a", 1},
      {"a line of 200 bytes quoted whole", "", std::string(200, 'y') + "\n" + a, 0,
       "Waarschuwing: regel zonder TAB overgeslagen: " + std::string(200, 'y') + "\n", "a", 1},
      {"unwritable log directory", "--log=ro/verbs.log a.tsv", "", 2,
       "Fout: logbestand ro/verbs.log kan niet worden aangemaakt: geen toegang.\n", "a", 0,
       Needs::NoRoot},
      {"a line too long for the memory, in a file", "a.tsv big.tsv b.tsv", "", 2,
       "Fout: invoerbestand big.tsv kan niet worden gelezen: onvoldoende geheugen.\n", "acb", 3,
       Needs::MemoryLimit},
      {"a line too long for the memory, on standard input", between, "", 2,
       "Fout: de standaardinvoer kan niet worden gelezen.\n", "acb", 3, Needs::MemoryLimit},
      {"a gloss too long for the memory", "a.tsv gloss.tsv b.tsv", "", 2,
       "Fout: onvoldoende geheugen.\n", "ac", 2, Needs::MemoryLimit},
  };
  RunOptions options;
  const std::string c = ktbIn('c');
  const std::string d = ktbIn('d');
  const std::string withoutLf = c.substr(0, c.size() - 1);
  options.files = {
      {"a.tsv", a},
      {"b.tsv", b},
      {"le.tsv", utf16(ktbIn('u'), false, false)},
      {"be.tsv", utf16(ktbIn('u'), true, false)},
      {"lemark.tsv", utf16(ktbIn('u'), false, true)},
      {"bemark.tsv", utf16(ktbIn('u'), true, true)},
      // Two lines of two entries each, the second of each cut off by the CR.
      {"cr.tsv", withoutLf + "\r" + ktbIn('x') + d.substr(0, d.size() - 1) + "\r" + ktbIn('y')},
      {"crlf.tsv", withoutLf + "\r\n" + d.substr(0, d.size() - 1) + "\r\n"}};
  // A limit that the program runs in, and lines that do not fit in it: one
  // larger than the limit, and one whose gloss fits the read but not the
  // copies that conjugating it takes.
  constexpr rlim_t kLimit = rlim_t{64} << 20;
  const std::string part(std::size_t{6} << 20, 'p');
  const std::string glossFile =
      c + "3-DBR\t" + part + "lo'pen (liep " + part + ", is " + part + "gelopen)\n" + d;
  for (const Case& row : cases) {
    SCOPED_TRACE(row.what);
    if (row.needs == Needs::MemoryLimit && MORFENAAR_SANITIZED) {
      std::cout << "skipped under the sanitizers, which reserve more address space than the "
                   "limit allows: "
                << row.what << "\n";
      continue;
    }
    if (row.needs == Needs::NoRoot && ::geteuid() == 0) {
      std::cout << "skipped as root, who may write anywhere: " << row.what << "\n";
      continue;
    }
    options.args = row.args;
    options.memoryLimit = row.needs == Needs::MemoryLimit ? kLimit : 0;
    options.setup = [&](const fs::path& dir) {
      if (row.needs == Needs::NoRoot) {
        fs::create_directory(dir / "ro");
        fs::permissions(dir / "ro", fs::perms::owner_read | fs::perms::owner_exec);
      }
      if (row.needs == Needs::MemoryLimit) {
        writeLongLine(dir / "big.tsv", c, kLimit, d);
        writeFile(dir / "gloss.tsv", glossFile);
        // Standard input reads the same file.
        fs::remove(dir / "in");
        fs::create_symlink("big.tsv", dir / "in");
      }
    };
    Outcome run = runProgram(row.input, options);
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(run.out, ktbOut(row.verbs));
    EXPECT_EQ(run.log, ktbLog(row.logged));
  }
}

TEST(ProgramTest, ByteOrderMarkIsSkippedOnlyAtTheStart) {
  Outcome run = runProgram(kBom + kKtb + kBom + kKtb);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  // The second mark stands in the class digit's place: class 0xEF - '0'
  // is logged but has no records.
  EXPECT_EQ(run.out, ktbOut("-"));
  EXPECT_EQ(run.log, ktbLog(2));

  Outcome alone = runProgram(kBom + "\n" + kBom);
  EXPECT_EQ(alone.status, 0);
  EXPECT_EQ(alone.err, "Waarschuwing: regel zonder TAB overgeslagen: " + kBom + "\n");
}

TEST(ProgramTest, LogOptionMovesTheLog) {
  struct Case {
    const char* args;
    const char* log;
    int status;
    std::string err;
  };
  const Case cases[] = {
      {"--log=sub/verbs.log", "sub/verbs.log", 0, ""},
      {"--log sub/verbs.log", "sub/verbs.log", 0, ""},
      {"--log=a.log --log b.log", "b.log", 0, ""},
      {"--log -", "-", 0, ""},
      {"--log=--help", "--help", 0, ""},
      {"--log=nodir/verbs.log", "nodir/verbs.log", 2,
       "Fout: logbestand nodir/verbs.log kan niet worden aangemaakt: het bestand bestaat niet.\n"},
      {"--log=sub", "sub", 2, "Fout: logbestand sub kan niet worden aangemaakt: het is een map.\n"},
      {"--log=/dev/full", "/dev/full", 2,
       "Fout: logbestand /dev/full kan niet worden geschreven: geen ruimte meer op het "
       "apparaat.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    RunOptions options;
    options.args = c.args;
    options.log = c.log;
    options.setup = [](const fs::path& dir) { fs::create_directory(dir / "sub"); };
    Outcome run = runProgram(kKtb + kKtb, options);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, ktbOut("--"));
    EXPECT_EQ(run.log, c.status == 0 ? ktbLog(2) : "");
    EXPECT_EQ(run.names.count("morfenaar.log"), 0u);
    EXPECT_EQ(run.names.count("a.log"), 0u);
  }
}

TEST(ProgramTest, LogOptionLeavesAnOldLogAloneWithoutVerbs) {
  RunOptions options;
  options.args = "--log=old.log";
  options.log = "old.log";
  options.files = {{"old.log", "old\n"}};
  Outcome run = runProgram("\nab\n", options);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.log, "old\n");
  EXPECT_EQ(run.names.count("morfenaar.log"), 0u);
}

TEST(ProgramTest, LogThatIsADirectoryFailsAtTheEnd) {
  RunOptions options;
  options.setup = [](const fs::path& dir) { fs::create_directory(dir / "morfenaar.log"); };
  Outcome run = runProgram(kKtb + kKtb, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Fout: logbestand morfenaar.log kan niet worden aangemaakt: het is een map.\n");
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out") + readFile(kGolden / "ktb.out"));
}

TEST(ProgramTest, LogOnAFullDiskFailsAtTheEnd) {
  RunOptions options;
  options.setup = [](const fs::path& dir) {
    fs::create_symlink("/dev/full", dir / "morfenaar.log");
  };
  Outcome run = runProgram(kKtb + kKtb, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Fout: logbestand morfenaar.log kan niet worden geschreven: geen ruimte meer op het "
            "apparaat.\n");
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out") + readFile(kGolden / "ktb.out"));
}

// The log's message stands where the failing line was logged: after the
// warning of a line before that verb, before the warning of the verb
// whose root is then found too short (its lines are logged first).
TEST(ProgramTest, LogFailureKeepsItsPlaceAmongTheWarnings) {
  RunOptions options;
  options.setup = [](const fs::path& dir) {
    fs::create_symlink("/dev/full", dir / "morfenaar.log");
  };
  Outcome run = runProgram(
      "zonder tab\n" + kKtb + "5-KT\tschrij'ven (schreef, h. geschreven)\n" + kKtb, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Waarschuwing: regel zonder TAB overgeslagen: zonder tab\n"
            "Fout: logbestand morfenaar.log kan niet worden geschreven: geen ruimte meer op het "
            "apparaat.\n"
            "Waarschuwing: wortel te kort voor klasse 5, dit werkwoord werd niet verder "
            "verwerkt: [5-KT]\n");
  EXPECT_EQ(run.out, readFile(kGolden / "ktb.out") + readFile(kGolden / "ktb.out"));
}

// While the run waits for its next line, the log already holds the lines
// of the verbs before: the second verb is only sent once the first one's
// five lines are in the file (for at most five seconds).
TEST(ProgramTest, LogIsWrittenWhileTheRunWaitsForInput) {
  RunOptions options;
  options.files = {{"one", kKtb},
                   {"feed.sh",
                    "cat one\n"
                    "for i in $(seq 100); do\n"
                    "  if [ -f morfenaar.log ] && [ $(wc -l < morfenaar.log) -ge 5 ]; then\n"
                    "    cat one; break\n"
                    "  fi\n"
                    "  sleep 0.05\n"
                    "done\n"}};
  options.redirect = "< <(bash feed.sh) > out 2> err";
  Outcome run = runProgram("", options);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ktbOut("--"));
  EXPECT_EQ(run.log, ktbLog(2));
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

  // Named files do not need standard input, until "-" asks for it.
  options.files = {{"a.tsv", ktbIn('a')}};
  options.args = "a.tsv";
  Outcome file = runProgram("", options);
  EXPECT_EQ(file.status, 0);
  EXPECT_EQ(file.out, ktbOut("a"));
  options.args = "a.tsv - a.tsv";
  Outcome dash = runProgram("", options);
  EXPECT_EQ(dash.status, 2);
  EXPECT_EQ(dash.err, "Fout: de standaardinvoer kan niet worden gelezen.\n");
  EXPECT_EQ(dash.out, ktbOut("aa"));
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
  // The log holds the five whole lines of every verb up to the block of
  // records whose write the pipe ended, none cut off and none after.
  const std::string one = readFile(kGolden / "ktb.log");
  const std::size_t entries = run.log.size() / one.size();
  EXPECT_GE(entries, 1u);
  EXPECT_LT(entries, 5000u);
  std::string whole;
  for (std::size_t i = 0; i < entries; ++i) whole += one;
  EXPECT_EQ(run.log, whole);
}

}  // namespace
}  // namespace morfenaar::e2e
