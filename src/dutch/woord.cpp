#include "dutch/woord.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "dutch/tables.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// Verbs whose stress is obvious enough that a gloss may leave out the mark,
// each with the blank that puts it after another word of the phrase.
constexpr std::string_view kStressExempt[] = {" zijn", " slaan", " staan",
                                              " gaan", " zien",  " doen"};

// The parser's positions count letters, not bytes: a position that would
// fall inside a UTF-8 letter moves to an edge of that letter, so that no
// text is cut in the middle of a letter. backToLetter gives the start of
// the letter that holds byte `at`; pastLetter the first byte from `at` on
// that begins a letter (at most `end`).
bool continuesLetter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t backToLetter(std::string_view text, std::size_t at) {
  while (at > 0 && at < text.size() && continuesLetter(text[at])) --at;
  return at;
}

std::size_t pastLetter(std::string_view text, std::size_t at, std::size_t end) {
  while (at < end && continuesLetter(text[at])) ++at;
  return at;
}

bool isStressExempt(std::string_view onbWijs) {
  return std::ranges::any_of(kStressExempt, [&](std::string_view verb) {
    return onbWijs == verb.substr(1) || indexOf(onbWijs, verb) >= 0;
  });
}

std::size_t toSize(Pos pos) { return static_cast<std::size_t>(pos); }

}  // namespace

// ---------------------------------------------------------------------------
// Template

void Template::reset(std::string_view source) {
  text.assign(source);
  holeCount = 0;
}

void Template::addHole(std::size_t at) {
  if (holeCount >= static_cast<int>(holes.size()) || at + 2 > text.size()) return;
  holes[static_cast<std::size_t>(holeCount)] = at;
  ++holeCount;
  // Values go in reading order, whatever order the holes were made in.
  if (holeCount == 2 && holes[1] < holes[0]) std::swap(holes[0], holes[1]);
}

std::array<std::string_view, 5> Template::filled(std::string_view first,
                                                 std::string_view second) const {
  const std::string_view whole(text);
  std::array<std::string_view, 5> pieces{};
  std::size_t from = 0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(holeCount); ++i) {
    pieces[2 * i] = whole.substr(from, holes[i] - from);
    pieces[2 * i + 1] = i == 0 ? first : second;
    from = holes[i] + 2;
  }
  pieces[2 * static_cast<std::size_t>(holeCount)] = whole.substr(from);
  return pieces;
}

// ---------------------------------------------------------------------------
// Woord

void Woord::message(std::initializer_list<std::string_view> pieces, EndsRun endsRun) {
  for (std::string_view piece : pieces) sMessages.append(piece);
  if (endsRun == EndsRun::Yes) bFatal = true;
}

bool Woord::isSingleSyl(std::string_view word) {
  int vowels = 0;
  for (char c : word) {
    // A second vowel settles it.
    if (!isCons(c) && ++vowels > 1) return false;
  }
  return vowels == 1;
}

Woord::Woord(std::string_view gloss, Rules rules) { reset(gloss, rules); }

void Woord::reset(std::string_view gloss, Rules rules) {
  this->rules = rules;
  // Everything starts as in a new object; the strings keep their storage.
  sKlemtoon = {};
  sWerkw = {};
  // The heads of the simple past are made again by splitOvt().
  for (std::string* text : {&sOvt, &sStam, &sMessages}) text->clear();
  for (Template* pattern : {&sRestFmt, &sVoltDwFmt, &sOnbWijsFmt}) pattern->clear();
  bOk = false;
  bZijn = false;
  bZich = false;
  bFatal = false;
  bTegenwZonderT = false;

  std::string_view onbWijs;
  const bool split = splitGloss(gloss, onbWijs);
  const std::size_t ovtBlank = splitOvt();
  if (split) {
    takeStressMark(onbWijs);
    bOk = findBareVerb(ovtBlank) && findStem() && findAuxiliary() && findReflexive();
  }
  if (bOk) {
    buildForms();
    return;
  }
  // A refused gloss has no forms.
  for (auto* forms : {&sPerfForms, &sToekForms, &sOvtForms}) {
    for (std::string& text : *forms) text.clear();
  }
  for (std::string& text : sTegenwForms) text.clear();
  for (std::string* text : {&sGebSingular, &sGebPlural, &sOnbep}) text->clear();
}

