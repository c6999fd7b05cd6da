#include "driver/slots.h"

namespace morfenaar {

namespace {

constexpr std::uint16_t kIk = 1u << 0;
constexpr std::uint16_t kJijM = 1u << 1;
constexpr std::uint16_t kJijV = 1u << 2;
constexpr std::uint16_t kHij = 1u << 3;
constexpr std::uint16_t kZij = 1u << 4;
constexpr std::uint16_t kWij = 1u << 5;
constexpr std::uint16_t kJullieM = 1u << 6;
constexpr std::uint16_t kJullieV = 1u << 7;
constexpr std::uint16_t kZijM = 1u << 8;
constexpr std::uint16_t kZijV = 1u << 9;

// A form for both genders of a person fills both rows. A participle fills
// every row of its number and gender; ik and wij take both genders. The
// future {3p} of the default rules stands for both genders (they write no
// feminine form), but in UniMorph it is the masculine slot only.
// clang-format off
constexpr Slot kSlots[] = {
    {Block::Past,       "1s",  kIk,                             {"V;1;SG;PST"}},
    {Block::Past,       "2s",  kJijM | kJijV,                   {"V;2;SG;PST;MASC", "V;2;SG;PST;FEM"}},
    {Block::Past,       "2sm", kJijM,                           {"V;2;SG;PST;MASC"}},
    {Block::Past,       "2sf", kJijV,                           {"V;2;SG;PST;FEM"}},
    {Block::Past,       "3s",  kHij,                            {"V;3;SG;PST;MASC"}},
    {Block::Past,       "3sm", kHij,                            {"V;3;SG;PST;MASC"}},
    {Block::Past,       "3sf", kZij,                            {"V;3;SG;PST;FEM"}},
    {Block::Past,       "1p",  kWij,                            {"V;1;PL;PST"}},
    {Block::Past,       "2pm", kJullieM,                        {"V;2;PL;PST;MASC"}},
    {Block::Past,       "2pf", kJullieV,                        {"V;2;PL;PST;FEM"}},
    {Block::Past,       "3p",  kZijM | kZijV,                   {"V;3;PL;PST"}},
    {Block::Participle, "ms",  kIk | kJijM | kHij,              {"V;SG;PRS;MASC"}},
    {Block::Participle, "sm",  kIk | kJijM | kHij,              {"V;SG;PRS;MASC"}},
    {Block::Participle, "fs",  kIk | kJijV | kZij,              {"V;SG;PRS;FEM"}},
    {Block::Participle, "sf",  kIk | kJijV | kZij,              {"V;SG;PRS;FEM"}},
    {Block::Participle, "s",   kIk | kJijM | kJijV | kHij | kZij, {"V;SG;PRS;MASC", "V;SG;PRS;FEM"}},
    {Block::Participle, "mp",  kWij | kJullieM | kZijM,         {"V;PL;PRS;MASC"}},
    {Block::Participle, "pm",  kWij | kJullieM | kZijM,         {"V;PL;PRS;MASC"}},
    {Block::Participle, "fp",  kWij | kJullieV | kZijV,         {"V;PL;PRS;FEM"}},
    {Block::Participle, "pf",  kWij | kJullieV | kZijV,         {"V;PL;PRS;FEM"}},
    {Block::Future,     "1s",  kIk,                             {"V;1;SG;FUT"}},
    {Block::Future,     "2sm", kJijM,                           {"V;2;SG;FUT;MASC"}},
    {Block::Future,     "2sf", kJijV,                           {"V;2;SG;FUT;FEM"}},
    {Block::Future,     "3sm", kHij,                            {"V;3;SG;FUT;MASC"}},
    {Block::Future,     "3sf", kZij,                            {"V;3;SG;FUT;FEM"}},
    {Block::Future,     "1p",  kWij,                            {"V;1;PL;FUT"}},
    {Block::Future,     "2p",  kJullieM,                        {"V;2;PL;FUT;MASC"}},
    {Block::Future,     "2pm", kJullieM,                        {"V;2;PL;FUT;MASC"}},
    {Block::Future,     "2pf", kJullieV,                        {"V;2;PL;FUT;FEM"}},
    {Block::Future,     "3p",  kZijM | kZijV,                   {"V;3;PL;FUT;MASC"}},
    {Block::Future,     "3pm", kZijM,                           {"V;3;PL;FUT;MASC"}},
    {Block::Future,     "3pf", kZijV,                           {"V;3;PL;FUT;FEM"}},
    {Block::Imperative, "2ms", kJijM,                           {"V;2;SG;IMP;MASC"}},
    {Block::Imperative, "2sm", kJijM,                           {"V;2;SG;IMP;MASC"}},
    {Block::Imperative, "2fs", kJijV,                           {"V;2;SG;IMP;FEM"}},
    {Block::Imperative, "2sf", kJijV,                           {"V;2;SG;IMP;FEM"}},
    {Block::Imperative, "2mp", kJullieM,                        {"V;2;PL;IMP;MASC"}},
    {Block::Imperative, "2pm", kJullieM,                        {"V;2;PL;IMP;MASC"}},
    {Block::Imperative, "2fp", kJullieV,                        {"V;2;PL;IMP;FEM"}},
    {Block::Imperative, "2pf", kJullieV,                        {"V;2;PL;IMP;FEM"}},
    // No person; UniMorph's slot holds the L-shape only.
    {Block::Infinitive, "",    0,                               {"V;NFIN"}},
};
// clang-format on

}  // namespace

const Slot* findSlot(Block block, std::string_view tag) {
  for (const Slot& slot : kSlots) {
    if (slot.block == block && slot.tag == tag) return &slot;
  }
  return nullptr;
}

std::string_view blockName(Block block) {
  switch (block) {
    case Block::Past:
      return "verleden";
    case Block::Participle:
      return "deelwoord";
    case Block::Future:
      return "toekomend";
    case Block::Imperative:
      return "gebiedend";
    case Block::Infinitive:
      return "infinitief";
  }
  return "";
}

}  // namespace morfenaar
