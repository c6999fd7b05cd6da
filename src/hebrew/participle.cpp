#include "hebrew/participle.h"

// Placeholder: the generator is being written.
namespace morfenaar {
void writeParticiples(const AnalysedRoot&, Woord&, std::string_view, std::string&) {}
}  // namespace morfenaar
