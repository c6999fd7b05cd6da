// The person and auxiliary tables of the Dutch side: subject pronouns, the
// forms of "hebben", "zijn" and "zullen" and the reflexive pronouns, all
// keyed by person code ("1s", "2s", "3s", "3sf", "1p", "2p", "3p", and the
// number-only codes "s" and "p"), and the table of present-tense stems that
// no rule derives. They are filled once by init() before the first verb is
// read and only read afterwards.
//
// Also here: meervoud, the plural of a simple-past singular, its modern
// counterpart modernMeervoud, and isCons, the consonant test.
#pragma once

#include <array>
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

// What the person tables hold for one person code, as views of the tables'
// own values; empty where a table holds nothing for the code.
struct PersonCells {
  std::string_view persTitle;
  std::string_view prefix;  // the pronoun in parentheses and a blank: "(ik) "
  std::string_view hebben;
  std::string_view zijn;
  std::string_view zich;
  std::string_view zullen;
};

// The cells of `code`. Those of the nine person codes are looked up once,
// by init(), since nothing writes the tables afterwards; any other code is
// looked up when asked for, and its prefix lasts until the next such call.
PersonCells personCells(std::string_view code);

// The nine person codes. A Woord keeps its forms in this order.
inline constexpr std::array<std::string_view, 9> kPersonCodes = {"1s", "2s", "3s", "3sf", "1p",
                                                                 "2p", "3p", "s",  "p"};

// The position of a person code in kPersonCodes, found without a search;
// -1 for any other text.
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

// Plural of a simple-past singular: zette -> zetten, werd -> werden,
// vond -> vondden, was -> waren, koos -> kozen, schreef -> schreven,
// gaf -> gaven, liep -> liepen, las -> lazen.
std::string meervoud(std::string_view word);

// Plural of a simple-past singular as Dutch spells it, for the modern rules.
// A strong or irregular verb, or a compound ending in one, takes the plural
// of the list in sterke_werkwoorden.h (vond -> vonden, zei -> zeiden,
// versloeg -> versloegen). Any other singular goes by rule: -e takes "n"
// (zette -> zetten); a long vowel written double is written single in the
// open syllable (deed -> deden, koos -> kozen); a single "a" is long
// (kwam -> kwamen), any other single vowel short, and the consonant after
// it doubles (trok -> trokken); after two vowel letters or a consonant
// cluster "en" is added (liep -> liepen, hield -> hielden). A final f or s
// after a vowel or a cluster is voiced: gaf -> gaven, stierf -> stierven,
// blies -> bliezen; a doubled one is not: trof -> troffen.
std::string modernMeervoud(std::string_view word);

// For the modern rules: a stem that ends in a stem of the special-stem
// table, after other letters, is a compound of gaan, staan, slaan, doen or
// komen (vergaan, verslaan, voldoen, overkomen) and takes the special stem
// of the verb it ends in: versla -> versla(a). True when `stem` was
// replaced. The stem of "zijn" ("ben") is left out: an ending "ben" says
// nothing about the verb.
bool samengesteldeBijzStam(std::string& stem);

// For the modern rules: the present singular of a verb that takes no -t in
// any person, written out (mogen -> mag); empty for any other bare verb.
std::string_view tegenwZonderT(std::string_view werkw);

// False for exactly the lower-case vowels a, e, i, o, u; true otherwise.
bool isCons(char c);

}  // namespace morfenaar
