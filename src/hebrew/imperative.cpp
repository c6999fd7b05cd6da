#include "hebrew/imperative.h"

// Placeholder: the generator is being written.
namespace morfenaar {
void writeImperative(const AnalysedRoot&, Woord&, std::string_view, std::string&) {}
}  // namespace morfenaar
