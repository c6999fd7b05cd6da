#include "support/strings.h"

namespace morfenaar {

bool endsWith(std::string_view text, std::string_view suffix) {
  return suffix.size() <= text.size() &&
         text.substr(text.size() - suffix.size()) == suffix;
}

bool endsWith(std::string_view text, char c) {
  return !text.empty() && text.back() == c;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && text.substr(0, prefix.size()) == prefix;
}

Pos indexOf(std::string_view text, char c) {
  if (c == '\0') return -1;
  auto at = text.find(c);
  return at == std::string_view::npos ? -1 : static_cast<Pos>(at);
}

Pos indexOf(std::string_view text, std::string_view needle) {
  auto at = text.find(needle);
  return at == std::string_view::npos ? -1 : static_cast<Pos>(at);
}

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