// Cuts the gloss into the infinitive phrase (up to the blank before "("),
// the simple past (between "(" and ",") and the participle phrase (from the
// second character after "," up to ")"). The infinitive phrase is handed
// to takeStressMark() as `onbWijs`; a gloss refused after "(" was found
// keeps it in onbWijs() as it stands.
inline bool Woord::splitGloss(std::string_view gloss, std::string_view& onbWijs) {
  const Pos open = indexOf(gloss, '(');
  if (open < 0) {
    message({"Fout: haak open ontbreekt: ", gloss, "\n"}, EndsRun::Yes);
    return false;
  }
  if (open == 0) {
    message({"Fout: onbepaalde wijs ontbreekt voor de haak open: ", gloss, "\n"});
    return false;
  }
  // The letter before "(" (its blank) goes, whole.
  onbWijs = gloss.substr(0, backToLetter(gloss, toSize(open) - 1));

  const Pos comma = indexOf(gloss, ',');
  const Pos close = comma < 0 ? -1 : indexOf(gloss, ')');
  if (comma < 0 || close < 0 || comma < open || close < comma + 2) {
    sOnbWijsFmt.text.assign(onbWijs);
    if (comma < 0) {
      message({"Fout: komma ontbreekt: ", gloss, "\n"}, EndsRun::Yes);
    } else if (close < 0) {
      message({"Fout: haak sluiten ontbreekt: ", gloss, "\n"}, EndsRun::Yes);
    } else if (comma < open) {
      message({"Fout: komma staat voor de haak open: ", gloss, "\n"});
    } else {
      message({"Fout: haak sluiten staat niet minstens twee tekens na de komma: ", gloss, "\n"});
    }
    return false;
  }
  sOvt.assign(gloss.substr(toSize(open) + 1, toSize(comma - open) - 1));
  // So does the letter after the comma.
  const std::size_t voltDwStart = pastLetter(gloss, toSize(comma) + 2, toSize(close));
  sVoltDwFmt.text.assign(gloss.substr(voltDwStart, toSize(close) - voltDwStart));
  return true;
}

// The infinitive phrase without its stress mark; the stressed tail starts
// where the mark stood and runs to the end of its word, or is empty when
// there is no mark.
inline void Woord::takeStressMark(std::string_view onbWijs) {
  const std::size_t mark = onbWijs.find('\'');
  if (mark == std::string_view::npos) {
    sOnbWijsFmt.text.assign(onbWijs);
    if (!isStressExempt(onbWijs)) message({"Klemtoon-indicatie ontbreekt in ", onbWijs, "\n"});
    return;
  }
  const std::string_view tail = onbWijs.substr(mark + 1);
  sOnbWijsFmt.text.assign(onbWijs, 0, mark).append(tail);
  // A blank right after the mark does not end the tail.
  const std::size_t blank = tail.find(' ');
  sKlemtoon =
      std::string_view(sOnbWijsFmt.text).substr(mark, blank == 0 ? std::string_view::npos : blank);
}

// The rest of the simple past (particle, "z.", preposition), which follows
// its first blank, at `ovtBlank` (npos for none), and the bare verb: the
// infinitive phrase without the words of the rest.
inline bool Woord::findBareVerb(std::size_t ovtBlank) {
  if (ovtBlank == std::string::npos) {
    sWerkw = onbWijs();
    return true;
  }
  sRestFmt.text.assign(sOvt, ovtBlank + 1, std::string::npos);
  const Pos restAt = indexOf(onbWijs(), ovtRest());
  if (restAt == 0) {
    sWerkw = trimmed(onbWijs().substr(ovtRest().size()));
    return true;
  }
  if (restAt > 0) {
    sWerkw = onbWijs().substr(0, backToLetter(onbWijs(), toSize(restAt) - 1));
    return true;
  }
  return findSplitBareVerb();
}

// A rest split around the verb: its lead words begin the infinitive phrase
// and its last word comes after the verb ("z. schamen voor").
inline bool Woord::findSplitBareVerb() {
  const Pos restBlank = lastIndexOf(ovtRest(), ' ');
  if (restBlank < 0) {
    message({"Fout: rest in OVT (", ovtRest(), ") komt niet voor in onb. wijs: ", onbWijs(), "\n"});
    return false;
  }
  const std::string_view rest = ovtRest();
  const std::string_view lead = rest.substr(0, toSize(restBlank));
  const std::string_view last = rest.substr(toSize(restBlank) + 1);
  const Pos q = indexOf(onbWijs(), last);
  if (indexOf(onbWijs(), lead) != 0 || q <= 0) {
    message({"Rest in OVT (", ovtRest(), ") (", lead, " + ", last,
             ") komt niet voor in onb. wijs: ", onbWijs(), "\n"});
    return false;
  }
  const Pos leadLen = static_cast<Pos>(lead.size());
  if (q < leadLen + 2) {
    message({"Rest in OVT (", ovtRest(), ") (", lead, " + ", last,
             "): laatste woord staat niet achter de eerste woorden in onb. wijs: ", onbWijs(),
             "\n"});
    return false;
  }
  // Between the blank after the lead words and the one before the last.
  const std::size_t from = pastLetter(onbWijs(), toSize(leadLen) + 1, toSize(q) - 1);
  const std::size_t to = std::max(from, backToLetter(onbWijs(), toSize(q) - 1));
  sWerkw = onbWijs().substr(from, to - from);
  return true;
}

