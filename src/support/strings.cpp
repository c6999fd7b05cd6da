#include "support/strings.h"

namespace morfenaar {

Pos lastIndexOf(std::string_view text, char c) {
  if (c == '\0') return -1;
  auto at = text.rfind(c);
  return at == std::string_view::npos ? -1 : static_cast<Pos>(at);
}

Pos lastIndexOf(std::string_view text, std::string_view needle) {
  auto at = text.rfind(needle);
  return at == std::string_view::npos ? -1 : static_cast<Pos>(at);
}

void trim(std::string& text) {
  // Most texts have no blank at either end: nothing to search for.
  if (text.empty() || (text.front() != ' ' && text.back() != ' ')) return;
  auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  auto last = text.find_last_not_of(' ');
  text.erase(last + 1);
  text.erase(0, first);
}

}  // namespace morfenaar
