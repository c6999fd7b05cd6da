// The Dutch forms of a parsed gloss per person code. Every method builds its
// text in sResult, reusing the buffer's storage from call to call: the
// pieces of a text are gathered first and then copied in one go.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "dutch/tables.h"
#include "dutch/woord.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// The cells of `code` in the person tables, found by the code's position
// rather than by a search; for a code that the tables lack, empty cells and
// the prefix "() ".
const PersonCells& cellsOf(std::string_view code) {
  static constexpr PersonCells kUnknown{{}, {}, {}, {}, {}, "() ", "() ", "() ", "()  "};
  const int index = personIndex(code);
  return index >= 0 ? personCells(index) : kUnknown;
}

// Pieces of text joined into a string with one change of its size: cheaper
// than appending them one by one. Eight pieces are as many as a form needs.
class Joiner {
 public:
  void add(std::string_view piece) {
    if (count_ == kPieces) std::abort();  // a form of more pieces
    data_[count_] = piece.data();
    sizes_[count_++] = piece.size();
    bytes_ += piece.size();
  }
  // The template filled with `first` and `second` (see Template::appendTo).
  void add(const Template& pattern, std::string_view first, std::string_view second = {}) {
    const std::string_view text(pattern.text);
    std::size_t from = 0;
    for (int i = 0; i < pattern.holeCount; ++i) {
      const std::size_t at = pattern.holes[static_cast<std::size_t>(i)];
      add(text.substr(from, at - from));
      add(i == 0 ? first : second);
      from = at + 2;
    }
    add(text.substr(from));
  }
  void assignTo(std::string& text) const {
    text.resize(bytes_);
    char* at = text.data();
    for (std::size_t i = 0; i < count_; ++i) at = copyBytes(at, data_[i], sizes_[i]);
  }

 private:
  static constexpr std::size_t kPieces = 8;
  // Left uninitialised: only the first count_ are ever read.
  const char* data_[kPieces];
  std::size_t sizes_[kPieces];
  std::size_t count_ = 0;
  std::size_t bytes_ = 0;
};

bool isPlural(std::string_view code) {
  return std::ranges::any_of(code, [](char c) { return c == 'p'; });
}

// Plural of the verb part of a simple past: zette -> zetten, werd -> werden,
// vond -> vondden, was -> waren, koos -> kozen, gaf -> gaven, liep -> liepen.
void makePlural(std::string& verb) {
  const std::size_t n = verb.size();
  if (endsWith(verb, 'e')) {
    verb += 'n';
  } else if (verb == "werd") {
    verb = "werden";
  } else if (endsWith(verb, 'd')) {
    verb += "den";
  } else if (verb == "was") {
    verb = "waren";
  } else if (n >= 3 && verb[n - 3] == verb[n - 2] &&
             (verb[n - 2] == 'o' || verb[n - 2] == 'e' || verb[n - 2] == 'u')) {
    // A long vowel in an open syllable is written single: koos -> kosen.
    verb.erase(n - 3, 1);
    verb += "en";
  } else if (endsWith(verb, 'f')) {
    verb.back() = 'v';
    verb += "en";
  } else {
    verb += "en";
  }
  // Voiced between vowels: schrefen -> schreven, kosen -> kozen.
  if (endsWith(verb, "fen")) {
    verb[verb.size() - 3] = 'v';
  } else if (endsWith(verb, "sen")) {
    verb[verb.size() - 3] = 'z';
  }
}

}  // namespace

std::string_view Woord::zich(std::string_view code) const {
  return bZich ? cellsOf(code).zich : std::string_view();
}

const std::string& Woord::perf(std::string_view code) {
  perfWith(cellsOf(code), sResult);
  return sResult;
}

void Woord::perf(int person, std::string& result) const { perfWith(personCells(person), result); }

void Woord::perfWith(const PersonCells& cells, std::string& result) const {
  const std::string_view zich = bZich ? cells.zich : "";
  const Template& phrase = sVoltDwFmt;
  Joiner text;
  if (phrase.holeCount > 0 && phrase.holes[0] == 0 &&
      (phrase.holeCount == 1 || phrase.holes[1] >= 2)) {
    // The phrase begins with its first placeholder, as "h. gelopen" does:
    // the prefix and the auxiliary come as one piece.
    const std::string_view rest = std::string_view(phrase.text).substr(2);
    text.add(bZijn ? cells.perfZijn : cells.perfHebben);
    if (phrase.holeCount == 2) {
      const std::size_t at = phrase.holes[1] - 2;
      text.add(rest.substr(0, at));
      text.add(zich);
      text.add(rest.substr(at + 2));
    } else {
      text.add(rest);
    }
  } else {
    text.add(cells.pronounPrefix);
    text.add(phrase, bZijn ? cells.zijn : cells.hebben, zich);
  }
  text.assignTo(result);
}