// The present-tense singular stem of the bare verb.
inline bool Woord::findStem() {
  const std::size_t verbLength = sWerkw.size();
  if (verbLength < 2) {
    message({"Fout: werkwoord (", sWerkw, ") is korter dan twee letters in onb. wijs: ", onbWijs(),
             "\n"});
    return false;
  }
  const bool modern = isModern(rules);
  // "zien" keeps its "e": zie; otherwise the ending "en" goes. Under the
  // modern rules an "i" after a vowel belongs to that vowel and "en" goes
  // as after a consonant: bloeien -> bloei, zaaien -> zaai.
  const bool vowelBeforeIen = verbLength >= 4 && !isCons(sWerkw[verbLength - 4]);
  if (verbLength >= 3 && sWerkw[verbLength - 3] == 'i' && sWerkw[verbLength - 2] == 'e' &&
      !(modern && vowelBeforeIen)) {
    sStam.assign(sWerkw.substr(0, verbLength - 1));
  } else {
    // The last two letters, not bytes: skiën -> ski, never half an ë.
    sStam.assign(sWerkw.substr(0, backToLetter(sWerkw, verbLength - 2)));
  }
  if (sWerkw == "zijn") sStam = "ben";
  if (const std::string_view zonderT = modern ? tegenwZonderT(sWerkw) : ""; !zonderT.empty()) {
    sStam.assign(zonderT);
    bTegenwZonderT = true;
    return true;
  }

  const std::size_t n = sStam.size();
  if (const std::string* special = htBijzStammen.get(sStam)) {
    // A stem that the table knows skips the doubling rules.
    sStam = *special;
  } else if (modern && samengesteldeBijzStam(sStam)) {
    // So does a compound of one of its verbs: versla -> versla(a).
  } else if (n >= 2 && sStam[n - 1] == sStam[n - 2]) {
    // A double final consonant is written single: zett -> zet.
    sStam.pop_back();
  } else if (n >= 2 && (sKlemtoon.size() == 3 || sKlemtoon.empty() || isSingleSyl(sStam))) {
    // An open stressed syllable keeps its long vowel, written double in the
    // closed stem: lop -> loop, but betal (stress on "ta") stays.
    const char v = sStam[n - 2];
    const char before = n >= 3 ? sStam[n - 3] : '\0';
    bool qualifies = v == 'a' || v == 'o' || (v == 'u' && before != 'o') ||
                     (v == 'e' && before != 'i' && before != 'o');
    // Under the modern rules only a single vowel before a consonant is
    // written double: zaai and beuk stay as they are.
    if (modern && (!isCons(sStam[n - 1]) || (n >= 3 && !isCons(before)))) qualifies = false;
    if (qualifies) {
      // The vowel written again before the last letter, which moves one on.
      sStam.push_back(sStam[n - 1]);
      sStam[n - 1] = v;
    } else if (modern && n >= 3 && isCons(sStam[n - 1]) && sStam.compare(n - 3, 2, "ë") == 0) {
      // An e with a trema is a single e too: creër -> creëer.
      sStam.insert(n - 1, "e");
    }
  }
  if (endsWith(sStam, 'z')) {
    sStam.back() = 's';
  } else if (endsWith(sStam, 'v')) {
    sStam.back() = 'f';
  }
  return true;
}

// The auxiliary: "h. " takes "hebben", "is " takes "zijn"; its marker in
// the participle template becomes a placeholder.
inline bool Woord::findAuxiliary() {
  const std::string_view phrase = voltDw();
  if (const std::size_t marker = phrase.find("h."); marker != std::string_view::npos) {
    bZijn = false;
    // The first "h. " is the first "h." when a blank follows it, else a
    // later one.
    const std::size_t at = marker + 2 < phrase.size() && phrase[marker + 2] == ' '
                               ? marker
                               : phrase.find("h. ", marker + 1);
    if (at == std::string_view::npos) {
      message({"Bij voltooid deelwoord (", phrase, ") staat 'h.' zonder spatie erachter\n"});
      return false;
    }
    sVoltDwFmt.addHole(at);
    return true;
  }
  if (const Pos at = indexOf(phrase, "is "); at >= 0) {
    bZijn = true;
    sVoltDwFmt.addHole(toSize(at));
    return true;
  }
  message({"Bij voltooid deelwoord (", phrase, ") ontbreekt 'is ' of 'h. '\n"});
  return false;
}

// A reflexive verb has "z. " in both the infinitive phrase and the
// participle phrase; its "z." becomes a placeholder for the pronoun.
inline bool Woord::findReflexive() {
  const Pos zichOnb = indexOf(onbWijs(), "z. ");
  const Pos zichVoltDw = indexOf(voltDw(), "z. ");
  bZich = zichOnb >= 0 && zichVoltDw >= 0;
  if (bZich) {
    sOnbWijsFmt.addHole(toSize(zichOnb));
    sVoltDwFmt.addHole(toSize(zichVoltDw));
    // A rest without "z." simply gets no pronoun.
    if (const Pos zichRest = indexOf(ovtRest(), "z."); zichRest >= 0) {
      sRestFmt.addHole(toSize(zichRest));
    }
    return true;
  }
  if (zichOnb >= 0 || zichVoltDw >= 0) {
    message({"Gedeeltelijk wederkerig (", onbWijs(), " vs. ", voltDw(), ")\n"});
    return false;
  }
  return true;
}

}  // namespace morfenaar
