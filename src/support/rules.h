// The two rule sets of the program: the default rules, and the modern ones that --modern chooses.
#pragma once
namespace morfenaar {
enum class Rules { Default, Modern };
}  // namespace morfenaar
