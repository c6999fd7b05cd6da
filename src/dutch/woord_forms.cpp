// The Dutch forms of a parsed gloss per person code. Every method builds its
// text in sResult, reusing the buffer's storage from call to call.
#include "dutch/tables.h"
#include "dutch/woord.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// The value that a person table holds for `code`, or nothing when the
// tables lack the code. The row is found by its position, not by a search.
std::string_view lookup(std::string_view PersonCells::*column, std::string_view code) {
  const int index = personIndex(code);
  return index >= 0 ? personCells(index).*column : std::string_view();
}

bool isPlural(std::string_view code) { return code.find('p') != std::string_view::npos; }

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
  return bZich ? lookup(&PersonCells::zich, code) : std::string_view();
}

void Woord::startWithPronoun(std::string_view code) {
  const int index = personIndex(code);
  sResult.assign(index >= 0 ? personCells(index).pronounPrefix : std::string_view("() "));
}

const std::string& Woord::perf(std::string_view code) {
  const std::string_view aux = lookup(bZijn ? &PersonCells::zijn : &PersonCells::hebben, code);
  startWithPronoun(code);
  sVoltDwFmt.appendTo(sResult, aux, zich(code));
  return sResult;
}

const std::string& Woord::toek(std::string_view code) {
  startWithPronoun(code);
  sResult.append(lookup(&PersonCells::zullen, code)).append(" ");
  sOnbWijsFmt.appendTo(sResult, zich(code));
  return sResult;
}

const std::string& Woord::ovt(std::string_view code) {
  std::string_view verb(sOvt);
  std::string_view rest;
  if (const Pos blank = indexOf(sOvt, ' '); blank > 0) {
    verb = std::string_view(sOvt).substr(0, static_cast<std::size_t>(blank));
    rest = std::string_view(sOvt).substr(static_cast<std::size_t>(blank) + 1);
  }

  startWithPronoun(code);
  if (isPlural(code)) {
    std::string plural(verb);
    makePlural(plural);
    sResult.append(plural);
  } else {
    sResult.append(verb);
  }
  sResult.append(" ");
  // The first "z." of the rest becomes the pronoun, reflexive flag or not.
  if (const Pos z = indexOf(rest, "z."); z >= 0) {
    const std::size_t at = static_cast<std::size_t>(z);
    sResult.append(rest.substr(0, at))
        .append(lookup(&PersonCells::zich, code))
        .append(rest.substr(at + 2));
  } else {
    sResult.append(rest);
  }
  return sResult;
}

const std::string& Woord::tegenw(std::string_view code) {
  if (!code.empty() && code.front() == 'p') {
    sResult.assign(sWerkw);
  } else {
    sResult.assign(sStam);
    if (!endsWith(sStam, 't')) sResult.append("(t)");
  }
  sResult.append(" ");
  sRestFmt.appendTo(sResult, zich(code));
  trim(sResult);
  return sResult;
}

const std::string& Woord::onbep() {
  sResult.clear();
  sRestFmt.appendTo(sResult, zich("3s"));
  sResult.append(" te ").append(sWerkw);
  trim(sResult);
  return sResult;
}

const std::string& Woord::geb(std::string_view code) {
  tegenw("2s");
  if (const Pos open = indexOf(sResult, '('); open >= 0) {
    // The removal runs up to and including the last ")", and removes
    // nothing when that ")" does not come after where it starts.
    if (isPlural(code)) {
      // loop(t) weg -> loopt weg, ga(a)(t) -> ga(a)t
      if (const Pos t = indexOf(sResult, "(t"); t >= 0) {
        sResult[static_cast<std::size_t>(t)] = 't';
        const Pos close = lastIndexOf(sResult, ')');
        if (close > t) {
          sResult.erase(static_cast<std::size_t>(t) + 1, static_cast<std::size_t>(close - t));
        }
      }
    } else {
      // loop(t) weg -> loop weg, ga(a)(t) -> ga
      const Pos close = lastIndexOf(sResult, ')');
      if (close >= open) {
        sResult.erase(static_cast<std::size_t>(open), static_cast<std::size_t>(close - open) + 1);
      }
    }
  }
  sResult.append("!");
  return sResult;
}

}  // namespace morfenaar
