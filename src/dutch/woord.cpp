#include "dutch/woord.h"

#include <utility>

#include "dutch/tables.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// Verbs whose stress is obvious enough that a gloss may leave out the mark,
// each with the blank that puts it after another word of the phrase.
constexpr std::string_view kStressExempt[] = {" zijn", " slaan", " staan",
                                              " gaan", " zien",  " doen"};

bool isStressExempt(std::string_view onbWijs) {
  for (std::string_view verb : kStressExempt) {
    if (onbWijs == verb.substr(1) || indexOf(onbWijs, verb) >= 0) return true;
  }
  return false;
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

void Template::appendTo(std::string& out, std::string_view first,
                        std::string_view second) const {
  std::size_t from = 0;
  for (int i = 0; i < holeCount; ++i) {
    std::size_t at = holes[static_cast<std::size_t>(i)];
    out.append(text, from, at - from);
    out.append(i == 0 ? first : second);
    from = at + 2;
  }
  out.append(text, from, std::string::npos);
}

std::string Template::fill(std::string_view first, std::string_view second) const {
  std::string out;
  out.reserve(text.size() + first.size() + second.size());
  appendTo(out, first, second);
  return out;
}

// ---------------------------------------------------------------------------
// Woord

void Woord::message(std::string text, bool fatal) {
  sMessages += text;
  if (fatal) {
    bFatal = true;
    bOk = false;
  }
}

bool Woord::isSingleSyl(std::string_view word) {
  int vowels = 0;
  for (char c : word) {
    if (c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u') ++vowels;
  }
  return vowels == 1;
}

Woord::Woord(std::string_view gloss) {
  bOk = false;

  // The infinitive phrase ends one character (the blank) before "(".
  const Pos open = indexOf(gloss, '(');
  if (open < 0) {
    message(std::string("Fout: haak open ontbreekt: ").append(gloss).append("\n"), true);
    return;
  }
  if (open == 0) {
    message(std::string("Fout: onbepaalde wijs ontbreekt voor de haak open: ")
                .append(gloss)
                .append("\n"));
    return;
  }
  sOnbWijs.assign(gloss.substr(0, toSize(open) - 1));

  const Pos comma = indexOf(gloss, ',');
  if (comma < 0) {
    message(std::string("Fout: komma ontbreekt: ").append(gloss).append("\n"), true);
    return;
  }
  const Pos close = indexOf(gloss, ')');
  if (close < 0) {
    message(std::string("Fout: haak sluiten ontbreekt: ").append(gloss).append("\n"), true);
    return;
  }

  // Simple past between "(" and ","; participle phrase from the second
  // character after "," up to ")".
  if (comma < open) {
    message(std::string("Fout: komma staat voor de haak open: ").append(gloss).append("\n"));
    return;
  }
  if (close < comma + 2) {
    message(std::string("Fout: haak sluiten staat niet minstens twee tekens na de komma: ")
                .append(gloss)
                .append("\n"));
    return;
  }
  sOvt.assign(gloss.substr(toSize(open) + 1, toSize(comma - open) - 1));
  sVoltDw.assign(gloss.substr(toSize(comma) + 2, toSize(close - comma) - 2));

  // Stress mark: removed from the text; the stressed tail starts where it
  // stood, or is empty when there is none.
  std::size_t tail = sOnbWijs.size();
  const Pos mark = indexOf(sOnbWijs, '\'');
  if (mark >= 0) {
    sOnbWijs.erase(toSize(mark), 1);
    tail = toSize(mark);
  } else if (!isStressExempt(sOnbWijs)) {
    message(std::string("Klemtoon-indicatie ontbreekt in ").append(sOnbWijs).append("\n"));
  }
  sKlemtoon.assign(sOnbWijs, tail, std::string::npos);
  const Pos tailBlank = indexOf(sKlemtoon, ' ');
  if (tailBlank > 0) sKlemtoon.resize(toSize(tailBlank));

  // The rest of the simple past (particle, "z.", preposition) and the bare
  // verb: the infinitive phrase without the words of the rest.
  sOvtRest.clear();
  const Pos ovtBlank = indexOf(sOvt, ' ');
  if (ovtBlank <= 0) {
    sWerkw = sOnbWijs;
  } else {
    sOvtRest.assign(sOvt, toSize(ovtBlank) + 1, std::string::npos);
    const Pos restAt = indexOf(sOnbWijs, sOvtRest);
    if (restAt == 0) {
      sWerkw.assign(sOnbWijs, sOvtRest.size(), std::string::npos);
      trim(sWerkw);
    } else if (restAt > 0) {
      sWerkw.assign(sOnbWijs, 0, toSize(restAt) - 1);
    } else {
      // The rest is split around the verb: its lead words begin the phrase
      // and its last word comes after the verb ("z. schamen voor").
      const Pos restBlank = lastIndexOf(sOvtRest, ' ');
      if (restBlank < 0) {
        message(std::string("Fout: rest in OVT (")
                    .append(sOvtRest)
                    .append(") komt niet voor in onb. wijs: ")
                    .append(sOnbWijs)
                    .append("\n"));
        return;
      }
      const std::string_view rest(sOvtRest);
      const std::string_view lead = rest.substr(0, toSize(restBlank));
      const std::string_view last = rest.substr(toSize(restBlank) + 1);
      const Pos q = indexOf(sOnbWijs, last);
      if (indexOf(sOnbWijs, lead) != 0 || q <= 0) {
        message(std::string("Rest in OVT (")
                    .append(sOvtRest)
                    .append(") (")
                    .append(lead)
                    .append(" + ")
                    .append(last)
                    .append(") komt niet voor in onb. wijs: ")
                    .append(sOnbWijs)
                    .append("\n"));
        return;
      }
      const Pos leadLen = static_cast<Pos>(lead.size());
      if (q < leadLen + 2) {
        message(std::string("Rest in OVT (")
                    .append(sOvtRest)
                    .append(") (")
                    .append(lead)
                    .append(" + ")
                    .append(last)
                    .append("): laatste woord staat niet achter de eerste woorden in onb. wijs: ")
                    .append(sOnbWijs)
                    .append("\n"));
        return;
      }
      sWerkw.assign(sOnbWijs, toSize(leadLen) + 1, toSize(q - leadLen) - 2);
    }
  }

  // Present-tense stem.
  if (sWerkw.size() < 2) {
    message(std::string("Fout: werkwoord (")
                .append(sWerkw)
                .append(") is korter dan twee letters in onb. wijs: ")
                .append(sOnbWijs)
                .append("\n"));
    return;
  }
  {
    const std::size_t n = sWerkw.size();
    // "zien" keeps its "e": zie; otherwise the ending "en" goes.
    if (n >= 3 && sWerkw[n - 3] == 'i' && sWerkw[n - 2] == 'e') {
      sStam.assign(sWerkw, 0, n - 1);
    } else {
      sStam.assign(sWerkw, 0, n - 2);
    }
  }
  if (sWerkw == "zijn") sStam = "ben";

  if (const std::string* special = htBijzStammen.get(sStam)) {
    // A stem that the table knows skips the doubling rules.
    sStam = *special;
  } else if (const std::size_t n = sStam.size(); n >= 2 && sStam[n - 1] == sStam[n - 2]) {
    // A double final consonant is written single: zett -> zet.
    sStam.pop_back();
  } else if (n >= 2 && (sKlemtoon.size() == 3 || sKlemtoon.empty() || isSingleSyl(sStam))) {
    // An open stressed syllable keeps its long vowel, written double in the
    // closed stem: lop -> loop, but betal (stress on "ta") stays.
    const char v = sStam[n - 2];
    const char before = n >= 3 ? sStam[n - 3] : '\0';
    const bool qualifies = v == 'a' || v == 'o' || (v == 'u' && before != 'o') ||
                           (v == 'e' && before != 'i' && before != 'o');
    if (qualifies) sStam.insert(n - 1, 1, v);
  }
  if (endsWith(sStam, 'z')) {
    sStam.back() = 's';
  } else if (endsWith(sStam, 'v')) {
    sStam.back() = 'f';
  }

  // Templates; a position found in a source is the same in its template.
  sOnbWijsFmt.reset(sOnbWijs);
  sVoltDwFmt.reset(sVoltDw);
  sRestFmt.reset(sOvtRest);

  // Auxiliary: "h. " takes "hebben", "is " takes "zijn".
  if (indexOf(sVoltDw, "h.") >= 0) {
    bZijn = false;
    const Pos at = indexOf(sVoltDw, "h. ");
    if (at < 0) {
      message(std::string("Bij voltooid deelwoord (")
                  .append(sVoltDw)
                  .append(") staat 'h.' zonder spatie erachter\n"));
      return;
    }
    sVoltDwFmt.addHole(toSize(at));
  } else if (const Pos at = indexOf(sVoltDw, "is "); at >= 0) {
    bZijn = true;
    sVoltDwFmt.addHole(toSize(at));
  } else {
    message(std::string("Bij voltooid deelwoord (")
                .append(sVoltDw)
                .append(") ontbreekt 'is ' of 'h. '\n"));
    return;
  }

  // Reflexive: "z. " must be in both the infinitive and the participle.
  const Pos zichOnb = indexOf(sOnbWijs, "z. ");
  const Pos zichVoltDw = indexOf(sVoltDw, "z. ");
  if (zichOnb >= 0 && zichVoltDw >= 0) {
    bZich = true;
    sOnbWijsFmt.addHole(toSize(zichOnb));
    sVoltDwFmt.addHole(toSize(zichVoltDw));
    // A rest without "z." simply gets no pronoun.
    if (const Pos zichRest = indexOf(sOvtRest, "z."); zichRest >= 0) {
      sRestFmt.addHole(toSize(zichRest));
    }
  } else if (zichOnb >= 0 || zichVoltDw >= 0) {
    message(std::string("Gedeeltelijk wederkerig (")
                .append(sOnbWijs)
                .append(" vs. ")
                .append(sVoltDw)
                .append(")\n"));
    return;
  } else {
    bZich = false;
  }

  bOk = true;
}

}  // namespace morfenaar
