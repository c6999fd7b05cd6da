#include "hebrew/pointed/vocalise.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

#include "hebrew/modern/rows.h"
#include "hebrew/root.h"

namespace morfenaar::pointed {

using modern::isGuttural;

namespace {

enum class Vowel {
  None,
  Patah,
  Qamats,
  Segol,
  Tsere,
  Hiriq,
  Holam,
  Qubuts,
  Shva,
  HatafPatah,
  HatafSegol,
  HatafQamats,
};

// What a vowel letter stands for.
enum class Mater { None, HolamMale, Shuruk, Yod };

struct Letter {
  char latin = '\0';
  Vowel vowel = Vowel::None;
  bool dagesh = false;    // written in the pattern (forte, or the shuruk)
  bool stressed = false;  // ' in the pattern
  bool saidShva = false;  // ; in the pattern
  bool rafe = false;      // _ in the pattern: no dagesh lene
  bool qatan = false;     // k in the pattern: a qamats said o
  bool fromRoot = false;  // a letter value (1 to 5), not a letter of the pattern
  bool lene = false;      // dagesh lene, by rule
  bool furtive = false;   // furtive patah, by rule
  Mater mater = Mater::None;
  SLetter s = SLetter::Shin;
};

bool isBegadkefat(char c) {
  return c == 'B' || c == 'G' || c == 'D' || c == 'K' || c == 'P' || c == 'T';
}
bool isShva(Vowel v) { return v == Vowel::Shva; }
bool isFullVowel(Vowel v) { return v != Vowel::None && v != Vowel::Shva; }

// The letters of `pattern`, radicals filled in. Stops at a NUL or missing
// letter value.
std::vector<Letter> parse(std::string_view pattern, PatternArgs args) {
  std::vector<Letter> letters;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c >= '1' && c <= '5') {
      char value = letterValue(c, args);
      if (value == kRootUitgaan[1]) value = 'C';
      if (value == '\0') break;
      letters.push_back(Letter{.latin = value, .fromRoot = true});
      continue;
    }
    if (c >= 'A' && c <= 'Z') {
      letters.push_back(Letter{.latin = c});
      continue;
    }
    if (letters.empty()) std::abort();  // a mark before any letter: a table bug
    Letter& l = letters.back();
    // clang-format off
    switch (c) {
      case 'a': l.vowel = Vowel::Patah; break;
      case 'q': l.vowel = Vowel::Qamats; break;
      case 'k': l.vowel = Vowel::Qamats; l.qatan = true; break;
      case 'e': l.vowel = Vowel::Segol; break;
      case 'y': l.vowel = Vowel::Tsere; break;
      case 'i': l.vowel = Vowel::Hiriq; break;
      case 'o': l.vowel = Vowel::Holam; break;
      case 'u': l.vowel = Vowel::Qubuts; break;
      case '.': l.dagesh = true; break;
      case '\'': l.stressed = true; break;
      case '_': l.rafe = true; break;
      case ';':
        l.vowel = Vowel::Shva;
        l.saidShva = true;
        break;
      case ':': {
        char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (next == 'a' || next == 'e' || next == 'o') {
          l.vowel = next == 'a' ? Vowel::HatafPatah : next == 'e' ? Vowel::HatafSegol : Vowel::HatafQamats;
          ++i;
        } else {
          l.vowel = Vowel::Shva;
        }
        break;
      }
      default:
        std::abort();  // not a mark of the notation: a table bug
    }
    // clang-format on
  }
  return letters;
}

// Marks the vowel letters: a W with holam or dagesh after a letter without
// a vowel, and an I without a vowel after hiriq, tsere or segol.
void findMaters(std::vector<Letter>& letters) {
  for (std::size_t i = 1; i < letters.size(); ++i) {
    Letter& l = letters[i];
    const Letter& before = letters[i - 1];
    if (before.mater != Mater::None) continue;
    if (l.latin == 'W' && before.vowel == Vowel::None && !l.stressed) {
      if (l.vowel == Vowel::Holam && !l.dagesh) l.mater = Mater::HolamMale;
      if (l.vowel == Vowel::None && l.dagesh) l.mater = Mater::Shuruk;
    }
    if (l.latin == 'I' && l.vowel == Vowel::None && !l.dagesh &&
        (before.vowel == Vowel::Hiriq || before.vowel == Vowel::Tsere ||
         before.vowel == Vowel::Segol)) {
      l.mater = Mater::Yod;
    }
  }
}

