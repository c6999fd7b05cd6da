#include "hebrew/pattern.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "support/strings.h"

namespace morfenaar {

namespace {

// Fills one Hebrew pattern (a pattern without TAB). A NUL letter, or a NUL
// inside a text, ends the form there: no NUL byte is ever written.
void fillHebrew(std::string& out, std::string_view pattern, PatternArgs args) {
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c != '%' || i + 1 == pattern.size()) {
      out += c;
      continue;
    }
    char kind = pattern[++i];
    assert(kind == 'c' || kind == 's');
    if (next == args.size()) return;  // a table bug; never read past the list
    const PatternArg& arg = args[next++];
    if (kind == 'c') {
      char letter = arg.letter;
      if (letter == '\0') return;  // no letter here: the form ends
      out += letter;
    } else {
      std::string_view text = arg.text;
      std::size_t end = text.find('\0');
      out += text.substr(0, end);
      if (end != std::string_view::npos) return;
    }
  }
}

}  // namespace

void fillPattern(std::string& out, std::string_view pattern, PatternArgs args) {
  fillHebrew(out, pattern, args);
}

std::string formatForm(std::string_view pattern, PatternArgs args) {
  std::string form;
  fillHebrew(form, pattern, args);
  return form;
}

void appendRecord(std::string& out, std::string_view format, PatternArgs hebrew,
                  std::string_view dutch, std::string_view source) {
  std::size_t tab = format.find('\t');
  fillHebrew(out, format.substr(0, tab), hebrew);
  if (tab == std::string_view::npos) return;
  std::string_view rest = format.substr(tab);
  std::string_view values[] = {dutch, source};
  std::size_t used = 0;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == '%' && i + 1 < rest.size() && rest[i + 1] == 's' && used < 2) {
      out += values[used++];
      ++i;
    } else {
      out += rest[i];
    }
  }
}

void PreparedRecord::append(std::string& out, PatternArgs hebrew, std::string_view dutch,
                            std::string_view source) const {
  const std::size_t start = out.size();
  std::size_t hebrewBytes = 0;
  for (const PatternArg& arg : hebrew) hebrewBytes += arg.bytes();
  out.resize(start + room(hebrewBytes, dutch.size(), source.size()));
  char* const begin = out.data() + start;
  // The record takes at most the first kMaxValues; the others are ignored.
  const PatternValues values(hebrew.first(std::min(hebrew.size(), PatternValues::kMaxValues)));
  char* const end = write(begin, values, dutch, source);
  out.resize(start + static_cast<std::size_t>(end - begin));
}

}  // namespace morfenaar
