#include "dutch/tables.h"

#include <array>
#include <iterator>

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

constexpr std::string_view cell(const char* text) {
  return text != nullptr ? std::string_view(text) : std::string_view();
}

// "(" pronoun ") " of every row, the start of the perfect, future and
// simple past of its code.
constexpr std::size_t kPrefixBytes = 16;
constexpr auto kPrefixes = [] {
  std::array<std::array<char, kPrefixBytes>, std::size(kPersons)> prefixes{};
  for (std::size_t i = 0; i < prefixes.size(); ++i) {
    std::string_view title = cell(kPersons[i].persTitle);
    if (title.size() + 3 > kPrefixBytes) throw "pronoun too long for its prefix";
    std::size_t at = 0;
    prefixes[i][at++] = '(';
    for (char c : title) prefixes[i][at++] = c;
    prefixes[i][at++] = ')';
    prefixes[i][at] = ' ';
  }
  return prefixes;
}();

}  // namespace

constexpr std::array<PersonCells, 9> kPersonCells = [] {
  static_assert(std::size(kPersons) == 9);
  std::array<PersonCells, 9> cells{};
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const PersonRow& row = kPersons[i];
    cells[i] = {
        cell(row.persTitle), cell(row.hebben),
        cell(row.zijn),      cell(row.zich),
        cell(row.zullen),    std::string_view(kPrefixes[i].data(), cell(row.persTitle).size() + 3)};
  }
  return cells;
}();

namespace {

constexpr bool indexesMatchRows() {
  for (std::size_t i = 0; i < std::size(kPersons); ++i) {
    if (personIndex(kPersons[i].code) != static_cast<int>(i)) return false;
  }
  return true;
}
static_assert(indexesMatchRows(), "personIndex must follow the rows of kPersons");

constexpr Row kBijzStammen[] = {
    {"ga", "ga(a)"},   {"do", "doe"},  {"sta", "sta(a)"},
    {"sla", "sla(a)"}, {"ben", "ben"}, {"kom", "kom"},
};

void fill(Hashtable& table, const char* PersonRow::*column) {
  for (const PersonRow& row : kPersons) {
    if (row.*column != nullptr) table.put(row.code, row.*column);
  }
}

}  // namespace

void init() {
  fill(htPersTitle, &PersonRow::persTitle);
  fill(htHebben, &PersonRow::hebben);
  fill(htZijn, &PersonRow::zijn);
  fill(htZich, &PersonRow::zich);
  fill(htZullen, &PersonRow::zullen);
  for (const Row& row : kBijzStammen) htBijzStammen.put(row.key, row.value);
}

std::string meervoud(std::string_view word) {
  if (word == "was") return "waren";
  std::string sRet(word);
  if (endsWith(word, 'e')) return sRet + "n";
  if (endsWith(word, 'f')) {
    sRet.back() = 'v';
  } else if (endsWith(word, 's')) {
    sRet.back() = 'z';
  }
  return sRet + "en";
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
