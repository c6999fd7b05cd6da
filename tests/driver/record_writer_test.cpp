#include "driver/record_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace morfenaar {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

TEST(RecordWriter, WritesEveryFieldAsItIs) {
  struct Case {
    Record record;
    std::string_view source;
    std::string line;
  };
  const std::string longText(3000, 'x');
  const Case cases[] = {
      {{Block::Past, "1s", "KTBTI", "(ik) heb geschreven"},
       "[1-KTB]",
       "#KTBTI\t(ik) heb geschreven\t{1s}[1-KTB]\n"},
      {{Block::Infinitive, "", "MKTWB", "om te schrijven"},
       "[1-KTB]",
       "#MKTWB\tom te schrijven\t{}[1-KTB]\n"},
      // Percent signs and format letters are not interpreted anywhere.
      {{Block::Participle, "s", "AB", "100%s %n"}, "[%c%d]", "#AB\t100%s %n\t{s}[%c%d]\n"},
      // A NUL byte typed in a gloss or a first field comes out as typed.
      {{Block::Future, "2pf", "", "a\0b"sv}, "[1-\0]"sv, "#\ta\0b\t{2pf}[1-\0]\n"s},
      {{Block::Imperative, "2ms", "K", longText}, "[]", "#K\t" + longText + "\t{2ms}[]\n"},
  };
  for (const Case& c : cases) {
    std::string out = "before\n";
    writeRecord(out, c.record, c.source);
    EXPECT_EQ(out, "before\n" + c.line);
  }
}

}  // namespace
}  // namespace morfenaar
