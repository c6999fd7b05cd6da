#include "driver/line_checks.h"

namespace morfenaar {

namespace {

// True when every byte of `text` from position `from` on, in steps of two,
// is NUL.
bool nulEveryOther(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); i += 2) {
    if (text[i] != '\0') return false;
  }
  return true;
}

}  // namespace

bool isUtf16(std::string_view firstLine) {
  if (firstLine.starts_with("\xFF\xFE") || firstLine.starts_with("\xFE\xFF")) return true;
  if (firstLine.ends_with('\n')) firstLine.remove_suffix(1);
  if (firstLine.size() < 2) return false;
  return nulEveryOther(firstLine, 1) || nulEveryOther(firstLine, 0);
}

bool hasCrWithoutLf(std::string_view line) {
  for (std::size_t at = line.find('\r'); at != std::string_view::npos;
       at = line.find('\r', at + 1)) {
    if (at + 1 < line.size() && line[at + 1] != '\n') return true;
  }
  return false;
}

}  // namespace morfenaar
