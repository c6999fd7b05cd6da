#include "dutch/woord.h"

// Placeholder: the gloss parser is being written.
namespace morfenaar {
void Template::reset(std::string_view source) { text = source; holeCount = 0; }
void Template::addHole(std::size_t at) { holes[static_cast<std::size_t>(holeCount++)] = at; }
std::string Template::fill(std::string_view, std::string_view) const { return text; }
Woord::Woord(std::string_view) {}
bool Woord::isSingleSyl(std::string_view) { return false; }
}  // namespace morfenaar
