#include "hebrew/past.h"

// Placeholder: the generator is being written.
namespace morfenaar {
void writePast(const AnalysedRoot&, Woord&, std::string_view, std::string&) {}
}  // namespace morfenaar
