// Test helpers for the paradigm generators: run one generator for a root,
// read its records back (common/records.h), and render them in the
// compact "FORM {tag}, FORM {tag}" shape in which expected tables are written.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/records.h"
#include "common/text.h"
#include "common/worked_example.h"
#include "driver/record_writer.h"
#include "dutch/tables.h"
#include "dutch/woord.h"
#include "hebrew/record.h"
#include "hebrew/root.h"

namespace morfenaar::testing {

using Generator = void (*)(const AnalysedRoot&, const Woord&, const RecordSink&);

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
  const std::string source = sourceTag(klasse, root);
  std::string out;
  generate(analysed, woord,
           [&](const morfenaar::Record& record) { writeRecord(out, record, source); });
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

// The tags of the modern rules (--modern), slot by slot.
inline const std::vector<std::string> kModernPastTags = {"1s", "2sm", "2sf", "3sm", "3sf",
                                                         "1p", "2pm", "2pf", "3p"};
inline const std::vector<std::string> kModernParticipleTags = {"sm", "sf", "pm", "pf"};
inline const std::vector<std::string> kModernFutureTags = {"1s", "2sm", "2sf", "3sm", "3sf",
                                                           "1p", "2pm", "2pf", "3pm", "3pf"};
inline const std::vector<std::string> kModernImperativeTags = {"2sm", "2sf", "2pm", "2pf"};

// One case of a modern table: a class, a root and its forms slot by slot,
// worked out from a grammar's paradigms.
struct ModernCase {
  const char* rule;  // the rule group the case stands for
  int klasse;
  const char* root;
  const char* forms;
};

// Checks every case of `cases` against `generate` with the block's `tags`.
template <std::size_t N>
void expectModern(Generator generate, const std::vector<std::string>& tags,
                  const ModernCase (&cases)[N]) {
  for (const ModernCase& c : cases) {
    SCOPED_TRACE(std::string(c.rule) + ": " + std::to_string(c.klasse) + "-" + c.root);
    EXPECT_EQ(formsOf(generate, c.klasse, c.root), withTags(c.forms, tags));
  }
}

inline std::vector<std::string> dutchColumn(const std::vector<Record>& records) {
  std::vector<std::string> texts;
  texts.reserve(records.size());
  for (const Record& record : records) texts.push_back(record.dutch);
  return texts;
}

}  // namespace morfenaar::testing
