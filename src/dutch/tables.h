// The person and auxiliary tables of the Dutch side: subject pronouns, the
// forms of "hebben", "zijn" and "zullen" and the reflexive pronouns, all
// keyed by person code ("1s", "2s", "3s", "3sf", "1p", "2p", "3p", and the
// number-only codes "s" and "p"), and the table of present-tense stems that
// no rule derives. They are filled once by init() before the first verb is
// read and only read afterwards.
//
// Also here: meervoud, the plain plural of a simple-past singular, and
// isCons, the consonant test.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "support/hashtable.h"

namespace morfenaar {

extern Hashtable htPersTitle;    // subject pronoun: "ik", "jij", ...
extern Hashtable htHebben;       // "heb", "hebt", "heeft", ...
extern Hashtable htZijn;         // "ben", "bent", "is", ...
extern Hashtable htZich;         // reflexive pronoun: "me", "je", "zich", ...
extern Hashtable htZullen;       // "zal", "zult", "zullen"
extern Hashtable htBijzStammen;  // stem by rule -> stem to use ("ga" -> "ga(a)")

// Fills the six tables. Called once, before the first verb is read.
void init();

// The position of a person code among the rows of the person tables, in
// the order 1s, 2s, 3s, 3sf, 1p, 2p, 3p, s, p, found without a search; -1
// for any other text.
constexpr int personIndex(std::string_view code) {
  // Two letters first: the codes that most texts are asked for.
  if (code.size() == 2) {
    const int person = code[0] - '1';
    if (person < 0 || person > 2) return -1;
    return code[1] == 's' ? person : code[1] == 'p' ? 4 + person : -1;
  }
  if (code.size() == 1) return code[0] == 's' ? 7 : code[0] == 'p' ? 8 : -1;
  if (code.size() == 3) return code == "3sf" ? 3 : -1;
  return -1;
}

// Whether the row at `index` (a value of personIndex() other than -1) is
// that of a plural code, one with a "p": 1p, 2p, 3p and p.
constexpr bool isPluralPerson(int index) { return index >= 4 && index != personIndex("s"); }

// The cells of one row of the person tables: the values that htPersTitle,
// htHebben, htZijn, htZich and htZullen hold for its code, empty where a
// table lacks the code.
struct PersonCells {
  std::string_view persTitle;
  std::string_view hebben;
  std::string_view zijn;
  std::string_view zich;
  std::string_view zullen;
  std::string_view pronounPrefix;  // "(" persTitle ") ", as "(ik) "
  std::string_view perfHebben;     // pronounPrefix hebben, as "(ik) heb"
  std::string_view perfZijn;       // pronounPrefix zijn, as "(ik) ben"
  std::string_view toekHead;       // pronounPrefix zullen " ", as "(ik) zal "
};

// The rows, in the order of personIndex().
extern const std::array<PersonCells, 9> kPersonCells;

// The row at `index`, a value of personIndex() other than -1.
inline const PersonCells& personCells(int index) {
  return kPersonCells[static_cast<std::size_t>(index)];
}

// Plural of a simple-past singular: "liep" -> "liepen", "zette" ->
// "zetten", "gaf" -> "gaven", "las" -> "lazen", "was" -> "waren".
std::string meervoud(std::string_view word);

// False for exactly the lower-case vowels a, e, i, o, u; true otherwise.
bool isCons(char c);

}  // namespace morfenaar
