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

// A short text put together when the program is compiled.
struct JoinedText {
  static constexpr std::size_t kBytes = 24;
  std::array<char, kBytes> text{};
  std::size_t size = 0;

  constexpr JoinedText& add(std::string_view piece) {
    if (size + piece.size() > kBytes) throw "person text too long for its room";
    for (char c : piece) text[size++] = c;
    return *this;
  }
  constexpr std::string_view view() const { return std::string_view(text.data(), size); }
};

// The texts of every row that begin the perfect, future and simple past of
// its code: "(" pronoun ") ", that prefix with "hebben" and with "zijn"
// ("(ik) heb", "(ik) ben"), and with "zullen" and a blank ("(ik) zal ").
enum Joined : std::size_t { kPrefix, kPerfHebben, kPerfZijn, kToekHead, kJoinedTexts };
constexpr auto kJoined = [] {
  std::array<std::array<JoinedText, kJoinedTexts>, std::size(kPersons)> joined{};
  for (std::size_t i = 0; i < joined.size(); ++i) {
    const PersonRow& row = kPersons[i];
    joined[i][kPrefix].add("(").add(cell(row.persTitle)).add(") ");
    joined[i][kPerfHebben] = joined[i][kPrefix];
    joined[i][kPerfHebben].add(cell(row.hebben));
    joined[i][kPerfZijn] = joined[i][kPrefix];
    joined[i][kPerfZijn].add(cell(row.zijn));
    joined[i][kToekHead] = joined[i][kPrefix];
    joined[i][kToekHead].add(cell(row.zullen)).add(" ");
  }
  return joined;
}();

}  // namespace

constexpr std::array<PersonCells, 9> kPersonCells = [] {
  static_assert(std::size(kPersons) == 9);
  std::array<PersonCells, 9> cells{};
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const PersonRow& row = kPersons[i];
    const auto& joined = kJoined[i];
    cells[i] = {cell(row.persTitle),
                cell(row.hebben),
                cell(row.zijn),
                cell(row.zich),
                cell(row.zullen),
                joined[kPrefix].view(),
                joined[kPerfHebben].view(),
                joined[kPerfZijn].view(),
                joined[kToekHead].view()};
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
