// The Dutch forms of a parsed gloss. reset() builds them once per accepted
// gloss from the parsed fields and the values that the person tables hold
// for each person code.
#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "dutch/tables.h"
#include "dutch/woord.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// `text` becomes `pieces` joined, each piece copied once; the storage of
// `text` is kept.
void join(std::string& text, std::initializer_list<std::string_view> pieces) {
  text.clear();
  for (std::string_view piece : pieces) {
    if (!piece.empty()) text.append(piece.data(), piece.size());
  }
}

// `text` without its parenthesised groups: ga(a)(t) -> ga.
void dropGroups(std::string& text) {
  std::size_t kept = 0;
  int depth = 0;
  for (char c : text) {
    if (c == '(') ++depth;
    if (depth == 0) text[kept++] = c;
    if (c == ')' && depth > 0) --depth;
  }
  text.resize(kept);
}

// `text` with the parentheses themselves removed: ga(a)(t) -> gaat.
void dropParentheses(std::string& text) {
  std::erase_if(text, [](char c) { return c == '(' || c == ')'; });
}

}  // namespace

// Splits the simple past: the verb (up to the first blank, when that is not
// the first character) or its plural, a blank and the rest up to its first
// "z." begin every text; the rest after that "z." ends it.
std::size_t Woord::splitOvt() {
  const std::string_view ovt(sOvt);
  const std::size_t blank = ovt.find(' ');
  ovtTailAt = std::string::npos;
  if (blank == std::string_view::npos || blank == 0) {
    // No rest: the whole text is the verb.
    sOvtBareHead.assign(ovt).push_back(' ');
    sOvtSingularHead = sOvtBareHead;
    sOvtPluralHead = ovtPlural(ovt);
    sOvtPluralHead.push_back(' ');
    return std::string_view::npos;
  }
  // The first "z." of the rest becomes the pronoun, reflexive flag or not.
  std::size_t headEnd = ovt.size();
  if (const std::size_t z = ovt.find("z.", blank + 1); z != std::string_view::npos) {
    headEnd = z;
    ovtTailAt = z + 2;
  }
  sOvtSingularHead = ovt.substr(0, headEnd);
  sOvtPluralHead = ovtPlural(ovt.substr(0, blank));
  sOvtPluralHead.append(ovt, blank, headEnd - blank);
  return blank;
}

void Woord::lookUp(std::string_view code, PersonValues& values) const {
  const PersonCells cells = personCells(code);
  values.prefix = cells.prefix;
  values.auxiliary = bZijn ? cells.zijn : cells.hebben;
  values.zullen = cells.zullen;
}

void Woord::buildForms() {
  // The reflexive pronoun only where a form has a place for it.
  const bool pronounUsed = bZich || ovtTailAt != std::string::npos;
  for (std::size_t i = 0; i < kPersonCodes.size(); ++i) {
    const std::string_view code = kPersonCodes[i];
    const bool person = i < sPerfForms.size();  // one of the seven, not "s" or "p"
    PersonValues values;
    if (pronounUsed) values.zich = personCells(code).zich;
    if (bZich || !person) buildTegenw(code, bZich ? values.zich : "", sTegenwForms[i]);
    if (!person) continue;
    lookUp(code, values);
    buildPerf(values, sPerfForms[i]);
    buildToek(values, sToekForms[i]);
    buildOvt(values, numberOf(code), sOvtForms[i]);
  }
  buildGeb(Number::Singular, sGebSingular);
  buildGeb(Number::Plural, sGebPlural);
  // Without a rest the blank before "te" would only be trimmed off again.
  if (sRestFmt.text.empty()) {
    join(sOnbep, {"te ", sWerkw});
  } else {
    const auto rest = sRestFmt.filled(bZich ? personCells("3s").zich : "");
    join(sOnbep, {rest[0], rest[1], rest[2], rest[3], rest[4], " te ", sWerkw});
  }
  trim(sOnbep);
}

