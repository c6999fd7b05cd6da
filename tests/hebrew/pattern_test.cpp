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

}  // namespace
}  // namespace morfenaar
