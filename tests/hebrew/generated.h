// Test helpers for the paradigm generators: run one generator for a root,
// parse the output records back into their fields, and render them in the
// compact "FORM {tag}, FORM {tag}" shape in which expected tables are written.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dutch/tables.h"
#include "dutch/woord.h"
#include "hebrew/root.h"

namespace morfenaar::testing {

inline constexpr std::string_view kSchrijven = "schrij'ven (schreef, h. geschreven)";

struct Record {
  std::string hebrew;
  std::string dutch;
  std::string tag;  // without the braces
  std::string source;
};

// Splits generator output into records; a malformed record fails the test.
inline std::vector<Record> parseRecords(std::string_view out) {
  std::vector<Record> records;
  EXPECT_EQ(out.find('\0'), std::string_view::npos) << "NUL byte in the output";
  while (!out.empty()) {
    std::size_t lf = out.find('\n');
    if (lf == std::string_view::npos) {
      ADD_FAILURE() << "record without LF: " << out;
      break;
    }
    std::string_view line = out.substr(0, lf);
    out.remove_prefix(lf + 1);
    std::size_t tab1 = line.find('\t');
    std::size_t tab2 = line.find('\t', tab1 + 1);
    std::size_t close = line.find('}', tab2);
    bool ok = line.starts_with('#') && tab1 != std::string_view::npos &&
              tab2 != std::string_view::npos && close != std::string_view::npos &&
              line.find('\t', tab2 + 1) == std::string_view::npos &&
              line.substr(tab2 + 1).starts_with('{');
    if (!ok) {
      ADD_FAILURE() << "malformed record: " << line;
      continue;
    }
    records.push_back({std::string(line.substr(1, tab1 - 1)),
                       std::string(line.substr(tab1 + 1, tab2 - tab1 - 1)),
                       std::string(line.substr(tab2 + 2, close - tab2 - 2)),
                       std::string(line.substr(close + 1))});
  }
  return records;
}

using Generator = void (*)(const AnalysedRoot&, Woord&, std::string_view, std::string&);

inline void initTablesOnce() {
  static const bool done = (init(), true);
  (void)done;
}

// The source tag the tests give an entry: "[", class digit, "-", root, "]".
inline std::string sourceTag(int klasse, std::string_view root) {
  return "[" + std::to_string(klasse) + "-" + std::string(root) + "]";
}

// The raw output of `generate` for one entry.
inline std::string generateText(Generator generate, int klasse, std::string_view root,
                                std::string_view gloss = kSchrijven) {
  initTablesOnce();
  Woord woord(gloss);
  EXPECT_TRUE(woord.isOk()) << gloss;
  // The root is a view into a longer buffer: a read past its end finds
  // letters that the generators test for (M, E) instead of a NUL.
  std::string buffer = std::string(root) + "ME";
  AnalysedRoot analysed = analyseRoot(klasse, std::string_view(buffer).substr(0, root.size()));
  std::string out;
  generate(analysed, woord, sourceTag(klasse, root), out);
  return out;
}

// The records of one entry; every record must carry the entry's source tag.
inline std::vector<Record> generateRecords(Generator generate, int klasse, std::string_view root,
                                           std::string_view gloss = kSchrijven) {
  std::vector<Record> records = parseRecords(generateText(generate, klasse, root, gloss));
  for (const Record& record : records) EXPECT_EQ(record.source, sourceTag(klasse, root));
  return records;
}

// "FORM {tag}, FORM {tag}, ..." of the records.
inline std::string render(const std::vector<Record>& records) {
  std::string text;
  for (const Record& record : records) {
    if (!text.empty()) text += ", ";
    text += record.hebrew + " {" + record.tag + "}";
  }
  return text;
}

// The Hebrew forms and tags of one entry, rendered.
inline std::string formsOf(Generator generate, int klasse, std::string_view root) {
  return render(generateRecords(generate, klasse, root));
}

inline std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> result;
  std::istringstream in{std::string(text)};
  for (std::string word; in >> word;) result.push_back(word);
  return result;
}

// Pairs blank-separated forms with tags in order and renders them.
inline std::string withTags(std::string_view forms, const std::vector<std::string>& tags) {
  std::vector<std::string> list = words(forms);
  EXPECT_EQ(list.size(), tags.size()) << forms;
  std::vector<Record> records;
  for (std::size_t i = 0; i < list.size() && i < tags.size(); ++i) {
    records.push_back({list[i], "", tags[i], ""});
  }
  return render(records);
}

inline std::vector<std::string> dutchColumn(const std::vector<Record>& records) {
  std::vector<std::string> texts;
  for (const Record& record : records) texts.push_back(record.dutch);
  return texts;
}

}  // namespace morfenaar::testing
