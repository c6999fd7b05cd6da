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

std::string_view ending7(const AnalysedRoot& root) {
  return endsWith(root.stem7, 'W') ? "" : "E";
}

}  // namespace morfenaar
