#include "support/strings.h"

#include <cstring>

namespace morfenaar {

Pos lastIndexOf(std::string_view text, std::string_view needle) {
  auto at = text.rfind(needle);
  return at == std::string_view::npos ? -1 : static_cast<Pos>(at);
}

std::string_view trimmed(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  std::size_t begin = 0;
  while (begin < end && text[begin] == ' ') ++begin;
  return text.substr(begin, end - begin);
}

void trimBlankEnds(std::string& text) {
  const std::string_view kept = trimmed(text);
  // The kept part moves to the front; shrinking the text then only sets
  // its length.
  if (kept.data() != text.data()) std::memmove(text.data(), kept.data(), kept.size());
  text.resize(kept.size());
}

}  // namespace morfenaar
