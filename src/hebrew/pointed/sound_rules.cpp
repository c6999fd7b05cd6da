#include "hebrew/pointed/sound_rules.h"

#include <cctype>
#include <cstddef>

#include "hebrew/modern/rows.h"
#include "hebrew/pointed/vocalise.h"

namespace morfenaar::pointed {

using modern::isGuttural;

namespace {

bool isLetterOrNumber(char c) { return (c >= 'A' && c <= 'Z') || (c >= '1' && c <= '5'); }

// The full vowel of the letter that `out` ends with: its position, or npos.
std::size_t lastVowel(const std::string& out) {
  for (std::size_t i = out.size(); i-- > 0;) {
    char c = out[i];
    if (isLetterOrNumber(c)) break;
    if (std::string_view("iayqeo").find(c) != std::string_view::npos &&
        (i == 0 || out[i - 1] != ':')) {
      return i;
    }
  }
  return std::string::npos;
}

// A guttural first radical right after the prefix of the nif'al and hif'il
// past or of any huf'al form takes a hataf and gives the prefix segol (qamats in the
// huf'al, a qamats qatan): נֶעֱזַב, הֶאֱמִין, הָעֳבַר. Het keeps a silent shva: נֶחְשַׁב,
// הֶחְלִיט, and in the huf'al the qubuts, הֻחְלַט. A hataf before a shva
// becomes its full vowel, and that shva stays said, so the letter after it
// takes no dagesh lene: נֶעֶזְבָה, הֶעֶלְתָה.
void gutturalAfterPrefix(std::string& p, char first) {
  // The huf'al's prefix letter is that of its block and person: הָ, אָ, תָּ, מָ...
  const std::string hufalPrefix = p.empty() ? std::string() : p.substr(0, 1) + "u1:";
  const std::string hufalGuttural = p.empty() ? std::string() : p.substr(0, 1) + "k1:";
  const std::string_view kPrefixes[][2] = {
      {"Ni1:", "Ne1:"}, {"Ei1:", "Ee1:"}, {hufalPrefix, hufalGuttural}};
  for (const auto& [plain, guttural] : kPrefixes) {
    if (plain.empty() || !p.starts_with(plain)) continue;
    const bool hufal = plain[1] == 'u';
    if (first == 'H') {
      if (!hufal) p.replace(0, plain.size(), guttural);
      return;
    }
    p.replace(0, plain.size(), guttural);
    const std::size_t at = guttural.size();  // after "1:"
    // "2:" next (a shva, not a hataf): the full vowel instead of the hataf.
    const bool shvaNext = p.size() > at + 3 && p[at] == '2' && p[at + 1] == ':' &&
                          p[at + 2] != 'a' && p[at + 2] != 'e' && p[at + 2] != 'o';
    if (shvaNext) {
      p.insert(at + 3, "_");
      p.replace(at - 1, 1, hufal ? "k" : "e");
    } else {
      p.insert(at, hufal ? "o" : "e");
    }
    return;
  }
}

}  // namespace

std::string soundRules(std::string_view pattern, PatternArgs args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c < '1' || c > '5') {
      out += c;
      continue;
    }
    std::size_t end = i + 1;
    while (end < pattern.size() && !isLetterOrNumber(pattern[end])) ++end;
    std::string marks(pattern.substr(i + 1, end - i - 1));
    const char v = letterValue(c, args);
    const std::size_t dagesh = marks.find('.');
    if (dagesh != std::string::npos && (isGuttural(v) || v == 'R')) {
      marks.erase(dagesh, 1);
      std::size_t before = lastVowel(out);
      if (before != std::string::npos && out[before] == 'i') out[before] = 'y';
      if (before != std::string::npos && out[before] == 'a' && (v == 'A' || v == 'R')) {
        out[before] = 'q';
      }
      const std::size_t shva = marks.find(':');
      const bool plainShva = shva != std::string::npos &&
                             (shva + 1 == marks.size() || std::islower(marks[shva + 1]) == 0);
      if (plainShva && v != 'A' && v != 'R') marks.insert(shva + 1, "a");
    }
    const bool beforeLetter = end < pattern.size();
    if (v == 'A' && marks == ":" && beforeLetter && pattern[end] == 'N') {
      marks.clear();
      std::size_t before = lastVowel(out);
      if (before != std::string::npos && out[before] != 'o') out[before] = 'e';
    }
    out += c;
    out += marks;
    i = end - 1;
  }
  return out;
}

std::string classLetterRules(int klasse, std::string_view pattern, PatternArgs args) {
  std::string out(pattern);
  const char first = letterValue('1', args);
  const char second = letterValue('2', args);
  if (klasse == 7 && first == 'T' && (second == 'J' || second == 'T')) {
    if (const std::size_t at = out.find("1:2"); at != std::string::npos) out.replace(at, 3, "2.");
  }
  if ((klasse == 2 || klasse == 5 || klasse == 6) && isGuttural(first)) {
    gutturalAfterPrefix(out, first);
  }
  if (klasse == 5 && first == 'I') {
    // The prefix's vowel and the yod's shva: hiriq in the past, patah elsewhere.
    std::size_t at = out.find("i1:");
    if (at == std::string::npos) at = out.find("a1:");
    if (at != std::string::npos) out.replace(at, 3, "y1");
  }
  return out;
}

}  // namespace morfenaar::pointed
