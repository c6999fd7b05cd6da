// String helpers used throughout the program: searching, prefix and suffix
// tests and trimming of byte strings. Positions are 0-based byte indexes; a
// search that finds nothing yields -1. None of these functions allocates.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morfenaar {

using Pos = std::ptrdiff_t;

// These small ones are defined here, inline: the Dutch forms call them
// for every text they build.

// True when `text` ends with `suffix`. An empty suffix always matches; a
// suffix longer than the text never does.
inline bool endsWith(std::string_view text, std::string_view suffix) {
  return suffix.size() <= text.size() && text.substr(text.size() - suffix.size()) == suffix;
}
// True when the last byte of `text` is `c`; false for an empty text.
inline bool endsWith(std::string_view text, char c) { return !text.empty() && text.back() == c; }
// True when `text` begins with `prefix`. An empty prefix always matches.
inline bool startsWith(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && text.substr(0, prefix.size()) == prefix;
}

// First position of `c`, or -1. Searching for the NUL character yields -1.
inline Pos indexOf(std::string_view text, char c) {
  if (c == '\0') return -1;
  const auto at = text.find(c);
  return at == std::string_view::npos ? -1 : static_cast<Pos>(at);
}
// First position of `needle`, or -1; an empty needle is found at 0.
inline Pos indexOf(std::string_view text, std::string_view needle) {
  const auto at = text.find(needle);
  return at == std::string_view::npos ? -1 : static_cast<Pos>(at);
}
// Last position of `c`, or -1 (also for an empty text and for NUL).
inline Pos lastIndexOf(std::string_view text, char c) {
  if (c == '\0') return -1;
  const auto at = text.rfind(c);
  return at == std::string_view::npos ? -1 : static_cast<Pos>(at);
}
// Last position of `needle`, or -1; an empty needle is found at the length
// of the text.
Pos lastIndexOf(std::string_view text, std::string_view needle);

// The text without its leading and trailing blanks (the space character
// only).
std::string_view trimmed(std::string_view text);
// The text without its trailing blanks (the space character only).
inline std::string_view withoutTrailingBlanks(std::string_view text) {
  while (endsWith(text, ' ')) text.remove_suffix(1);
  return text;
}
// The slow part of trim(): for a text that begins or ends with a blank.
void trimBlankEnds(std::string& text);
// Removes all leading and trailing blanks (the space character only).
inline void trim(std::string& text) {
  // Most texts have no blank at either end: nothing to search for.
  if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) trimBlankEnds(text);
}

}  // namespace morfenaar
