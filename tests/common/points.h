// Hebrew vowel points in tests: the canonical combining class of each
// point, and text put in canonical order (which for pointed Hebrew is its
// NFC: no Hebrew letter composes with a point under NFC), so that expected
// forms may be typed with their points in any order.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace morfenaar::testing {

// The code points of UTF-8 `text`, which must be valid.
inline std::vector<char32_t> codePoints(std::string_view text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t cp = n == 1 ? b : b & (0x7F >> n);
    for (int k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    out.push_back(cp);
    i += n;
  }
  return out;
}

inline std::string utf8(const std::vector<char32_t>& cps) {
  std::string out;
  for (char32_t cp : cps) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

// Unicode's canonical combining class of the Hebrew points U+05B0 to
// U+05C2 used in pointed verbs; 0 for everything else.
inline int combiningClass(char32_t cp) {
  if (cp >= 0x05B0 && cp <= 0x05B9) return 10 + static_cast<int>(cp - 0x05B0);
  if (cp == 0x05BB) return 20;
  if (cp == 0x05BC) return 21;
  if (cp == 0x05C1) return 24;
  if (cp == 0x05C2) return 25;
  return 0;
}

// `text` with the points after each letter in canonical order.
inline std::string canonicalOrder(std::string_view text) {
  std::vector<char32_t> cps = codePoints(text);
  for (std::size_t i = 0; i < cps.size();) {
    std::size_t end = i + 1;
    while (end < cps.size() && combiningClass(cps[end]) != 0) ++end;
    std::stable_sort(cps.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                     cps.begin() + static_cast<std::ptrdiff_t>(end),
                     [](char32_t a, char32_t b) { return combiningClass(a) < combiningClass(b); });
    i = end;
  }
  return utf8(cps);
}

}  // namespace morfenaar::testing
