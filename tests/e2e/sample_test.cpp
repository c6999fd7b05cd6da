// Runs the program on the bundled sample list data/verbs.tsv and checks what
// must hold for every entry whatever its root: the record layout, the order
// and sizes of the five blocks, the person tags of each block, and the
// pronouns and auxiliaries in the Dutch column.
#include "program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/points.h"
#include "common/records.h"
#include "support/utf8.h"

namespace morfenaar::e2e {
namespace {

const fs::path kSample = fs::path(MORFENAAR_SOURCE_DIR) / "data" / "verbs.tsv";
const fs::path kHebrewSample = fs::path(MORFENAAR_SOURCE_DIR) / "data" / "verbs-hebreeuws.tsv";

using testing::parseRecord;
using testing::parseRecords;
using testing::Record;

struct SampleEntry {
  std::string firstField;
  int klasse = 0;
};

std::vector<SampleEntry> readSample(const std::string& text) {
  std::vector<SampleEntry> entries;
  for (const std::string& line : splitLines(text)) {
    if (line.size() <= 2) continue;
    std::string first = line.substr(0, line.find('\t'));
    entries.push_back({first, first[0] - '0'});
  }
  return entries;
}

bool isTransliteration(const std::string& form) {
  return !form.empty() &&
         std::all_of(form.begin(), form.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Subject pronoun and forms of "zullen" per person code.
const std::map<std::string, std::string> kPronoun = {
    {"1s", "(ik) "},  {"2s", "(jij) "},    {"3s", "(hij) "}, {"3sf", "(zij) "},
    {"1p", "(wij) "}, {"2p", "(jullie) "}, {"3p", "(zij) "}};
const std::map<std::string, std::string> kZullen = {
    {"1s", "zal "},    {"2s", "zult "},   {"3s", "zal "},   {"3sf", "zal "},
    {"1p", "zullen "}, {"2p", "zullen "}, {"3p", "zullen "}};

// Person code that a block's tag asks the Dutch side for.
const std::map<std::string, std::string> kPastCode = {{"1s", "1s"},   {"2s", "2s"}, {"3s", "3s"},
                                                      {"3sf", "3sf"}, {"1p", "1p"}, {"2pm", "2p"},
                                                      {"2pf", "2p"},  {"3p", "3p"}};
const std::map<std::string, std::string> kFutureCode = {
    {"1s", "1s"}, {"2sm", "2s"}, {"2sf", "2s"}, {"3sm", "3s"}, {"3sf", "3sf"},
    {"1p", "1p"}, {"2p", "2p"},  {"2pf", "2p"}, {"3p", "3p"}};

const std::set<std::string> kParticipleTags = {"ms", "fs", "s", "mp", "fp"};
const std::set<std::string> kImperativeTags = {"2ms", "2fs", "2mp", "2fp"};

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Takes the records from `at` on whose tag is in `tags`.
std::vector<Record> takeWhile(const std::vector<Record>& records, std::size_t& at,
                              const std::string& source, const std::set<std::string>& tags) {
  std::vector<Record> block;
  while (at < records.size() && records[at].source == source && tags.contains(records[at].tag)) {
    block.push_back(records[at++]);
  }
  return block;
}

std::set<std::string> keysOf(const std::map<std::string, std::string>& table) {
  std::set<std::string> keys;
  for (const auto& [key, value] : table) keys.insert(key);
  return keys;
}

// The records of one entry, cut into its five blocks by their tags.
struct EntryBlocks {
  SampleEntry entry;
  std::vector<Record> past;
  std::vector<Record> participles;
  std::vector<Record> future;
  std::vector<Record> imperative;
  std::vector<Record> infinitive;
};

// Takes the blocks of `entry` from the records at `at` on, each block as
// far as its records carry the entry's source tag and a tag of the block.
EntryBlocks cutEntry(const SampleEntry& entry, const std::vector<Record>& records,
                     std::size_t& at) {
  const std::string source = "[" + entry.firstField + "]";
  EntryBlocks blocks{entry, {}, {}, {}, {}, {}};
  blocks.past = takeWhile(records, at, source, keysOf(kPastCode));
  blocks.participles = takeWhile(records, at, source, kParticipleTags);
  blocks.future = takeWhile(records, at, source, keysOf(kFutureCode));
  blocks.imperative = takeWhile(records, at, source, kImperativeTags);
  blocks.infinitive = takeWhile(records, at, source, std::set<std::string>{std::string()});
  return blocks;
}

bool hasMoods(const SampleEntry& entry) { return entry.klasse != 4 && entry.klasse != 6; }

class SampleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sample_ = new std::vector<SampleEntry>(readSample(readFile(kSample)));
    run_ = new Outcome(runProgram(readFile(kSample)));
    records_ = new std::vector<Record>(parseRecords(run_->out));
    // Entry by entry in list order, up to the first entry whose records do
    // not begin where the previous entry's ended.
    blocks_ = new std::vector<EntryBlocks>();
    std::size_t at = 0;
    for (const SampleEntry& e : *sample_) {
      if (at >= records_->size() || (*records_)[at].source != "[" + e.firstField + "]") break;
      blocks_->push_back(cutEntry(e, *records_, at));
    }
    leftOver_ = records_->size() - at;
  }
  static void TearDownTestSuite() {
    delete sample_;
    delete run_;
    delete records_;
    delete blocks_;
  }
  static std::vector<SampleEntry>* sample_;
  static Outcome* run_;
  static std::vector<Record>* records_;
  static std::vector<EntryBlocks>* blocks_;
  static std::size_t leftOver_;
};

std::vector<SampleEntry>* SampleTest::sample_ = nullptr;
Outcome* SampleTest::run_ = nullptr;
std::vector<Record>* SampleTest::records_ = nullptr;
std::vector<EntryBlocks>* SampleTest::blocks_ = nullptr;
std::size_t SampleTest::leftOver_ = 0;

TEST_F(SampleTest, ListIsLargeAndCoversEveryClass) {
  EXPECT_GE(sample_->size(), 120u);
  std::set<int> classes;
  for (const SampleEntry& e : *sample_) classes.insert(e.klasse);
  EXPECT_EQ(classes, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

// The sizes CONTRIBUTING.md gives for the list, per class.
TEST_F(SampleTest, ListHasTheDocumentedNumberOfEntriesPerClass) {
  std::map<int, int> perClass;
  for (const SampleEntry& e : *sample_) ++perClass[e.klasse];
  const std::map<int, int> documented = {{1, 91}, {2, 19}, {3, 22}, {4, 6},
                                         {5, 31}, {6, 6},  {7, 17}};
  EXPECT_EQ(perClass, documented);
  EXPECT_EQ(sample_->size(), 192u);
}

// Records of entries whose root letters, class or gloss were once wrong:
// tet written J and he written E, the pi'el 3-KBS, the hollow hif'il 5-EQIM
// with its I, and glosses that must hold for every person.
TEST_F(SampleTest, CorrectedEntriesGiveTheirForms) {
  struct Expected {
    std::string source, tag, hebrew, dutch;
  };
  const std::vector<Expected> table = {
      {"3-KBS", "ms", "MKBS", "was(t)"},
      {"3-KBS", "1s", "AKBS", "(ik) waste "},
      {"1-BJH", "1s", "BJHTI", "(ik) heb vertrouwd"},
      {"1-BJH", "ms", "BWJH", "vertrouw(t)"},
      {"1-NJE", "1s", "NJITI", "(ik) heb geneigd"},
      {"1-NJE", "", "LNJWT", "te neigen"},
      {"1-HJA", "1s", "AHJA", "(ik) zondigde "},
      {"1-HJA", "", "LHJWA", "te zondigen"},
      {"1-AEB", "ms", "AWEB", "heb(t) lief"},
      {"1-AEB", "1p", "NAEB", "(wij) hadden lief"},
      {"1-ABD", "1s", "ABDTI", "(ik) ben verloren gegaan"},
      {"1-ABD", "3sm", "IABD", "(hij) ging verloren"},
      {"1-SAB", "ms", "SWAB", "put"},
      {"1-SAB", "1p", "NSAB", "(wij) putten "},
      {"2-NBEL", "1s", "NBELTI", "(ik) ben bang geworden"},
      {"2-NBEL", "", "LEIBEL", "bang te worden"},
      {"3-BJL", "ms", "MBJL", "zeg(t) af"},
      {"5-EQIM", "3s", "EQIM", "(hij) heeft opgericht"},
      {"5-EQIM", "1s", "EQMTI", "(ik) heb opgericht"},
      {"5-EQIM", "ms", "MQIM", "richt op"},
      {"5-EQIM", "3sm", "IQIM", "(hij) richtte op"},
      {"5-EQIM", "2ms", "EQM", "richt op!"},
      {"5-EQIM", "", "LEQIM", "op te richten"},
      {"7-ESTPR", "1s", "ESTPRTI", "(ik) heb me verbeterd"},
      {"7-ESTPR", "1s", "ASTPR", "(ik) verbeterde me"},
      {"1-ZKR", "1s", "ZKRTI", "(ik) heb me herinnerd"},
      {"2-NPGS", "1s", "NPGSTI", "(ik) heb ontmoet"},
      {"2-NPGS", "1p", "NIPGS", "(wij) ontmoetten "},
      {"5-EWCIA", "1p", "NWCIA", "(wij) gaven uit"},
      {"7-ETRAE", "1s", "ETRAITI", "(ik) heb gezien"},
  };
  for (const Expected& x : table) {
    bool found = std::any_of(records_->begin(), records_->end(), [&](const Record& r) {
      return r.source == "[" + x.source + "]" && r.tag == x.tag && r.hebrew == x.hebrew &&
             r.dutch == x.dutch;
    });
    EXPECT_TRUE(found) << x.hebrew << "\t" << x.dutch << "\t{" << x.tag << "}[" << x.source << "]";
  }
}

// "elkaar" fits no singular person: "(ik) heb elkaar gezien" is not Dutch.
TEST_F(SampleTest, NoSingularRecordSaysElkaar) {
  const std::set<std::string> singular = {"1s",  "2s", "2sm", "2sf", "3s",  "3sm",
                                          "3sf", "ms", "fs",  "s",   "2ms", "2fs"};
  for (const Record& r : *records_) {
    if (singular.contains(r.tag)) {
      EXPECT_EQ(r.dutch.find("elkaar"), std::string::npos) << r.dutch << " " << r.source;
    }
  }
}

TEST_F(SampleTest, RunsCleanlyAndLogsFiveLinesPerVerb) {
  EXPECT_EQ(run_->status, 0);
  EXPECT_EQ(run_->err, "");
  ASSERT_TRUE(run_->logExists);
  std::vector<std::string> log = splitLines(run_->log);
  ASSERT_EQ(log.size(), 5 * sample_->size());
  for (std::size_t i = 0; i < log.size(); i += 5) {
    EXPECT_NE(log[i].find(" / "), std::string::npos) << log[i];
    for (std::size_t k = 1; k < 5; ++k) {
      EXPECT_TRUE(startsWith(log[i + k], std::string(k, '\t')) && log[i + k][k] != '\t')
          << "log line " << i + k << ": " << log[i + k];
    }
  }
}

TEST_F(SampleTest, EveryRecordHasAFormAndDutchText) {
  for (const Record& r : *records_) {
    EXPECT_TRUE(isTransliteration(r.hebrew)) << r.hebrew << " " << r.source;
    EXPECT_FALSE(r.dutch.empty()) << r.hebrew << " " << r.source;
  }
}

TEST_F(SampleTest, EveryEntryHasItsRecordsInListOrder) {
  ASSERT_EQ(blocks_->size(), sample_->size())
      << "entries out of order or missing from " << (*sample_)[blocks_->size()].firstField;
  EXPECT_EQ(leftOver_, 0u) << "records left over after the last entry";
}

// Past tense: eight records in slot order, Dutch perfect with the slot's
// pronoun.
TEST_F(SampleTest, PastBlockHasEightSlotsInOrder) {
  const std::vector<std::string> pastSlots = {"1s", "2s", "3s", "3sf", "1p", "2pm", "2pf", "3p"};
  for (const EntryBlocks& b : *blocks_) {
    SCOPED_TRACE(b.entry.firstField);
    const std::vector<Record>& past = b.past;
    ASSERT_EQ(past.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
      EXPECT_EQ(past[i].tag, pastSlots[i]);
      EXPECT_TRUE(startsWith(past[i].dutch, kPronoun.at(kPastCode.at(pastSlots[i]))))
          << past[i].dutch;
    }
    EXPECT_EQ(past[5].dutch, past[6].dutch);  // 2pm and 2pf ask for the same "2p"
  }
}

// Participles: 3, 4 or 8 records; singular tags carry one text, plural tags
// another.
TEST_F(SampleTest, ParticipleBlockHasOneSingularAndOnePluralText) {
  for (const EntryBlocks& b : *blocks_) {
    SCOPED_TRACE(b.entry.firstField);
    const std::vector<Record>& part = b.participles;
    EXPECT_TRUE(part.size() == 3 || part.size() == 4 || part.size() == 8) << part.size();
    std::set<std::string> singular;
    std::set<std::string> plural;
    for (const Record& r : part) {
      (r.tag == "mp" || r.tag == "fp" ? plural : singular).insert(r.dutch);
    }
    EXPECT_EQ(singular.size(), 1u);
    EXPECT_EQ(plural.size(), 1u);
  }
}

// Future: pairs of the same form and tag, simple past then future, in slot
// order with the optional second 3sm and 3sf and the optional 2pf.
TEST_F(SampleTest, FutureBlockHasPairsInSlotOrder) {
  for (const EntryBlocks& b : *blocks_) {
    SCOPED_TRACE(b.entry.firstField);
    const std::vector<Record>& future = b.future;
    EXPECT_TRUE(future.size() == 16 || future.size() == 18 || future.size() == 22) << future.size();
    ASSERT_EQ(future.size() % 2, 0u);
    std::vector<std::string> slots;
    for (std::size_t i = 0; i + 1 < future.size(); i += 2) {
      const Record& ovt = future[i];
      const Record& toek = future[i + 1];
      EXPECT_EQ(ovt.hebrew, toek.hebrew);
      EXPECT_EQ(ovt.tag, toek.tag);
      const std::string& code = kFutureCode.at(ovt.tag);
      EXPECT_TRUE(startsWith(ovt.dutch, kPronoun.at(code))) << ovt.dutch;
      EXPECT_TRUE(startsWith(toek.dutch, kPronoun.at(code) + kZullen.at(code))) << toek.dutch;
      slots.push_back(ovt.tag);
    }
    bool has2pf = std::count(slots.begin(), slots.end(), "2pf") == 1;
    EXPECT_EQ(has2pf, future.size() != 16);
    std::vector<std::string> expected = {"1s", "2sm", "3sf", "2sf", "3sm"};
    if (future.size() == 22) {
      expected.push_back("3sm");
      expected.push_back("3sf");
    }
    expected.insert(expected.end(), {"1p", "2p"});
    if (has2pf) expected.push_back("2pf");
    expected.push_back("3p");
    EXPECT_EQ(slots, expected);
  }
}

// Imperative: 3 or 4 records ending in "!"; none for classes 4 and 6.
TEST_F(SampleTest, ImperativeBlockOnlyWhereTheClassHasOne) {
  for (const EntryBlocks& b : *blocks_) {
    SCOPED_TRACE(b.entry.firstField);
    const std::vector<Record>& imp = b.imperative;
    if (hasMoods(b.entry)) {
      EXPECT_TRUE(imp.size() == 3 || imp.size() == 4) << imp.size();
      // Always in the order 2ms 2fs 2mp 2fp; a three-record row lacks 2fp.
      const std::vector<std::string> order = {"2ms", "2fs", "2mp", "2fp"};
      for (std::size_t i = 0; i < imp.size() && i < order.size(); ++i) {
        EXPECT_EQ(imp[i].tag, order[i]) << imp[i].hebrew;
      }
      for (const Record& r : imp) EXPECT_EQ(r.dutch.back(), '!') << r.dutch;
    } else {
      EXPECT_EQ(imp.size(), 0u);
    }
  }
}

// Infinitive: every L-form with its M-form and "om " before the same text;
// none for classes 4 and 6.
TEST_F(SampleTest, InfinitiveBlockPairsLAndMForms) {
  for (const EntryBlocks& b : *blocks_) {
    SCOPED_TRACE(b.entry.firstField);
    const std::vector<Record>& inf = b.infinitive;
    if (!hasMoods(b.entry)) {
      EXPECT_EQ(inf.size(), 0u);
      continue;
    }
    ASSERT_TRUE(inf.size() == 2 || inf.size() == 4) << inf.size();
    std::multiset<std::string> lTails;
    std::multiset<std::string> mTails;
    std::string lDutch;
    for (const Record& r : inf) {
      if (r.hebrew[0] == 'L') {
        lTails.insert(r.hebrew.substr(1));
        lDutch = r.dutch;
      } else {
        EXPECT_EQ(r.hebrew[0], 'M') << r.hebrew;
        mTails.insert(r.hebrew.substr(1));
      }
    }
    EXPECT_EQ(lTails, mTails);  // every L-form has its M-form
    EXPECT_NE(lDutch.find("te "), std::string::npos) << lDutch;
    for (const Record& r : inf) {
      if (r.hebrew[0] == 'M') {
        EXPECT_EQ(r.dutch, "om " + lDutch);
      }
    }
  }
}

// Hebrew letters back to the transliteration: final shapes to ordinary
// letters, shin, sin and samekh to S, the dots dropped; the tsadi of the
// special root to the byte 0xDF.
const std::map<std::string, char> kLatinOf = {
    {"א", 'A'}, {"ב", 'B'}, {"ג", 'G'}, {"ד", 'D'}, {"ה", 'E'}, {"ו", 'W'}, {"ז", 'Z'},
    {"ח", 'H'}, {"ט", 'J'}, {"י", 'I'}, {"כ", 'K'}, {"ך", 'K'}, {"ל", 'L'}, {"מ", 'M'},
    {"ם", 'M'}, {"נ", 'N'}, {"ן", 'N'}, {"ס", 'S'}, {"ע", 'O'}, {"פ", 'P'}, {"ף", 'P'},
    {"צ", 'C'}, {"ץ", 'C'}, {"ק", 'Q'}, {"ר", 'R'}, {"ש", 'S'}, {"ת", 'T'}};
const std::set<std::string> kDots = {"\u05C1", "\u05C2"};
const std::set<std::string> kFinalShapes = {"ך", "ם", "ן", "ף", "ץ"};
const std::set<std::string> kWithFinalShape = {"כ", "מ", "נ", "פ", "צ"};

// The Hebrew letters of `text` (two bytes each), a dot kept with its shin.
std::vector<std::string> hebrewLetters(const std::string& text) {
  std::vector<std::string> letters;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    std::string two = text.substr(i, 2);
    if (kDots.contains(two) && !letters.empty()) {
      letters.back() += two;
    } else {
      letters.push_back(two);
    }
  }
  return letters;
}

char latinOf(const std::string& letter) {
  auto it = kLatinOf.find(letter.substr(0, 2));
  return it == kLatinOf.end() ? '?' : it->second;
}

std::string toLatin(const std::string& hebrew, bool specialRoot) {
  std::string latin = hebrew.size() % 2 == 0 ? "" : "?";  // a stray byte never matches
  for (const std::string& letter : hebrewLetters(hebrew)) {
    char c = latinOf(letter);
    latin += specialRoot && c == 'C' ? '\xDF' : c;
  }
  return latin;
}

std::string firstField(const std::string& line) { return line.substr(0, line.find('\t')); }

// The sample list in Hebrew letters is the sample list letter for letter:
// its run (with the arguments `args`), with every form and source tag
// mapped back, is `latinRun`, the run of the Latin list, byte for byte, log
// and standard error included. Its forms end in a final shape where they
// can and have the root's own S letters.
void expectHebrewTwin(const Outcome& latinRun, const std::string& args) {
  std::vector<std::string> latinLines = splitLines(readFile(kSample));
  std::vector<std::string> hebrewLines = splitLines(readFile(kHebrewSample));
  ASSERT_EQ(hebrewLines.size(), latinLines.size());

  struct Twin {
    std::string latinTag;
    std::vector<std::string> sLetters;  // the root's S letters as typed
    bool specialRoot = false;
  };
  std::map<std::string, Twin> twins;  // by the Hebrew source tag
  for (std::size_t i = 0; i < latinLines.size(); ++i) {
    std::string latin = firstField(latinLines[i]);
    std::string hebrew = firstField(hebrewLines[i]);
    SCOPED_TRACE(latin);
    EXPECT_EQ(hebrewLines[i].substr(hebrew.size()), latinLines[i].substr(latin.size()));
    ASSERT_GE(hebrew.size(), 2u);
    // The literals are split so that A is no hex digit; kept on one line.
    // clang-format off
    Twin twin{"[" + latin + "]", {}, latin == "1-I\xDF" "A"};
    // clang-format on
    EXPECT_EQ(hebrew.substr(0, 2) + toLatin(hebrew.substr(2), twin.specialRoot), latin);
    for (const std::string& letter : hebrewLetters(hebrew.substr(2))) {
      if (latinOf(letter) == 'S') twin.sLetters.push_back(letter);
    }
    twins["[" + hebrew + "]"] = twin;
  }

  RunOptions options;
  options.args = args;
  Outcome hebrewRun = runProgram(readFile(kHebrewSample), options);
  std::string mapped;
  // Records with a letter in the wrong shape, and with the wrong S letter.
  std::vector<std::string> wrongShape;
  std::vector<std::string> wrongS;
  for (const std::string& line : splitLines(hebrewRun.out)) {
    Record r;
    ASSERT_TRUE(parseRecord(line, r)) << line;
    auto twin = twins.find(r.source);
    ASSERT_NE(twin, twins.end()) << line;
    mapped += "#" + toLatin(r.hebrew, twin->second.specialRoot) + "\t" + r.dutch + "\t{" + r.tag +
              "}" + twin->second.latinTag + "\n";

    std::vector<std::string> letters = hebrewLetters(r.hebrew);
    for (std::size_t i = 0; i < letters.size(); ++i) {
      bool last = i + 1 == letters.size();
      if (last ? kWithFinalShape.contains(letters[i]) : kFinalShapes.contains(letters[i])) {
        wrongShape.push_back(line);
      }
      // The sample roots use one kind of S letter each.
      const std::vector<std::string>& s = twin->second.sLetters;
      if (latinOf(letters[i]) == 'S' && (s.empty() || letters[i] != s.front())) {
        wrongS.push_back(line);
      }
    }
  }
  EXPECT_EQ(wrongShape.size(), 0u) << "first: " << (wrongShape.empty() ? "" : wrongShape[0]);
  EXPECT_EQ(wrongS.size(), 0u) << "first: " << (wrongS.empty() ? "" : wrongS[0]);
  EXPECT_EQ(hebrewRun.status, latinRun.status);
  EXPECT_EQ(hebrewRun.err, latinRun.err);  // empty: no source tag to swap
  EXPECT_EQ(hebrewRun.log, latinRun.log);
  std::vector<std::string> expected = splitLines(latinRun.out);
  std::vector<std::string> got = splitLines(mapped);
  EXPECT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < std::min(got.size(), expected.size()); ++i) {
    ASSERT_EQ(got[i], expected[i]) << "record " << i << ", the first that differs";
  }
  EXPECT_EQ(mapped, latinRun.out);
}

TEST_F(SampleTest, HebrewListMapsBackToTheLatinRun) { expectHebrewTwin(*run_, ""); }

// With --modern every entry writes each slot of its blocks once, in the
// order past, participles, future, imperative, infinitive (the last two
// not for classes 4 and 6).
TEST_F(SampleTest, ModernRulesWriteEverySlotOnce) {
  RunOptions options;
  options.args = "--modern";
  Outcome modern = runProgram(readFile(kSample), options);
  ASSERT_EQ(modern.status, 0);
  EXPECT_EQ(modern.err, "");
  // The log holds the modern Dutch, verb for verb as the default log does.
  EXPECT_EQ(splitLines(modern.log).size(), splitLines(run_->log).size());
  EXPECT_NE(run_->log.find("\t\t\t(wij) vondden \n"), std::string::npos);
  EXPECT_NE(modern.log.find("\t\t\t(wij) vonden \n"), std::string::npos);
  EXPECT_EQ(modern.log.find("vondden"), std::string::npos);
  const std::string past = "1s 2sm 2sf 3sm 3sf 1p 2pm 2pf 3p ";
  const std::string participles = "sm sf pm pf ";
  const std::string future = "1s 2sm 2sf 3sm 3sf 1p 2pm 2pf 3pm 3pf ";
  const std::string moods = "2sm 2sf 2pm 2pf {} {} ";
  std::map<std::string, std::string> tagsBySource;
  std::vector<std::string> order;
  for (const Record& r : parseRecords(modern.out)) {
    if (tagsBySource.find(r.source) == tagsBySource.end()) order.push_back(r.source);
    tagsBySource[r.source] += (r.tag.empty() ? std::string("{}") : r.tag) + " ";
  }
  ASSERT_EQ(order.size(), sample_->size());
  for (std::size_t i = 0; i < sample_->size(); ++i) {
    const SampleEntry& e = (*sample_)[i];
    SCOPED_TRACE(e.firstField);
    EXPECT_EQ(order[i], "[" + e.firstField + "]");
    std::string tags = past;
    tags += participles;
    tags += future;
    if (hasMoods(e)) tags += moods;
    EXPECT_EQ(tagsBySource[order[i]], tags);
  }
}

TEST_F(SampleTest, HebrewListMapsBackToTheLatinRunWithModernRules) {
  RunOptions options;
  options.args = "--modern";
  Outcome latinRun = runProgram(readFile(kSample), options);
  ASSERT_EQ(latinRun.status, 0);
  ASSERT_NE(latinRun.out, run_->out);  // the modern rules did run
  expectHebrewTwin(latinRun, "--modern");
}

// With --niqqud every form of the Hebrew list is pointed Hebrew in NFC:
// valid UTF-8, Hebrew letters each followed by points in canonical order,
// with a pronunciation that stresses one vowel; and the slots are those of
// --modern.
TEST_F(SampleTest, PointedFormsAreNfcHebrewInTheSlotsOfTheModernRules) {
  RunOptions options;
  options.args = "--niqqud --format=tsv";
  Outcome pointed = runProgram(readFile(kHebrewSample), options);
  options.args = "--modern --format=tsv";
  Outcome modern = runProgram(readFile(kHebrewSample), options);
  ASSERT_EQ(pointed.status, 0);
  EXPECT_EQ(pointed.err, "");
  const std::vector<std::string> rows = splitLines(pointed.out);
  const std::vector<std::string> modernRows = splitLines(modern.out);
  ASSERT_EQ(rows.size(), modernRows.size());
  EXPECT_EQ(rows[0], "bron\tklasse\tblok\tpersoon\thebreeuws\tnederlands\tuitspraak");
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const std::vector<std::string> fields = testing::splitFields(rows[i]);
    const std::vector<std::string> modernFields = testing::splitFields(modernRows[i]);
    ASSERT_EQ(fields.size(), 7u) << rows[i];
    // The same entry, block and slot, and the same Dutch text.
    for (std::size_t f : {0, 1, 2, 3, 5}) EXPECT_EQ(fields[f], modernFields[f]) << rows[i];
    const std::string& form = fields[4];
    ASSERT_TRUE(isValidUtf8(form)) << rows[i];
    EXPECT_EQ(testing::canonicalOrder(form), form) << rows[i];
    const std::vector<std::string_view> chars = testing::characters(form);
    ASSERT_FALSE(chars.empty()) << rows[i];
    for (std::size_t k = 0; k < chars.size(); ++k) {
      // א (D7 90) to ת (D7 AA), or a point after a letter or point.
      const bool letter = chars[k] >= "\xD7\x90" && chars[k] <= "\xD7\xAA";
      EXPECT_TRUE(letter || (k > 0 && testing::combiningClass(chars[k]) != 0)) << rows[i];
    }
    const std::string& uitspraak = fields[6];
    const std::size_t accents = std::count(uitspraak.begin(), uitspraak.end(), '\xC3');
    EXPECT_TRUE(accents == 1 || (accents == 2 && uitspraak.find("óé") != std::string::npos))
        << rows[i];
  }
}

}  // namespace
}  // namespace morfenaar::e2e
