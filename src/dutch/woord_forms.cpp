#include "dutch/woord.h"

// Placeholder: the form methods are being written.
namespace morfenaar {
const std::string& Woord::tegenw(std::string_view) { return sResult; }
const std::string& Woord::perf(std::string_view) { return sResult; }
const std::string& Woord::toek(std::string_view) { return sResult; }
const std::string& Woord::ovt(std::string_view) { return sResult; }
const std::string& Woord::onbep() { return sResult; }
const std::string& Woord::geb(std::string_view) { return sResult; }
}  // namespace morfenaar
