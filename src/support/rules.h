// The two rule sets of the program: its own rules, the default, and the
// modern rules that --modern chooses, which write every slot once in
// today's full spelling and Dutch as the dictionary has it.
#pragma once

namespace morfenaar {

enum class Rules { Default, Modern };

}  // namespace morfenaar
