// The entry of the README's example: the class-1 root KTB with the
// gloss of "schrijven". Its full output and log are in tests/e2e/golden.
#pragma once

#include <string>
#include <string_view>

namespace morfenaar::testing {

inline constexpr std::string_view kSchrijven = "schrij'ven (schreef, h. geschreven)";

// The whole input line, LF included.
inline const std::string kKtb = "1-KTB\t" + std::string(kSchrijven) + "\n";

}  // namespace morfenaar::testing
