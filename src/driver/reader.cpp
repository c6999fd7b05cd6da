#include "driver/reader.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "support/strings.h"

namespace morfenaar {

namespace {

constexpr std::size_t kShortestEntry = 3;

std::string_view untilNul(std::string_view line) { return line.substr(0, line.find('\0')); }

// The bytes that end a field: NUL, TAB, LF and CR.
constexpr bool endsField(char c) { return c == '\0' || c == '\t' || c == '\n' || c == '\r'; }

// Eight bytes of `at` as one word; on a little-endian machine, the only
// kind that reads words, the first byte is the lowest.
std::uint64_t wordAt(const char* at) {
  std::uint64_t word = 0;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// Flags bytes of `word` below 14, the value after CR, with the high bit of
// their byte. The lowest flag is always right; a flag above a true one may
// be false (a borrow), but no byte below 14 goes unflagged.
constexpr std::uint64_t belowFourteen(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  return (word - 14 * kOnes) & ~word & kHighBits;
}

// The position of the first field-ending byte of `line` at or after `from`,
// or the length of the line. Eight bytes are tested at a time: a line is
// one pass over a few words instead of a search for each such byte.
// Inline, as splitLine() runs it twice for every line.
inline std::size_t fieldEnd(std::string_view line, std::size_t from) {
  const char* const text = line.data();
  const std::size_t size = line.size();
  if constexpr (std::endian::native == std::endian::little) {
    while (size - from >= 8) {
      if (const std::uint64_t flags = belowFourteen(wordAt(text + from)); flags != 0) {
        const std::size_t at = from + static_cast<std::size_t>(std::countr_zero(flags)) / 8;
        if (endsField(text[at])) return at;
        from = at + 1;  // another control character
      } else {
        from += 8;
      }
    }
    // The last bytes as part of the last eight, without the flags of those
    // tested already.
    if (from < size && size >= 8) {
      const std::size_t base = size - 8;
      const std::uint64_t untested = ~std::uint64_t{0} << 8 * (from - base);
      const std::uint64_t flags = belowFourteen(wordAt(text + base)) & untested;
      if (flags == 0) return size;
      const std::size_t at = base + static_cast<std::size_t>(std::countr_zero(flags)) / 8;
      if (endsField(text[at])) return at;
      from = at + 1;
    }
  }
  for (; from < size; ++from) {
    if (endsField(text[from])) return from;
  }
  return size;
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
  // "[" first field "]", written with one change of size.
  const std::size_t fieldLength = entry.firstField.size();
  entry.sourceTag.resize(fieldLength + 2);
  entry.sourceTag.front() = '[';
  copyBytes(entry.sourceTag.data() + 1, entry.firstField.data(), fieldLength);
  entry.sourceTag.back() = ']';
  return LineKind::Entry;
}

std::string_view lineText(std::string_view line) {
  line = untilNul(line);
  return line.substr(0, line.find_first_of("\r\n"));
}

}  // namespace morfenaar
