#include "hebrew/pointed/root_letters.h"

#include <string>

#include "hebrew/modern/rows.h"
#include "hebrew/root_lists.h"

namespace morfenaar::pointed {

PatternValues rootLetters(const AnalysedRoot& r) {
  switch (r.klasse) {
    case 2:
      return {r.rad1 == 'I' ? 'N' : r.rad1, r.rad2, r.rad3};
    case 3: {
      const modern::IntensiveRoot in = modern::intensiveRoot(r);
      const std::string& m = in.middle;
      if (m.size() == 2 && m[0] != m[1]) return {in.first, m[0], m[1], in.last};
      return {in.first, m.empty() ? '\0' : m[0], in.last};
    }
    case 5: {
      const std::string& s = r.stem;
      if (s.size() >= 2) return {s[0], s[1], r.rad3};
      return {s.empty() ? '\0' : s[0], r.rad3};
    }
    case 7: {
      const std::string& s = r.stem7;
      auto at = [&](std::size_t i) { return i < s.size() ? s[i] : '\0'; };
      if (s.size() >= 5) return {at(0), at(1), at(2), at(3), at(4)};  // four radicals
      return {at(0), at(1), at(2), at(3)};
    }
    default:
      return {r.rad1, r.rad2, r.rad3};
  }
}

bool isPolel(PatternArgs letters) {
  return letters.size() == 4 && letters[1].letter == 'W' && letters[2].letter == letters[3].letter;
}

std::string_view hifilCase(const AnalysedRoot& r) {
  const std::string& s = r.stem;
  if (r.variant == kVariantFinalE) {
    if (s.starts_with('W')) return "5-we";
    return s.size() == 1 ? "5-e1" : "5-e";
  }
  if (r.variant == kVariantThreeLetters) return "5-gem";
  if (s.size() < 2) {
    const std::string radicals{s.empty() ? '\0' : s[0], r.rad3};
    return hasAssimilatedFirst(radicals) ? "5-n" : "5-h";
  }
  if (s[0] == 'W') return "5-w";
  return s[0] == 'A' || s[0] == 'O' ? "5-G" : "5";
}

}  // namespace morfenaar::pointed
