// The two rule sets of the program: its own rules, the default, and the
// modern rules that --modern chooses, which write every slot once in
// today's full spelling and Dutch as the dictionary has it, and those
// rules written with vowel points (--niqqud).
#pragma once

namespace morfenaar {

enum class Rules { Default, Modern, Pointed };

// True for the modern rules, with or without vowel points.
inline bool isModern(Rules rules) { return rules != Rules::Default; }

}  // namespace morfenaar
