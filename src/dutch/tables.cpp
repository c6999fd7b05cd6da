#include "dutch/tables.h"

#include <array>
#include <iterator>

#include "dutch/sterke_werkwoorden.h"
#include "support/strings.h"

namespace morfenaar {

Hashtable htPersTitle;
Hashtable htHebben;
Hashtable htZijn;
Hashtable htZich;
Hashtable htZullen;
Hashtable htBijzStammen;

namespace {

struct Row {
  const char* key;
  const char* value;
};

// One row per person code, as: code, pronoun, hebben, zijn, zich, zullen.
// A null cell is a code that the table does not hold.
struct PersonRow {
  const char* code;
  const char* persTitle;
  const char* hebben;
  const char* zijn;
  const char* zich;
  const char* zullen;
};

// clang-format off
constexpr PersonRow kPersons[] = {
    // code   pronoun   hebben    zijn     zich    zullen
    {"1s",  "ik",     "heb",    "ben",   "me",   "zal"},
    {"2s",  "jij",    "hebt",   "bent",  "je",   "zult"},
    {"3s",  "hij",    "heeft",  "is",    "zich", "zal"},
    {"3sf", "zij",    "heeft",  "is",    "zich", "zal"},
    {"1p",  "wij",    "hebben", "zijn",  "ons",  "zullen"},
    {"2p",  "jullie", "hebben", "zijn",  "je",   "zullen"},
    {"3p",  "zij",    "hebben", "zijn",  "zich", "zullen"},
    {"s",   "",       nullptr,  nullptr, "zich", nullptr},
    {"p",   "",       nullptr,  nullptr, "zich", nullptr},
};
// clang-format on

constexpr bool codesMatchRows() {
  if (std::size(kPersons) != kPersonCodes.size()) return false;
  for (std::size_t i = 0; i < kPersonCodes.size(); ++i) {
    if (kPersons[i].code != kPersonCodes[i] ||
        personIndex(kPersonCodes[i]) != static_cast<int>(i)) {
      return false;
    }
  }
  return true;
}
static_assert(codesMatchRows(), "kPersonCodes and personIndex must follow the rows of kPersons");

constexpr Row kBijzStammen[] = {
    {"ga", "ga(a)"},   {"do", "doe"},  {"sta", "sta(a)"},
    {"sla", "sla(a)"}, {"ben", "ben"}, {"kom", "kom"},
};

void fill(Hashtable& table, const char* PersonRow::*column) {
  for (const PersonRow& row : kPersons) {
    if (row.*column != nullptr) table.put(row.code, row.*column);
  }
}

// The value that `table` holds for `code`; empty when it holds none.
std::string_view valueOf(const Hashtable& table, std::string_view code) {
  const std::string* value = table.get(code);
  return value != nullptr ? std::string_view(*value) : std::string_view();
}

// The cells of `code`, with its prefix made in `prefix`.
PersonCells lookUpCells(std::string_view code, std::string& prefix) {
  const std::string_view title = valueOf(htPersTitle, code);
  prefix.assign("(").append(title).append(") ");
  return {title,
          prefix,
          valueOf(htHebben, code),
          valueOf(htZijn, code),
          valueOf(htZich, code),
          valueOf(htZullen, code)};
}

// The cells of the nine person codes, in the order of kPersonCodes, and
// their prefixes.
std::array<PersonCells, kPersonCodes.size()> cellsOfPersons;
std::array<std::string, kPersonCodes.size()> prefixesOfPersons;

}  // namespace

PersonCells personCells(std::string_view code) {
  const int index = personIndex(code);
  if (index >= 0) return cellsOfPersons[static_cast<std::size_t>(index)];
  static std::string prefix;  // of the last other code asked for
  return lookUpCells(code, prefix);
}

void init() {
  fill(htPersTitle, &PersonRow::persTitle);
  fill(htHebben, &PersonRow::hebben);
  fill(htZijn, &PersonRow::zijn);
  fill(htZich, &PersonRow::zich);
  fill(htZullen, &PersonRow::zullen);
  for (const Row& row : kBijzStammen) htBijzStammen.put(row.key, row.value);
  for (std::size_t i = 0; i < kPersonCodes.size(); ++i) {
    cellsOfPersons[i] = lookUpCells(kPersonCodes[i], prefixesOfPersons[i]);
  }
}

std::string meervoud(std::string_view word) {
  std::string plural(word);
  const std::size_t n = plural.size();
  if (endsWith(plural, 'e')) {
    plural += 'n';
  } else if (plural == "werd") {
    plural = "werden";
  } else if (endsWith(plural, 'd')) {
    plural += "den";
  } else if (plural == "was") {
    plural = "waren";
  } else if (n >= 3 && plural[n - 3] == plural[n - 2] &&
             (plural[n - 2] == 'o' || plural[n - 2] == 'e' || plural[n - 2] == 'u')) {
    // A long vowel in an open syllable is written single: koos -> kosen.
    plural.erase(n - 3, 1);
    plural += "en";
  } else if (endsWith(plural, 'f')) {
    plural.back() = 'v';
    plural += "en";
  } else {
    plural += "en";
  }
  // Voiced between vowels: schrefen -> schreven, kosen -> kozen.
  if (endsWith(plural, "fen")) {
    plural[plural.size() - 3] = 'v';
  } else if (endsWith(plural, "sen")) {
    plural[plural.size() - 3] = 'z';
  }
  return plural;
}

namespace {

// A final f or s becomes voiced before the plural's "en": gaf -> gaven.
void voice(std::string& word) {
  if (endsWith(word, 'f')) {
    word.back() = 'v';
  } else if (endsWith(word, 's')) {
    word.back() = 'z';
  }
}

}  // namespace

std::string modernMeervoud(std::string_view word) {
  if (const SterkWerkwoord* verb = sterkWerkwoordBijOvt(word)) {
    // The prefix of a compound stays: versloeg -> ver + sloegen.
    std::string plural(word.substr(0, word.size() - verb->ovtEnkel.size()));
    return plural.append(verb->ovtMeervoud);
  }
  std::string plural(word);
  const std::size_t n = plural.size();
  if (endsWith(plural, 'e')) return plural + 'n';
  if (n == 0 || !isCons(plural.back()) || endsWith(plural, "ij")) return plural + "en";
  if (n >= 2 && !isCons(plural[n - 2])) {
    const bool twoVowels = n >= 3 && !isCons(plural[n - 3]);
    if (twoVowels && plural[n - 3] == plural[n - 2]) {
      // The open syllable writes its long vowel single: deed -> deden.
      plural.erase(n - 3, 1);
    } else if (!twoVowels && plural[n - 2] != 'a') {
      // A short vowel keeps its syllable closed: trok -> trokken.
      plural.push_back(plural.back());
      return plural + "en";
    }
  }
  voice(plural);
  return plural + "en";
}

bool samengesteldeBijzStam(std::string& stem) {
  for (const Row& row : kBijzStammen) {
    const std::string_view key = row.key;
    if (key == "ben" || stem.size() <= key.size() || !endsWith(stem, key)) continue;
    stem.replace(stem.size() - key.size(), key.size(), row.value);
    return true;
  }
  return false;
}

std::string_view tegenwZonderT(std::string_view werkw) {
  // ik mag, jij mag, hij mag; the other modal verbs have a -t for "jij".
  return werkw == "mogen" ? "mag" : "";
}

bool isCons(char c) {
  switch (c) {
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
      return false;
    default:
      return true;
  }
}

}  // namespace morfenaar