const std::string& Woord::other(Form form, std::string_view code) const {
  sOther.clear();
  if (!bOk) return sOther;
  PersonValues values;
  values.zich = personCells(code).zich;
  lookUp(code, values);
  switch (form) {
    case Form::Tegenw:
      buildTegenw(code, bZich ? values.zich : "", sOther);
      break;
    case Form::Perf:
      buildPerf(values, sOther);
      break;
    case Form::Toek:
      buildToek(values, sOther);
      break;
    case Form::Ovt:
      buildOvt(values, numberOf(code), sOther);
      break;
  }
  return sOther;
}

// The code "p" begins with the bare verb, every other with the stem.
void Woord::buildTegenw(std::string_view code, std::string_view zich, std::string& text) const {
  const bool barePlural = !code.empty() && code.front() == 'p';
  const std::string_view verb = barePlural ? sWerkw : sStam;
  const std::string_view ending = barePlural || endsWith(sStam, 't') || bTegenwZonderT ? "" : "(t)";
  // Without a rest the blank before it would only be trimmed off again.
  if (sRestFmt.text.empty()) {
    join(text, {verb, ending});
  } else {
    const auto rest = sRestFmt.filled(zich);
    join(text, {verb, ending, " ", rest[0], rest[1], rest[2], rest[3], rest[4]});
  }
  trim(text);
}

void Woord::buildPerf(const PersonValues& values, std::string& text) const {
  const auto phrase = sVoltDwFmt.filled(values.auxiliary, bZich ? values.zich : "");
  join(text, {values.prefix, phrase[0], phrase[1], phrase[2], phrase[3], phrase[4]});
}

void Woord::buildToek(const PersonValues& values, std::string& text) const {
  const auto phrase = sOnbWijsFmt.filled(bZich ? values.zich : "");
  join(text,
       {values.prefix, values.zullen, " ", phrase[0], phrase[1], phrase[2], phrase[3], phrase[4]});
}

// The rest's "z." takes the pronoun, reflexive flag or not.
void Woord::buildOvt(const PersonValues& values, Number number, std::string& text) const {
  const std::string_view head =
      number == Number::Plural ? std::string_view(sOvtPluralHead) : sOvtSingularHead;
  if (ovtTailAt == std::string::npos) {
    join(text, {values.prefix, head});
  } else {
    join(text, {values.prefix, head, values.zich, std::string_view(sOvt).substr(ovtTailAt)});
  }
}

void Woord::buildGeb(Number number, std::string& text) const {
  text = tegenw("2s");
  // "zijn" takes its imperative from another stem: wees! / weest!, not
  // ben! / bent!. The present begins with the stem and its "(t)".
  if (sWerkw == "zijn" && text.starts_with("ben(")) text.replace(0, 3, "wees");
  if (isModern(rules)) {
    // Written out: the singular is the stem alone, the plural takes what
    // the parentheses add (loop! / loopt!, ga! / gaat!). A reflexive verb
    // has the singular's form for both: its pronoun "je" is the
    // singular's (was je!, not wast je!).
    if (number == Number::Plural && !bZich) {
      dropParentheses(text);
    } else {
      dropGroups(text);
    }
  } else if (const Pos open = indexOf(text, '('); open >= 0) {
    // The removal runs up to and including the last ")", and removes
    // nothing when that ")" does not come after where it starts.
    if (number == Number::Plural) {
      // loop(t) weg -> loopt weg, ga(a)(t) -> ga(a)t
      if (const Pos t = indexOf(text, "(t"); t >= 0) {
        text[static_cast<std::size_t>(t)] = 't';
        const Pos close = lastIndexOf(text, ')');
        if (close > t) {
          text.erase(static_cast<std::size_t>(t) + 1, static_cast<std::size_t>(close - t));
        }
      }
    } else {
      // loop(t) weg -> loop weg, ga(a)(t) -> ga
      const Pos close = lastIndexOf(text, ')');
      if (close >= open) {
        text.erase(static_cast<std::size_t>(open), static_cast<std::size_t>(close - open) + 1);
      }
    }
  }
  text.push_back('!');
}

}  // namespace morfenaar
