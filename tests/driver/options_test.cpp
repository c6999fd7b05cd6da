#include "driver/options.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace morfenaar {
namespace {

struct ParseCase {
  std::vector<std::string_view> args;
  std::vector<std::string> files;
  const char* logPath;
  Format format = Format::Records;
};

TEST(OptionsTest, FilesAndLogPathOfARun) {
  const ParseCase cases[] = {
      {{}, {"-"}, "morfenaar.log"},
      {{"-"}, {"-"}, "morfenaar.log"},
      {{"a", "-", "b", "a"}, {"a", "-", "b", "a"}, "morfenaar.log"},
      {{"--"}, {"-"}, "morfenaar.log"},
      {{"--", "--help", "-x", "--"}, {"--help", "-x", "--"}, "morfenaar.log"},
      {{"a", "--log=x", "b"}, {"a", "b"}, "x"},
      {{"--log", "x", "a"}, {"a"}, "x"},
      {{"--log", "--help"}, {"-"}, "--help"},
      {{"--log", "--"}, {"-"}, "--"},
      {{"--log=a=b"}, {"-"}, "a=b"},
      {{"--log=a", "--log", "b"}, {"-"}, "b"},
      {{"--", "--log=x"}, {"--log=x"}, "morfenaar.log"},
      {{"--format=tsv"}, {"-"}, "morfenaar.log", Format::Tsv},
      {{"a", "--format", "html", "b"}, {"a", "b"}, "morfenaar.log", Format::Html},
      {{"--format=jsonl", "--format", "records"}, {"-"}, "morfenaar.log", Format::Records},
      {{"--format=unimorph", "--log", "x"}, {"-"}, "x", Format::Unimorph},
      {{"--log", "--format=tsv"}, {"-"}, "--format=tsv", Format::Records},
      {{"--format", "jsonl", "--", "--format=tsv"},
       {"--format=tsv"},
       "morfenaar.log",
       Format::Jsonl},
  };
  for (const ParseCase& c : cases) {
    CommandLine line = parseCommandLine(c.args);
    std::string trace;
    for (std::string_view arg : c.args) trace.append(arg).append(" ");
    SCOPED_TRACE(trace);
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.files, c.files);
    EXPECT_EQ(line.logPath, c.logPath);
    EXPECT_EQ(line.format, c.format);
    EXPECT_EQ(line.error, "");
  }
}

TEST(OptionsTest, ModernChoosesTheRuleSet) {
  EXPECT_EQ(parseCommandLine({}).rules, Rules::Default);
  EXPECT_EQ(parseCommandLine({"a"}).rules, Rules::Default);
  CommandLine line = parseCommandLine({"a", "--modern", "--log=x"});
  EXPECT_EQ(line.action, Action::Run);
  EXPECT_EQ(line.rules, Rules::Modern);
  EXPECT_EQ(line.files, std::vector<std::string>{"a"});
  EXPECT_EQ(line.logPath, "x");
  // After "--" it is a file.
  line = parseCommandLine({"--", "--modern"});
  EXPECT_EQ(line.rules, Rules::Default);
  EXPECT_EQ(line.files, std::vector<std::string>{"--modern"});
  // --niqqud implies --modern, whichever comes first.
  EXPECT_EQ(parseCommandLine({"--niqqud"}).rules, Rules::Pointed);
  EXPECT_EQ(parseCommandLine({"--niqqud", "--modern"}).rules, Rules::Pointed);
  EXPECT_EQ(parseCommandLine({"--modern", "--niqqud"}).rules, Rules::Pointed);
  line = parseCommandLine({"--modern=ja"});
  EXPECT_EQ(line.action, Action::Error);
  EXPECT_EQ(line.error,
            "morfenaar: optie '--modern' neemt geen argument. Probeer 'morfenaar --help' voor "
            "meer informatie.\n");
}

}  // namespace
}  // namespace morfenaar