// The vowel that the consonant at `i` is said with: its own, or that of
// the holam male or shuruk after it.
Vowel sounded(const std::vector<Letter>& letters, std::size_t i) {
  if (i + 1 < letters.size()) {
    if (letters[i + 1].mater == Mater::HolamMale) return Vowel::Holam;
    if (letters[i + 1].mater == Mater::Shuruk) return Vowel::Qubuts;
  }
  return letters[i].vowel;
}

// True when the consonant at `i` has a long vowel in an open syllable in
// the grammar's reading: qamats, tsere, holam, or a vowel written with a
// vowel letter, not stressed (a stressed vowel closes its syllable:
// יָכֹלְתִּי).
bool hasLongVowel(const std::vector<Letter>& letters, std::size_t i) {
  if (letters[i].stressed) return false;
  Vowel v = letters[i].vowel;
  if (v == Vowel::Qamats || v == Vowel::Tsere || v == Vowel::Holam) return true;
  return i + 1 < letters.size() && letters[i + 1].mater != Mater::None;
}

// The consonants (letters that are not vowel letters) in order, by index.
std::vector<std::size_t> consonants(const std::vector<Letter>& letters) {
  std::vector<std::size_t> result;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    if (letters[i].mater == Mater::None) result.push_back(i);
  }
  return result;
}

// Is the shva of the consonant cons[k] said in the grammar's reading? At
// the start, under a doubled letter, after another shva and after an
// unstressed long vowel; never at the end.
bool shvaVocal(const std::vector<Letter>& letters, const std::vector<std::size_t>& cons,
               std::size_t k) {
  const Letter& l = letters[cons[k]];
  if (!isShva(l.vowel) || k + 1 == cons.size()) return false;
  if (k == 0 || l.dagesh || l.saidShva) return true;
  return isShva(letters[cons[k - 1]].vowel) || hasLongVowel(letters, cons[k - 1]);
}