const std::string& Woord::toek(std::string_view code) {
  toekWith(cellsOf(code), sResult);
  return sResult;
}

void Woord::toek(int person, std::string& result) const { toekWith(personCells(person), result); }

void Woord::toekWith(const PersonCells& cells, std::string& result) const {
  Joiner text;
  text.add(cells.toekHead);
  text.add(sOnbWijsFmt, bZich ? cells.zich : "");
  text.assignTo(result);
}

const std::string& Woord::ovt(std::string_view code) {
  ovtWith(cellsOf(code), isPlural(code), sResult);
  return sResult;
}

void Woord::splitOvt() {
  const std::string_view ovt(sOvt);
  std::string_view verb = ovt;
  std::string_view rest;
  if (const Pos blank = indexOf(ovt, ' '); blank > 0) {
    verb = ovt.substr(0, static_cast<std::size_t>(blank));
    rest = ovt.substr(static_cast<std::size_t>(blank) + 1);
  }
  // The first "z." of the rest becomes the pronoun, reflexive flag or not.
  std::string_view restHead = rest;
  ovtTailAt = std::string::npos;
  if (const Pos z = indexOf(rest, "z."); z >= 0) {
    restHead = rest.substr(0, static_cast<std::size_t>(z));
    ovtTailAt = ovt.size() - rest.size() + static_cast<std::size_t>(z) + 2;
  }
  sOvtPluralHead.assign(verb);
  makePlural(sOvtPluralHead);
  sOvtPluralHead.append(" ").append(restHead);
  sOvtSingularHead.assign(verb).append(" ").append(restHead);
}

void Woord::ovt(int person, std::string& result) const {
  ovtWith(personCells(person), isPluralPerson(person), result);
}

void Woord::ovtWith(const PersonCells& cells, bool plural, std::string& result) const {
  Joiner text;
  text.add(cells.pronounPrefix);
  text.add(plural ? sOvtPluralHead : sOvtSingularHead);
  if (ovtTailAt != std::string::npos) {
    text.add(cells.zich);
    text.add(std::string_view(sOvt).substr(ovtTailAt));
  }
  text.assignTo(result);
}

const std::string& Woord::tegenw(std::string_view code) {
  tegenwWith(!code.empty() && code.front() == 'p', zich(code), sResult);
  return sResult;
}

void Woord::tegenw(int person, std::string& result) {
  tegenwWith(person == personIndex("p"), bZich ? personCells(person).zich : "", result);
}

// The code "p" begins its text with the bare verb, every other with the stem.
void Woord::tegenwWith(bool barePlural, std::string_view zich, std::string& result) const {
  Joiner text;
  if (barePlural) {
    text.add(sWerkw);
  } else {
    text.add(sStam);
    if (!endsWith(sStam, 't')) text.add("(t)");
  }
  // Without a rest the blank before it would only be trimmed off again.
  if (!sRestFmt.text.empty()) {
    text.add(" ");
    text.add(sRestFmt, zich);
  }
  text.assignTo(result);
  trim(result);
}

const std::string& Woord::onbep() {
  onbep(sResult);
  return sResult;
}

void Woord::onbep(std::string& result) {
  Joiner text;
  text.add(sRestFmt, zich("3s"));
  text.add(" te ");
  text.add(sWerkw);
  text.assignTo(result);
  trim(result);
}

const std::string& Woord::geb(std::string_view code) {
  gebWith(isPlural(code), sResult);
  return sResult;
}

void Woord::geb(int person, std::string& result) { gebWith(isPluralPerson(person), result); }

void Woord::gebWith(bool plural, std::string& result) {
  tegenw(personIndex("2s"), result);
  // "zijn" takes its imperative from another stem: wees! / weest!, not
  // ben! / bent!. The present begins with the stem and its "(t)".
  if (sWerkw == "zijn" && result.starts_with("ben(")) result.replace(0, 3, "wees");
  if (const Pos open = indexOf(result, '('); open >= 0) {
    // The removal runs up to and including the last ")", and removes
    // nothing when that ")" does not come after where it starts.
    if (plural) {
      // loop(t) weg -> loopt weg, ga(a)(t) -> ga(a)t
      if (const Pos t = indexOf(result, "(t"); t >= 0) {
        result[static_cast<std::size_t>(t)] = 't';
        const Pos close = lastIndexOf(result, ')');
        if (close > t) {
          result.erase(static_cast<std::size_t>(t) + 1, static_cast<std::size_t>(close - t));
        }
      }
    } else {
      // loop(t) weg -> loop weg, ga(a)(t) -> ga
      const Pos close = lastIndexOf(result, ')');
      if (close >= open) {
        result.erase(static_cast<std::size_t>(open), static_cast<std::size_t>(close - open) + 1);
      }
    }
  }
  result.append("!");
}

}  // namespace morfenaar
