#include "driver/reader.h"

#include <algorithm>

namespace morfenaar {

namespace {

constexpr std::size_t kShortestEntry = 3;

std::string_view untilNul(std::string_view line) { return line.substr(0, line.find('\0')); }

}  // namespace

LineKind splitLine(std::string_view line, Entry& entry) {
  line = untilNul(line);
  if (line.size() < kShortestEntry) return LineKind::Skip;

  // Everything from the first LF or CR on is left out; the fields are
  // separated by TABs, and a second TAB ends the gloss.
  line = line.substr(0, line.find('\n'));
  line = line.substr(0, line.find('\r'));
  const std::size_t firstTab = line.find('\t');
  if (firstTab == std::string_view::npos) return LineKind::NoGloss;
  const std::size_t glossEnd = std::min(line.find('\t', firstTab + 1), line.size());

  entry.firstField = line.substr(0, firstTab);
  entry.gloss = line.substr(firstTab + 1, glossEnd - firstTab - 1);
  unsigned char digit = entry.firstField.empty() ? 0 : entry.firstField[0];
  entry.klasse = digit - '0';
  entry.root = entry.firstField.size() > 2 ? entry.firstField.substr(2) : std::string_view();
  // "[" first field "]", written with one change of size.
  const std::size_t fieldLength = entry.firstField.size();
  entry.sourceTag.resize(fieldLength + 2);
  entry.sourceTag.front() = '[';
  entry.firstField.copy(entry.sourceTag.data() + 1, fieldLength);
  entry.sourceTag.back() = ']';
  return LineKind::Entry;
}

std::string_view lineText(std::string_view line) {
  line = untilNul(line);
  return line.substr(0, line.find_first_of("\r\n"));
}

}  // namespace morfenaar
