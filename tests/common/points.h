// Hebrew vowel points in tests: the canonical combining class of each
// point, and text put in canonical order (which for pointed Hebrew is its
// NFC: no Hebrew letter composes with a point under NFC), so that expected
// forms may be typed with their points in any order.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "support/utf8.h"

namespace morfenaar::testing {

// The characters of valid UTF-8 `text`, each as its bytes.
inline std::vector<std::string_view> characters(std::string_view text) {
  std::vector<std::string_view> out;
  for (std::size_t n; !text.empty(); text.remove_prefix(n)) {
    n = std::max<std::size_t>(1, utf8SequenceLength(text));
    out.push_back(text.substr(0, n));
  }
  return out;
}

// Unicode's canonical combining class of the Hebrew points U+05B0 to
// U+05C2 used in pointed verbs; 0 for every other character.
inline int combiningClass(std::string_view character) {
  if (character.size() != 2 || (character[0] != '\xD6' && character[0] != '\xD7')) return 0;
  const int cp = ((character[0] & 0x1F) << 6) | (character[1] & 0x3F);
  if (cp >= 0x05B0 && cp <= 0x05B9) return 10 + (cp - 0x05B0);
  if (cp == 0x05BB) return 20;
  if (cp == 0x05BC) return 21;
  if (cp == 0x05C1) return 24;
  if (cp == 0x05C2) return 25;
  return 0;
}

// `text` with the points after each letter in canonical order.
inline std::string canonicalOrder(std::string_view text) {
  std::vector<std::string_view> chars = characters(text);
  for (auto at = chars.begin(); at != chars.end();) {
    auto end = std::find_if(at + 1, chars.end(), [](auto c) { return combiningClass(c) == 0; });
    std::stable_sort(at + 1, end,
                     [](auto a, auto b) { return combiningClass(a) < combiningClass(b); });
    at = end;
  }
  std::string out;
  for (std::string_view c : chars) out += c;
  return out;
}

}  // namespace morfenaar::testing
