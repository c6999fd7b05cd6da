#include "hebrew/pattern.h"

#include <gtest/gtest.h>

#include <vector>

namespace morfenaar {
namespace {

using namespace std::string_view_literals;

TEST(Pattern, FillsLettersAndTextsInOrder) {
  EXPECT_EQ(formatForm("%c%cTI", {'K', 'T'}), "KTTI");
  EXPECT_EQ(formatForm("E%sI%cW", {"GD"sv, 'L'}), "EGDILW");
  EXPECT_EQ(formatForm("%c%s%c%cTM", {'D', "W"sv, 'B', 'R'}), "DWBRTM");
  EXPECT_EQ(formatForm("EW%s", {""sv}), "EW");
}

TEST(Pattern, ExtraValuesAreIgnored) {
  EXPECT_EQ(formatForm("%c%cTI", {'N', 'T', 'N'}), "NTTI");
  EXPECT_EQ(formatForm("E%sTE", {"TGL"sv, "E"sv}), "ETGLTE");
  // The values may come from a list built at run time.
  std::vector<PatternArg> values = {'Q', 'W', 'M'};
  EXPECT_EQ(formatForm("I%c%c", values), "IQW");
}

TEST(Pattern, MissingLetterEndsTheForm) {
  EXPECT_EQ(formatForm("E%sI%cW", {"K"sv, '\0'}), "EKI");
  EXPECT_EQ(formatForm("%c%cITI", {'E', '\0'}), "E");
  std::string out = "X";
  fillPattern(out, "A%cW%c", {'\0', 'B'});
  EXPECT_EQ(out, "XA");
}

TEST(Pattern, RecordWithMissingLetterKeepsTheRest) {
  std::string out;
  appendRecord(out, "#M%sI%cE\t%s\t{fs}%s\n", {"K"sv, '\0'}, "schrijf(t)", "[5-EKSB]");
  EXPECT_EQ(out, "#MKI\tschrijf(t)\t{fs}[5-EKSB]\n");
  EXPECT_EQ(out.find('\0'), std::string::npos);
}

TEST(Pattern, RecordsFillDutchThenSource) {
  std::string out;
  appendRecord(out, "#%s\t%s\t{1s}%s\n", {"KTBTI"sv}, "(ik) heb geschreven", "[1-KTB]");
  appendRecord(out, "#M%c%cW%c\tom %s\t{}%s\n", {'K', 'T', 'B'}, "te schrijven", "[1-KTB]");
  EXPECT_EQ(out,
            "#KTBTI\t(ik) heb geschreven\t{1s}[1-KTB]\n"
            "#MKTWB\tom te schrijven\t{}[1-KTB]\n");
}

TEST(Pattern, TextsAreCopiedNotInterpreted) {
  std::string out;
  appendRecord(out, "#%s\t%s\t{s}%s\n", {"AB"sv}, "100%s", "[%c]");
  EXPECT_EQ(out, "#AB\t100%s\t{s}[%c]\n");
}

// A prepared record writes what appendRecord writes for the same format.
TEST(Pattern, PreparedRecordsMatchTheFormat) {
  struct Case {
    std::string_view format;
    std::vector<PatternArg> hebrew;
    std::string_view expected;  // with Dutch text "nl" and source tag "[s]"
  };
  const Case cases[] = {
      {"#%c%cWT\tom %s\t{}%s\n", {'K', 'T'}, "#KTWT\tom nl\t{}[s]\n"},
      {"#M%sI%cE\t%s\t{fs}%s\n", {"K"sv, '\0'}, "#MKI\tnl\t{fs}[s]\n"},
      {"#E%sI%c\t%s\t{ms}%s\n", {"K\0X"sv, 'B'}, "#EK\tnl\t{ms}[s]\n"},
      {"#%c%c%c\t%s\t{2ms}%s\n", {'Q', 'M'}, "#QM\tnl\t{2ms}[s]\n"},         // too few values
      {"#%cE%sI\t%s\t{2ms}%s\n", {'Q'}, "#QE\tnl\t{2ms}[s]\n"},              // no text for the %s
      {"#%c%c\t%s\t{}%s\n", {'A', 'B', 'C', 'D', 'E'}, "#AB\tnl\t{}[s]\n"},  // values left over
      {"#A%\t%s%c\t{}%s%s\n", {}, "#A%\tnl%c\t{}[s]%s\n"},                   // stray percent signs
      {"#%s", {"LONGERTHANEIGHTLETTERS"sv}, "#LONGERTHANEIGHTLETTERS"},      // no TAB
      // Literal runs longer than one piece, before a placeholder and in the tag
      {"#ABCDEFGHIJ%cK\t%s\t{}%s\n", {'X'}, "#ABCDEFGHIJXK\tnl\t{}[s]\n"},
      {"%c%s%c\t%s\t{LONGTAGOFTEN}%s\n", {'A', "BC"sv, 'D'}, "ABCD\tnl\t{LONGTAGOFTEN}[s]\n"},
      {"#%c%c\t%s%s\n", {'K', 'T'}, "#KT\tnl[s]\n"},  // no letters between Dutch and source
      {"#ABCDEFGHIJ%c\t%s\t{}%s\n", {'\0'}, "#ABCDEFGHIJ\tnl\t{}[s]\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    std::string viaFormat = "X";
    std::string prepared = "X";
    appendRecord(viaFormat, c.format, c.hebrew, "nl", "[s]");
    PreparedRecord(c.format).append(prepared, c.hebrew, "nl", "[s]");
    EXPECT_EQ(viaFormat, "X" + std::string(c.expected));
    EXPECT_EQ(prepared, viaFormat);
  }
}

// A row gives at most four values, so a record whose Hebrew part takes more
// is refused when it is prepared.
TEST(Pattern, PreparedRecordTakesAtMostFourValues) {
  EXPECT_NO_THROW(PreparedRecord("#%c%s%c%c\t%s\t{}%s\n"));
  EXPECT_ANY_THROW(PreparedRecord("#%c%s%c%c%c\t%s\t{}%s\n"));
  constexpr PreparedRecord slot("#%s\t%s\t{}%s\n");
  EXPECT_ANY_THROW(PreparedRecord::withForm(slot, "%c%c%c%c%c"));
}

TEST(Pattern, FormWrittenIntoItsSlotRecord) {
  constexpr PreparedRecord slot("#%s\t%s\t{3sf}%s\n");
  const PreparedRecord record = PreparedRecord::withForm(slot, "E%sI%cE");
  std::string out;
  record.append(out, PatternValues{"GD"sv, 'L'}, "(zij) heeft", "[5-X]");
  record.append(out, PatternValues{"K"sv, '\0'}, "", "[5-EKSB]");
  EXPECT_EQ(out, "#EGDILE\t(zij) heeft\t{3sf}[5-X]\n#EKI\t\t{3sf}[5-EKSB]\n");

  // A prefix of more letters than one piece holds.
  constexpr PreparedRecord longSlot("#ABCDEFGHI%s\t%s\t{x}%s\n");
  out.clear();
  PreparedRecord::withForm(longSlot, "%cQ").append(out, PatternValues{'Z'}, "nl", "[s]");
  EXPECT_EQ(out, "#ABCDEFGHIZQ\tnl\t{x}[s]\n");
}

}  // namespace
}  // namespace morfenaar
