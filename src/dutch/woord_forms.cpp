// The Dutch forms of a parsed gloss per person code. Every method builds its
// text in sResult, reusing the buffer's storage from call to call: the
// pieces of a text are gathered first (TextPieces) and then copied in one
// go. The perfect, the future and the simple past are also given as their
// shapes, the parts that every person shares.
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

// The template filled with `first` and `second` (see Template::appendTo),
// added to `text` as pieces.
void addFilled(TextPieces& text, const Template& pattern, std::string_view first,
               std::string_view second = {}) {
  const std::string_view whole(pattern.text);
  std::size_t from = 0;
  for (int i = 0; i < pattern.holeCount; ++i) {
    const std::size_t at = pattern.holes[static_cast<std::size_t>(i)];
    text.add(whole.substr(from, at - from));
    text.add(i == 0 ? first : second);
    from = at + 2;
  }
  text.add(whole.substr(from));
}

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
  perfWith(cellsOf(code)).assignTo(sResult);
  return sResult;
}

void Woord::perf(int person, std::string& result) const {
  perfWith(personCells(person)).assignTo(result);
}

// The phrase begins with its auxiliary's placeholder, as "h. gelopen"
// does: the prefix and the auxiliary come as one head cell, and the
// pronoun's placeholder, when there is one, splits the rest.
FormShape Woord::perfShape() const {
  const Template& phrase = sVoltDwFmt;
  FormShape shape;
  if (phrase.holeCount == 0 || phrase.holes[0] != 0) return shape;
  if (phrase.holeCount == 2 && (phrase.holes[1] < 2 || !bZich)) return shape;
  const std::string_view rest = std::string_view(phrase.text).substr(2);
  shape.head = bZijn ? &PersonCells::perfZijn : &PersonCells::perfHebben;
  shape.singularBody = rest;
  if (phrase.holeCount == 2) {
    const std::size_t at = phrase.holes[1] - 2;
    shape.singularBody = rest.substr(0, at);
    shape.tail = rest.substr(at + 2);
    shape.pronoun = true;
  }
  shape.pluralBody = shape.singularBody;
  return shape;
}

TextPieces Woord::perfWith(const PersonCells& cells) const {
  if (const FormShape shape = perfShape(); shape.fits()) return shape.pieces(cells, false);
  // Words before the auxiliary, or the pronoun's placeholder first.
  TextPieces text;
  text.add(cells.pronounPrefix);
  addFilled(text, sVoltDwFmt, bZijn ? cells.zijn : cells.hebben, bZich ? cells.zich : "");
  return text;
}

const std::string& Woord::toek(std::string_view code) {
  toekWith(cellsOf(code)).assignTo(sResult);
  return sResult;
}

void Woord::toek(int person, std::string& result) const {
  toekWith(personCells(person)).assignTo(result);
}

// The infinitive phrase has a placeholder only for the pronoun of a
// reflexive verb.
FormShape Woord::toekShape() const {
  const Template& phrase = sOnbWijsFmt;
  FormShape shape;
  if (phrase.holeCount > 1 || (phrase.holeCount == 1 && !bZich)) return shape;
  shape.head = &PersonCells::toekHead;
  shape.singularBody = phrase.text;
  if (phrase.holeCount == 1) {
    shape.singularBody = shape.singularBody.substr(0, phrase.holes[0]);
    shape.tail = std::string_view(phrase.text).substr(phrase.holes[0] + 2);
    shape.pronoun = true;
  }
  shape.pluralBody = shape.singularBody;
  return shape;
}

TextPieces Woord::toekWith(const PersonCells& cells) const {
  if (const FormShape shape = toekShape(); shape.fits()) return shape.pieces(cells, false);
  TextPieces text;
  text.add(cells.toekHead);
  addFilled(text, sOnbWijsFmt, bZich ? cells.zich : "");
  return text;
}

const std::string& Woord::ovt(std::string_view code) {
  ovtWith(cellsOf(code), isPlural(code)).assignTo(sResult);
  return sResult;
}

std::size_t Woord::splitOvt() {
  const std::string_view ovt(sOvt);
  const std::size_t blank = ovt.find(' ');
  ovtTailAt = std::string::npos;
  if (blank == std::string_view::npos || blank == 0) {
    // No rest: the whole text is the verb.
    sOvtBareHead.assign(ovt).push_back(' ');
    sOvtSingularHead = sOvtBareHead;
    sOvtPluralHead.assign(ovt);
    makePlural(sOvtPluralHead);
    sOvtPluralHead.push_back(' ');
    return std::string_view::npos;
  }
  // The first "z." of the rest becomes the pronoun, reflexive flag or not.
  // The singular head is the text up to there, the plural head the plural
  // of the verb and the same blank and rest.
  std::size_t headEnd = ovt.size();
  if (const std::size_t z = ovt.find("z.", blank + 1); z != std::string_view::npos) {
    headEnd = z;
    ovtTailAt = z + 2;
  }
  sOvtSingularHead = ovt.substr(0, headEnd);
  sOvtPluralHead.assign(ovt, 0, blank);
  makePlural(sOvtPluralHead);
  sOvtPluralHead.append(ovt, blank, headEnd - blank);
  return blank;
}

void Woord::ovt(int person, std::string& result) const {
  ovtWith(personCells(person), isPluralPerson(person)).assignTo(result);
}

// The pieces that splitOvt() made; the rest after the "z." takes the
// pronoun, reflexive flag or not.
FormShape Woord::ovtShape() const {
  FormShape shape;
  shape.head = &PersonCells::pronounPrefix;
  shape.singularBody = sOvtSingularHead;
  shape.pluralBody = sOvtPluralHead;
  if (ovtTailAt != std::string::npos) {
    shape.tail = std::string_view(sOvt).substr(ovtTailAt);
    shape.pronoun = true;
  }
  return shape;
}

TextPieces Woord::ovtWith(const PersonCells& cells, bool plural) const {
  return ovtShape().pieces(cells, plural);
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
  TextPieces text;
  if (barePlural) {
    text.add(sWerkw);
  } else {
    text.add(sStam);
    if (!endsWith(sStam, 't')) text.add("(t)");
  }
  // Without a rest the blank before it would only be trimmed off again.
  if (!sRestFmt.text.empty()) {
    text.add(" ");
    addFilled(text, sRestFmt, zich);
  }
  text.assignTo(result);
  trim(result);
}

const std::string& Woord::onbep() {
  onbep(sResult);
  return sResult;
}

void Woord::onbep(std::string& result) {
  TextPieces text;
  // Without a rest the blank before "te" would only be trimmed off again.
  if (sRestFmt.text.empty()) {
    text.add("te ");
  } else {
    addFilled(text, sRestFmt, zich("3s"));
    text.add(" te ");
  }
  text.add(sWerkw);
  text.assignTo(result);
  trim(result);
}

const std::string& Woord::geb(std::string_view code) {
  tegenw(personIndex("2s"), sResult);
  gebFromPresent(isPlural(code), sResult);
  return sResult;
}

void Woord::geb(int person, std::string& result) {
  tegenw(personIndex("2s"), result);
  gebFromPresent(isPluralPerson(person), result);
}

void Woord::gebFromPresent(bool plural, std::string& result) const {
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
