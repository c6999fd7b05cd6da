// Under the modern rules every Dutch word that Woord makes is one that the
// Dutch spelling dictionary knows: all forms that the records and the log
// use, for the glosses of the sample list and for a list of other strong
// and irregular verbs. hunspell with the nl dictionary does the checking;
// the tests are skipped where it is not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dutch/tables.h"
#include "dutch/woord.h"

namespace morfenaar {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = MORFENAAR_SOURCE_DIR;

// A word as the dictionary sees it. A word with parentheses stands for two,
// one without the groups and one with their letters: loop(t) for loop and
// loopt, ga(a)(t) for ga and gaat, (ik) for nothing and ik.
void addWord(std::string_view word, std::set<std::string>& words) {
  std::string without;
  std::string with;
  int depth = 0;
  for (char c : word) {
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth > 0) --depth;
    } else {
      with.push_back(c);
      if (depth == 0) without.push_back(c);
    }
  }
  for (const std::string& text : {without, with}) {
    if (!text.empty()) words.insert(text);
  }
}

// The words of a text: blanks part them, the "!" of an imperative goes.
void addWords(std::string_view text, std::set<std::string>& words) {
  std::string word;
  for (char c : std::string(text) + ' ') {
    if (c == ' ' || c == '!') {
      if (!word.empty()) addWord(word, words);
      word.clear();
    } else {
      word.push_back(c);
    }
  }
}

// Every word of the forms of an accepted gloss: the present, the
// imperative and the infinitive, and the perfect, the future and the simple
// past of the seven persons.
void addFormWords(const Woord& w, std::set<std::string>& words) {
  for (const char* code : {"s", "p"}) {
    addWords(w.tegenw(code), words);
    addWords(w.geb(code), words);
  }
  addWords(w.onbep(), words);
  for (const char* code : {"1s", "2s", "3s", "3sf", "1p", "2p", "3p"}) {
    addWords(w.perf(code), words);
    addWords(w.toek(code), words);
    addWords(w.ovt(code), words);
  }
}

// The words that `hunspell -d nl -l` rejects, in its order; nothing when
// hunspell or its Dutch dictionary cannot be run.
std::optional<std::vector<std::string>> rejectedBySpelling(const std::set<std::string>& words) {
  const fs::path input =
      fs::path(::testing::TempDir()) / ("morfenaar-spelling-" + std::to_string(getpid()));
  {
    std::ofstream out(input);
    for (const std::string& word : words) out << word << '\n';
  }
  const std::string command = "hunspell -d nl -l < '" + input.string() + "' 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::vector<std::string> rejected;
  std::string line;
  for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) {
    if (c != '\n') {
      line.push_back(static_cast<char>(c));
    } else if (!line.empty()) {
      rejected.push_back(line);
      line.clear();
    }
  }
  const int status = pclose(pipe);
  fs::remove(input);
  if (status != 0) return std::nullopt;
  return rejected;
}

// The glosses of a list, one a line: the text after the first TAB of a
// verb-list line (the sample list), or the whole line (the held-out list,
// which has glosses alone). Empty lines and comments are left out.
std::vector<std::string> readGlosses(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> glosses;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    glosses.push_back(tab == std::string::npos ? line : line.substr(tab + 1));
  }
  return glosses;
}

class SpellingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { init(); }

  void SetUp() override {
    // The checker itself: a word of the default rules that Dutch does not
    // have is rejected, its correct form is not.
    const auto control = rejectedBySpelling({"vondden", "vonden"});
    if (!control) GTEST_SKIP() << "hunspell with the Dutch (nl) dictionary is not installed";
    ASSERT_EQ(*control, std::vector<std::string>{"vondden"});
  }

  // Conjugates every gloss under the modern rules and expects the
  // dictionary to reject none of the words.
  static void expectAllWordsKnown(const std::vector<std::string>& glosses) {
    ASSERT_GE(glosses.size(), 40u);
    std::set<std::string> words;
    Woord w;
    for (const std::string& gloss : glosses) {
      w.reset(gloss, Rules::Modern);
      EXPECT_TRUE(w.isOk()) << gloss << ": " << w.messages();
      addFormWords(w, words);
    }
    const auto rejected = rejectedBySpelling(words);
    ASSERT_TRUE(rejected.has_value());
    EXPECT_EQ(*rejected, std::vector<std::string>{}) << "of " << words.size() << " words";
  }
};

TEST_F(SpellingTest, EveryModernWordOfTheSampleListIsDutch) {
  expectAllWordsKnown(readGlosses(kSourceDir / "data" / "verbs.tsv"));
}

TEST_F(SpellingTest, EveryModernWordOfOtherStrongVerbsIsDutch) {
  expectAllWordsKnown(readGlosses(kSourceDir / "tests" / "dutch" / "data" / "sterke-glossen.tsv"));
}

TEST(SpellingWordsTest, MarkupStandsForTheShortAndTheLongWord) {
  const struct {
    const char* text;
    std::set<std::string> words;
  } cases[] = {
      {"loop(t) weg", {"loop", "loopt", "weg"}},
      {"ga(a)(t)", {"ga", "gaat"}},
      {"(ik) heb me gewassen", {"ik", "heb", "me", "gewassen"}},
      {"(wij) liepen ", {"wij", "liepen"}},
      {"zet!", {"zet"}},
      {"wast je!", {"wast", "je"}},
      {"(t)", {"t"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    std::set<std::string> words;
    addWords(c.text, words);
    EXPECT_EQ(words, c.words) << c.text;
  }
}

}  // namespace
}  // namespace morfenaar
