#include "hebrew/letters.h"

#include <algorithm>

#include "hebrew/root.h"

namespace morfenaar {

namespace {

struct HebrewLetter {
  char latin;
  std::string_view letter;      // UTF-8
  std::string_view finalShape;  // UTF-8; empty for a letter without one
};

// Both directions of the transliteration. S has two Hebrew letters; which
// one an S of a form is written with comes from the root (HebrewRoot).
// clang-format off
constexpr HebrewLetter kAlphabet[] = {
    {'A', "א", ""},  {'B', "ב", ""},  {'G', "ג", ""},  {'D', "ד", ""},
    {'E', "ה", ""},  {'W', "ו", ""},  {'Z', "ז", ""},  {'H', "ח", ""},
    {'J', "ט", ""},  {'I', "י", ""},  {'K', "כ", "ך"}, {'L', "ל", ""},
    {'M', "מ", "ם"}, {'N', "נ", "ן"}, {'S', "ס", ""},  {'O', "ע", ""},
    {'P', "פ", "ף"}, {'C', "צ", "ץ"}, {'Q', "ק", ""},  {'R', "ר", ""},
    {'S', "ש", ""},  {'T', "ת", ""},
};
// clang-format on

constexpr char kHebrewLead = '\xD7';
constexpr std::string_view kShin = "ש";
constexpr std::string_view kShinDot = "\u05C1";
constexpr std::string_view kSinDot = "\u05C2";

// The class-1 root יצא as its letters read: the generators know it as
// kRootUitgaan.
constexpr std::string_view kUitgaanLetters = "ICA";

// The letter at the start of `text` and its length in bytes (a ש with its
// dot included); null when `text` does not start with a Hebrew letter.
const HebrewLetter* letterAtStart(std::string_view text, std::size_t& length) {
  for (const HebrewLetter& h : kAlphabet) {
    std::string_view shape;
    if (text.starts_with(h.letter)) {
      shape = h.letter;
    } else if (!h.finalShape.empty() && text.starts_with(h.finalShape)) {
      shape = h.finalShape;
    } else {
      continue;
    }
    length = shape.size();
    if (shape == kShin) {
      std::string_view rest = text.substr(length);
      if (rest.starts_with(kShinDot) || rest.starts_with(kSinDot)) length += kShinDot.size();
    }
    return &h;
  }
  return nullptr;
}

const HebrewLetter* forLatin(char latin) {
  if (latin == kRootUitgaan[1]) latin = 'C';  // the tsadi of the root for going out
  for (const HebrewLetter& h : kAlphabet) {
    if (h.latin == latin) return &h;
  }
  return nullptr;
}

}  // namespace

std::optional<HebrewRoot> readHebrewRoot(int klasse, std::string_view root) {
  // Every Hebrew letter begins with this byte: a Latin root is told at once.
  if (root.empty() || root[0] != kHebrewLead) return std::nullopt;
  HebrewRoot hebrew;
  for (std::size_t at = 0; at < root.size();) {
    std::size_t length = 0;
    const HebrewLetter* h = letterAtStart(root.substr(at), length);
    if (h == nullptr) return std::nullopt;
    hebrew.latin += h->latin;
    if (h->latin == 'S') hebrew.sLetters.push_back(root.substr(at, length));
    at += length;
  }
  if (klasse == 1 && hebrew.latin == kUitgaanLetters) hebrew.latin = kRootUitgaan;
  return hebrew;
}

void appendHebrewForm(std::string& out, std::string_view form, const HebrewRoot& root) {
  std::size_t sSeen = 0;
  for (std::size_t i = 0; i < form.size(); ++i) {
    char c = form[i];
    if (c == 'S' && !root.sLetters.empty()) {
      out += root.sLetters[std::min(sSeen++, root.sLetters.size() - 1)];
      continue;
    }
    const HebrewLetter* h = forLatin(c);
    if (h == nullptr) {
      out += c;  // not a letter of the transliteration: kept as it is
    } else if (i + 1 == form.size() && !h->finalShape.empty()) {
      out += h->finalShape;
    } else {
      out += h->letter;
    }
  }
}

}  // namespace morfenaar
