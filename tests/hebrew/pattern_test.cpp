#include "hebrew/pattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hebrew/record.h"

namespace morfenaar {
namespace {

using namespace std::string_view_literals;

TEST(Pattern, FillsLettersAndTextsInOrder) {
  struct Case {
    std::string_view pattern;
    std::vector<PatternArg> values;
    std::string_view form;
  };
  const Case cases[] = {
      {"%c%cTI", {'K', 'T'}, "KTTI"},
      {"E%sI%cW", {"GD"sv, 'L'}, "EGDILW"},
      {"%c%s%c%cTM", {'D', "W"sv, 'B', 'R'}, "DWBRTM"},
      {"EW%s", {""sv}, "EW"},
      {"A%", {}, "A%"},  // a percent sign that ends the pattern is a letter
      // Values beyond the placeholders are ignored.
      {"%c%cTI", {'N', 'T', 'N'}, "NTTI"},
      {"E%sTE", {"TGL"sv, "E"sv}, "ETGLTE"},
      {"%c%c", {'A', 'B', 'C', 'D', 'E'}, "AB"},
      // A missing letter, a NUL in a text, a placeholder without a value or
      // a letter given for a text ends the form there.
      {"E%sI%cW", {"K"sv, '\0'}, "EKI"},
      {"%c%cITI", {'E', '\0'}, "E"},
      {"E%sI%c", {"K\0X"sv, 'B'}, "EK"},
      {"%c%c%c", {'Q', 'M'}, "QM"},
      {"%cE%sI", {'Q'}, "QE"},
      {"%cE%sI", {'Q', 'R'}, "QE"},
      {"ABCDEFGHIJ%c", {'\0'}, "ABCDEFGHIJ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(formatForm(c.pattern, c.values), c.form);
    std::string out = "X";
    fillPattern(out, c.pattern, c.values);
    EXPECT_EQ(out, "X" + std::string(c.form));
  }
}

// The form handed on is the filled pattern, never longer: no NUL byte and
// nothing after a missing letter reaches a record.
TEST(Pattern, EmittedRecordCarriesTheFilledForm) {
  std::vector<std::string> forms;
  const RecordSink sink = [&](const Record& record) {
    EXPECT_EQ(record.block, Block::Participle);
    EXPECT_EQ(record.tag, "fs");
    EXPECT_EQ(record.dutch, "100%s schrijf(t)");
    forms.emplace_back(record.hebrew);
  };
  emitForm(sink, Block::Participle, "fs", "M%sI%cE", PatternValues{"K"sv, '\0'},
           "100%s schrijf(t)");
  emitForm(sink, Block::Participle, "fs", "M%sI%cE", PatternValues{"GD"sv, 'L'},
           "100%s schrijf(t)");
  EXPECT_EQ(forms, (std::vector<std::string>{"MKI", "MGDILE"}));
}

}  // namespace
}  // namespace morfenaar
