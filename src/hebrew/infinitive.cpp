#include "hebrew/infinitive.h"

// Placeholder: the generator is being written.
namespace morfenaar {
void writeInfinitive(const AnalysedRoot&, Woord&, std::string_view, std::string&) {}
}  // namespace morfenaar