// A root's N or T with a silent shva before the same letter of an ending
// is written once, doubled: נָתַנּוּ, תִּשְׁכֹּנָּה, כָּרַתִּי; not after a
// said shva (שָׁתְתָה).
void mergeLikeLetters(std::vector<Letter>& letters) {
  const std::vector<std::size_t> cons = consonants(letters);
  for (std::size_t k = cons.size(); k-- > 1;) {
    const std::size_t i = cons[k];
    if (i + 1 == letters.size()) continue;
    const Letter& l = letters[i];
    Letter& next = letters[i + 1];
    if (!l.fromRoot || next.fromRoot || (l.latin != 'N' && l.latin != 'T') ||
        next.latin != l.latin || !isShva(l.vowel) || l.saidShva || l.dagesh ||
        shvaVocal(letters, cons, k)) {
      continue;
    }
    next.dagesh = true;
    next.stressed = next.stressed || l.stressed;
    letters.erase(letters.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

// Dagesh lene, hataf under gutturals, furtive patah and the shva of final
// kaf.
void applyRules(std::vector<Letter>& letters, const std::vector<std::size_t>& cons) {
  for (std::size_t k = 0; k < cons.size(); ++k) {
    Letter& l = letters[cons[k]];
    const bool last = cons[k] + 1 == letters.size();  // the last letter of the form
    const bool afterSilentShva =
        k > 0 && isShva(letters[cons[k - 1]].vowel) && !shvaVocal(letters, cons, k - 1);
    if (isBegadkefat(l.latin) && !l.dagesh && !l.rafe && (k == 0 || afterSilentShva)) l.lene = true;
    if (isGuttural(l.latin) && shvaVocal(letters, cons, k)) {
      l.vowel = Vowel::HatafPatah;
      l.saidShva = false;
    }
    if (last && k > 0 && l.vowel == Vowel::None && (l.latin == 'H' || l.latin == 'O')) {
      Vowel before = sounded(letters, cons[k - 1]);
      if (isFullVowel(before) && before != Vowel::Patah && before != Vowel::Qamats &&
          before != Vowel::HatafPatah) {
        l.furtive = true;
      }
    }
    if (last && l.latin == 'K' && l.vowel == Vowel::None) l.vowel = Vowel::Shva;
  }
}

// A code point of the Hebrew block (U+0590 to U+05FF), two bytes in UTF-8.
void appendCodePoint(std::string& out, unsigned cp) {
  out += static_cast<char>(0xC0 | (cp >> 6));
  out += static_cast<char>(0x80 | (cp & 0x3F));
}

// clang-format off
unsigned letterCodePoint(const Letter& l, bool final) {
  switch (l.latin) {
    case 'A': return 0x5D0;
    case 'B': return 0x5D1;
    case 'G': return 0x5D2;
    case 'D': return 0x5D3;
    case 'E': return 0x5D4;
    case 'W': return 0x5D5;
    case 'Z': return 0x5D6;
    case 'H': return 0x5D7;
    case 'J': return 0x5D8;
    case 'I': return 0x5D9;
    case 'K': return final ? 0x5DA : 0x5DB;
    case 'L': return 0x5DC;
    case 'M': return final ? 0x5DD : 0x5DE;
    case 'N': return final ? 0x5DF : 0x5E0;
    case 'S': return l.s == SLetter::Samekh ? 0x5E1 : 0x5E9;
    case 'O': return 0x5E2;
    case 'P': return final ? 0x5E3 : 0x5E4;
    case 'C': return final ? 0x5E5 : 0x5E6;
    case 'Q': return 0x5E7;
    case 'R': return 0x5E8;
    case 'T': return 0x5EA;
    default: return 0;  // F, U, V, X, Y of a Latin root: no Hebrew letter
  }
}
// clang-format on

// clang-format off
unsigned vowelCodePoint(Vowel v) {
  switch (v) {
    case Vowel::Shva: return 0x5B0;
    case Vowel::HatafSegol: return 0x5B1;
    case Vowel::HatafPatah: return 0x5B2;
    case Vowel::HatafQamats: return 0x5B3;
    case Vowel::Hiriq: return 0x5B4;
    case Vowel::Tsere: return 0x5B5;
    case Vowel::Segol: return 0x5B6;
    case Vowel::Patah: return 0x5B7;
    case Vowel::Qamats: return 0x5B8;
    case Vowel::Holam: return 0x5B9;
    case Vowel::Qubuts: return 0x5BB;
    case Vowel::None: break;
  }
  return 0;
}
// clang-format on

// The letters with their marks in canonical order: the vowel (classes 10
// to 20), the dagesh (21), the shin or sin dot (24, 25).
std::string hebrewOf(const std::vector<Letter>& letters) {
  std::string out;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const Letter& l = letters[i];
    const unsigned letter = letterCodePoint(l, i + 1 == letters.size());
    if (letter == 0) {
      out += l.latin;
    } else {
      appendCodePoint(out, letter);
    }
    Vowel v = l.furtive ? Vowel::Patah : l.vowel;
    if (v != Vowel::None) appendCodePoint(out, vowelCodePoint(v));
    if ((l.dagesh && !isGuttural(l.latin) && l.latin != 'R') || l.lene) appendCodePoint(out, 0x5BC);
    if (l.latin == 'S' && l.s != SLetter::Samekh) {
      appendCodePoint(out, l.s == SLetter::Shin ? 0x5C1 : 0x5C2);
    }
  }
  return out;
}

// clang-format off
std::string_view consonantSound(const Letter& l, bool last) {
  const bool hard = l.dagesh || l.lene;
  switch (l.latin) {
    case 'A': case 'O': return "";
    case 'E': return last && l.vowel == Vowel::None ? "" : "h";
    case 'B': return hard ? "b" : "v";
    case 'G': return "g";
    case 'D': return "d";
    case 'Z': return "z";
    case 'H': return "ch";
    case 'J': case 'T': return "t";
    case 'I': return "j";
    case 'W': return "v";
    case 'K': return hard ? "k" : "ch";
    case 'L': return "l";
    case 'M': return "m";
    case 'N': return "n";
    case 'P': return hard ? "p" : "f";
    case 'C': return "ts";
    case 'Q': return "k";
    case 'R': return "r";
    case 'S': return l.s == SLetter::Shin ? "sj" : "s";
    default: return "";
  }
}
// clang-format on

// clang-format off
std::string_view vowelSound(Vowel v, bool stressed) {
  switch (v) {
    case Vowel::Patah: case Vowel::Qamats: case Vowel::HatafPatah:
      return stressed ? "á" : "a";
    case Vowel::Segol: case Vowel::Tsere: case Vowel::HatafSegol: case Vowel::Shva:
      return stressed ? "é" : "e";
    case Vowel::Hiriq: return stressed ? "í" : "i";
    case Vowel::Holam: case Vowel::HatafQamats: return stressed ? "ó" : "o";
    case Vowel::Qubuts: return stressed ? "óé" : "oe";
    case Vowel::None: break;
  }
  return "";
}
// clang-format on

// Is the shva of the consonant cons[k] said, in today's speech? When it is
// the second of two shvas, stands under the first of two like letters,
// starts the form under I, L, M, N or R or before alef, he or ayin (no
// word begins with a consonant and a glottal stop: טְעַם te-ám), or the
// pattern says so.
bool shvaSaid(const std::vector<Letter>& letters, const std::vector<std::size_t>& cons,
              std::size_t k) {
  const Letter& l = letters[cons[k]];
  if (l.saidShva) return true;
  if (k + 1 == cons.size()) return false;
  if (k > 0 && isShva(letters[cons[k - 1]].vowel)) return true;
  if (letters[cons[k + 1]].latin == l.latin) return true;
  if (k != 0) return false;
  const char next = letters[cons[1]].latin;
  return l.latin == 'I' || l.latin == 'L' || l.latin == 'M' || l.latin == 'N' || l.latin == 'R' ||
         next == 'A' || next == 'E' || next == 'O';
}

std::string uitspraakOf(const std::vector<Letter>& letters, const std::vector<std::size_t>& cons) {
  // The vowel of each consonant as said, None where nothing is said.
  std::vector<Vowel> said(cons.size(), Vowel::None);
  std::size_t stressAt = cons.size();
  std::size_t lastVowel = cons.size();
  for (std::size_t k = 0; k < cons.size(); ++k) {
    Vowel v = sounded(letters, cons[k]);
    if (isShva(v) && !shvaSaid(letters, cons, k)) v = Vowel::None;
    // A qamats qatan is said o: one that the pattern marks, and one before
    // a hataf qamats, מָעֳבָר.
    if (v == Vowel::Qamats &&
        (letters[cons[k]].qatan ||
         (k + 1 < cons.size() && letters[cons[k + 1]].vowel == Vowel::HatafQamats))) {
      v = Vowel::Holam;
    }
    said[k] = v;
    if (v != Vowel::None) lastVowel = k;
    if (letters[cons[k]].stressed) stressAt = k;
  }
  if (stressAt == cons.size()) stressAt = lastVowel;
  std::string out;
  for (std::size_t k = 0; k < cons.size(); ++k) {
    const Letter& l = letters[cons[k]];
    if (l.furtive) out += "a";
    out += consonantSound(l, k + 1 == cons.size());
    out += vowelSound(said[k], k == stressAt);
  }
  return out;
}

}  // namespace

char letterValue(char c, PatternArgs args) {
  if (c < '1' || c > '5') return '\0';
  const auto n = static_cast<std::size_t>(c - '1');
  return n < args.size() ? args[n].letter : '\0';
}

PointedForm vocalise(std::string_view pattern, PatternArgs args, const SLetters& sLetters) {
  std::vector<Letter> letters = parse(pattern, args);
  std::size_t sSeen = 0;
  for (Letter& l : letters) {
    if (l.latin != 'S' || sLetters.empty()) continue;
    l.s = sLetters[std::min(sSeen++, sLetters.size() - 1)];
  }
  findMaters(letters);
  mergeLikeLetters(letters);
  const std::vector<std::size_t> cons = consonants(letters);
  applyRules(letters, cons);
  return PointedForm{hebrewOf(letters), uitspraakOf(letters, cons)};
}

}  // namespace morfenaar::pointed
