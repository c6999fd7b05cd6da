// The program's own messages on standard error, in Dutch. The gloss
// parser's messages live with the parser.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morfenaar {

// After a gloss that the parser refused.
inline constexpr std::string_view kRefusedWarning =
    "Waarschuwing: dit werkwoord werd niet verder verwerkt.\n";

// A line of three or more characters without a TAB before its line end.
// This message and the next quote at most kQuotedBytes of the line, then
// "...".
std::string noGlossMessage(std::string_view lineText);
// The first line of an input with a CR that no LF follows; `lineText` is
// the line up to its first CR.
std::string crWithoutLfMessage(std::string_view lineText);
inline constexpr std::size_t kQuotedBytes = 200;
// A root shorter than its class can analyse; `sourceTag` names the entry.
std::string shortRootMessage(int klasse, std::string_view sourceTag);
// A root with a byte that is not one of its letters; `sourceTag` names the
// entry.
std::string foreignRootMessage(std::string_view sourceTag);
// A root of class `klasse` that does not begin with `letters`, the letters
// its class writes before the radicals; `sourceTag` names the entry.
std::string classPrefixMessage(int klasse, std::string_view letters, std::string_view sourceTag);

inline constexpr std::string_view kStdoutFailed =
    "Fout: de standaarduitvoer kan niet worden geschreven.\n";
inline constexpr std::string_view kStdinFailed =
    "Fout: de standaardinvoer kan niet worden gelezen.\n";

// An input that is UTF-16: refused as a whole.
inline constexpr std::string_view kStdinUtf16 =
    "Fout: de standaardinvoer is UTF-16; sla het op als UTF-8.\n";
std::string utf16Message(std::string_view name);

// Memory ran out (other than for reading a line, which is a failed read).
inline constexpr std::string_view kOutOfMemory = "Fout: onvoldoende geheugen.\n";

// An input file named on the command line that could not be opened or
// read; `error` is the errno value, told in Dutch where it is a common one.
std::string inputOpenMessage(std::string_view name, int error);
std::string inputReadMessage(std::string_view name, int error);

}  // namespace morfenaar
