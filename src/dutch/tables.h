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

// Plural of a simple-past singular: "liep" -> "liepen", "zette" ->
// "zetten", "gaf" -> "gaven", "las" -> "lazen", "was" -> "waren".
std::string meervoud(std::string_view word);

// False for exactly the lower-case vowels a, e, i, o, u; true otherwise.
bool isCons(char c);

}  // namespace morfenaar
