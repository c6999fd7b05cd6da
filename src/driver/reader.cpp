#include "driver/reader.h"

#include "support/strings.h"

namespace morfenaar {

namespace {

constexpr std::size_t kShortestEntry = 3;

std::string_view untilNul(std::string_view line) { return line.substr(0, line.find('\0')); }

// The bytes that end a field: NUL, TAB, LF and CR.
constexpr bool endsField(char c) { return c == '\0' || c == '\t' || c == '\n' || c == '\r'; }

// The position of the first field-ending byte of `line` at or after `from`,
// or the length of the line: one pass over the line for all four bytes.
std::size_t fieldEnd(std::string_view line, std::size_t from) {
  while (from < line.size() && !endsField(line[from])) ++from;
  return from;
}

}  // namespace

LineKind splitLine(std::string_view line, Entry& entry) {
  // A NUL byte ends the text, so a NUL among the first three bytes makes
  // the line as short as a line of fewer bytes.
  if (line.size() < kShortestEntry || line[0] == '\0' || line[1] == '\0' || line[2] == '\0') {
    return LineKind::Skip;
  }

  // Everything from the first NUL, LF or CR on is left out; the fields are
  // separated by TABs, and a second TAB ends the gloss.
  const std::size_t firstTab = fieldEnd(line, 0);
  if (firstTab == line.size() || line[firstTab] != '\t') return LineKind::NoGloss;
  const std::size_t glossEnd = fieldEnd(line, firstTab + 1);

  entry.firstField = line.substr(0, firstTab);
  entry.gloss = line.substr(firstTab + 1, glossEnd - firstTab - 1);
  unsigned char digit = entry.firstField.empty() ? 0 : entry.firstField[0];
  entry.klasse = digit - '0';
  entry.root = entry.firstField.size() > 2 ? entry.firstField.substr(2) : std::string_view();
  entry.sourceTag.assign("[").append(entry.firstField).append("]");
  return LineKind::Entry;
}

std::string_view lineText(std::string_view line) {
  line = untilNul(line);
  return line.substr(0, line.find_first_of("\r\n"));
}

}  // namespace morfenaar
