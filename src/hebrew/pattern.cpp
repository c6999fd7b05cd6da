#include "hebrew/pattern.h"

#include "hebrew/record.h"

namespace morfenaar {

void fillPattern(std::string& out, std::string_view pattern, PatternArgs args) {
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c != '%' || i + 1 == pattern.size()) {
      out += c;
      continue;
    }
    char kind = pattern[++i];
    if (next == args.size()) return;  // never read past the list
    const PatternArg& arg = args[next++];
    if (kind == 'c') {
      if (arg.letter == '\0') return;  // no letter here: the form ends
      out += arg.letter;
    } else {
      if (!arg.isText) return;  // a letter where a text belongs: a table bug
      for (char t : arg.text) {
        if (t == '\0') return;
        out += t;
      }
    }
  }
}

std::string formatForm(std::string_view pattern, PatternArgs args) {
  std::string form;
  fillPattern(form, pattern, args);
  return form;
}

void emitForm(const RecordSink& sink, Block block, std::string_view tag, std::string_view pattern,
              PatternArgs args, std::string_view dutch) {
  std::string form = formatForm(pattern, args);
  sink(Record{block, tag, form, dutch});
}

}  // namespace morfenaar
