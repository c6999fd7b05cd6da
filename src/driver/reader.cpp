#include "driver/reader.h"

namespace morfenaar {

namespace {

constexpr std::size_t kShortestEntry = 3;

std::string_view untilNul(std::string_view line) { return line.substr(0, line.find('\0')); }

}  // namespace

LineKind splitLine(std::string_view line, Entry& entry) {
  line = untilNul(line);
  if (line.size() < kShortestEntry) return LineKind::Skip;

  std::size_t firstTab = std::string_view::npos;
  std::size_t glossEnd = line.size();
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\t') {
      if (firstTab != std::string_view::npos) {
        glossEnd = i;
        break;
      }
      firstTab = i;
    } else if (c == '\n' || c == '\r') {
      glossEnd = i;
      break;
    }
  }
  if (firstTab == std::string_view::npos) return LineKind::NoGloss;

  entry.firstField = line.substr(0, firstTab);
  entry.gloss = line.substr(firstTab + 1, glossEnd - firstTab - 1);
  unsigned char digit = entry.firstField.empty() ? 0 : entry.firstField[0];
  entry.klasse = digit - '0';
  entry.root = entry.firstField.size() > 2 ? entry.firstField.substr(2) : std::string_view();
  entry.sourceTag.clear();
  entry.sourceTag.append("[").append(entry.firstField).append("]");
  return LineKind::Entry;
}

std::string_view lineText(std::string_view line) {
  line = untilNul(line);
  return line.substr(0, line.find_first_of("\r\n"));
}

}  // namespace morfenaar
