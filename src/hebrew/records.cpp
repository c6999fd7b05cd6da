#include "hebrew/records.h"

#include "support/strings.h"

namespace morfenaar {

std::string_view rootFrom(std::string_view root, std::size_t from) {
  return from < root.size() ? root.substr(from) : std::string_view{};
}

bool isRootIDfA(std::string_view root) {
  // Two literals so that the A is not read as part of the hex escape.
  return root == std::string_view("I\xDF" "A");
}

RowChoice chooseClass5Row(const AnalysedRoot& r) {
  if (r.variant == 1) return {"5a", {r.stem, r.rad3}};
  if (r.variant == 7) return {"5b", {r.stem}};
  return {"5c", {r.stem, r.rad3}};
}

std::string_view ending7(const AnalysedRoot& root) {
  return endsWith(root.stem7, 'W') ? "" : "E";
}

}  // namespace morfenaar
