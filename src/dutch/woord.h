// Woord: one parsed Dutch gloss, such as "schrij'ven (schreef, h. geschreven)",
// and the Dutch forms built from it for a person code.
//
// The constructor splits the gloss into the infinitive phrase, the simple
// past and the participle phrase, derives the bare verb and its present-tense
// stem, finds the auxiliary ("hebben" or "zijn") and whether the verb is
// reflexive, and prepares three templates with placeholders for the
// auxiliary and the reflexive pronoun. The placeholders are positions that
// the parser itself records: the gloss text is never interpreted as a
// format, so a "%" typed in a gloss comes out as typed.
//
// Construction never writes to standard error and never ends the process.
// Its messages (warnings and the reason for a refusal) are collected in
// messages(), in order, for the caller to print; isFatal() says that the
// gloss lacks "(", "," or ")", after which the caller ends the run with
// status 1.
//
// For an accepted gloss, reset() builds every Dutch form once, for each of
// the nine person codes, as plain strings; the form methods hand them out
// until the next reset(). Of a refused gloss every form is empty.
//
// A gloss is read under one of the two rule sets. The default rules are
// the program's own. The modern ones make the present stem, the imperative
// and the plural of the simple past as Dutch spells them: bloei(t), not
// bloeie(t); versla(a)(t) for a compound of slaan; ga! / gaat!, without
// the parentheses of the present; vonden, deden, zeiden, trokken, with the
// strong and irregular verbs of sterke_werkwoorden.h.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "dutch/tables.h"
#include "support/rules.h"

namespace morfenaar {

// A text with up to two placeholder positions made by the parser. A
// placeholder occupies the two characters of the marker it replaced ("h.",
// "is" or "z."); filling puts the values in at the placeholders in reading
// order and ignores values beyond the number of placeholders.
struct Template {
  std::string text;
  std::array<std::size_t, 2> holes{};
  int holeCount = 0;

  void reset(std::string_view source);
  // The empty text without placeholders; the storage is kept.
  void clear() {
    text.clear();
    holeCount = 0;
  }
  // Marks the two characters at `at` as a placeholder. Positions outside
  // the text and holes beyond the second are ignored.
  void addHole(std::size_t at);
  // The text as its pieces with `first` and `second` at the placeholders,
  // in reading order; pieces beyond the text are empty.
  std::array<std::string_view, 5> filled(std::string_view first,
                                         std::string_view second = {}) const;
};

class Woord {
 public:
  explicit Woord(std::string_view gloss, Rules rules = Rules::Default);
  // A Woord to be given its gloss by reset(); until then, as the empty gloss.
  Woord() : Woord(std::string_view()) {}
  // Some texts of the parse are views of others: a copy would show those
  // of the original.
  Woord(const Woord&) = delete;
  Woord& operator=(const Woord&) = delete;

  // Parses `gloss` afresh under `rules`, exactly as Woord(gloss, rules)
  // would, forgetting everything of the gloss before; the storage of the
  // texts is kept, so that one object can serve entry after entry without
  // allocating.
  void reset(std::string_view gloss, Rules rules = Rules::Default);

  // True when the gloss was accepted.
  bool isOk() const { return bOk; }
  // True when the gloss lacks "(", "," or ")": the run must end, status 1.
  bool isFatal() const { return bFatal; }
  // Warnings and error messages of the construction, each ending in "\n".
  const std::string& messages() const { return sMessages; }

  // True when exactly one character of `word` is one of a, e, i, o, u.
  static bool isSingleSyl(std::string_view word);

  // The Dutch forms for a person code, valid until the next reset(). The
  // present is kept for each of the nine codes ("1s", "2s", "3s", "3sf",
  // "1p", "2p", "3p", "s", "p"), the perfect, future and simple past for
  // the seven that the auxiliary tables hold (all but "s" and "p"), the
  // imperative for the singular and the plural. Any other code gets the
  // text of a code that the tables lack (no pronoun, no auxiliary), built
  // on each call and valid until the next such call.
  const std::string& tegenw(std::string_view code) const {  // loop(t) weg / lopen weg
    int index = personIndex(code);
    if (index < 0) return other(Form::Tegenw, code);
    // Without a reflexive pronoun every person has the present of "s".
    if (!bZich && index < kPersons) index = personIndex("s");
    return sTegenwForms[static_cast<std::size_t>(index)];
  }
  const std::string& perf(std::string_view code) const {  // (ik) heb gelopen
    const int index = personIndex(code);
    return index >= 0 && index < kPersons ? sPerfForms[static_cast<std::size_t>(index)]
                                          : other(Form::Perf, code);
  }
  const std::string& toek(std::string_view code) const {  // (ik) zal lopen
    const int index = personIndex(code);
    return index >= 0 && index < kPersons ? sToekForms[static_cast<std::size_t>(index)]
                                          : other(Form::Toek, code);
  }
  const std::string& ovt(std::string_view code) const {  // (wij) liepen weg
    const int index = personIndex(code);
    return index >= 0 && index < kPersons ? sOvtForms[static_cast<std::size_t>(index)]
                                          : other(Form::Ovt, code);
  }
  const std::string& geb(std::string_view code) const {  // loop weg! / loopt weg!
    return numberOf(code) == Number::Plural ? sGebPlural : sGebSingular;
  }
  const std::string& onbep() const { return sOnbep; }  // weg te lopen

  // The parsed gloss. The infinitive phrase, the participle phrase and the
  // rest of the simple past are the texts of their templates; of a gloss
  // refused before its templates got their placeholders, they hold the
  // texts that the parse had reached.
  std::string_view onbWijs() const { return sOnbWijsFmt.text; }  // stress mark removed
  std::string_view voltDw() const { return sVoltDwFmt.text; }
  std::string_view ovtRest() const { return sRestFmt.text; }  // after the first blank of sOvt
  std::string_view sKlemtoon;  // stressed tail of the infinitive phrase, a part of onbWijs()
  std::string sOvt;            // simple past text
  std::string_view sWerkw;     // bare verb, a part of onbWijs()
  std::string sStam;           // present-tense singular stem
  Template sRestFmt;           // rest, reflexive pronoun as placeholder
  Template sVoltDwFmt;         // participle phrase, auxiliary (and pronoun) as placeholders
  Template sOnbWijsFmt;        // infinitive phrase, reflexive pronoun as placeholder
  bool bOk = false;
  bool bZijn = false;
  bool bZich = false;

 private:
  // The steps of the construction, in order; each returns false when it
  // refuses the gloss. They are inline functions of woord.cpp, the only
  // file that calls them, so that reset() needs no calls to run them.
  inline bool splitGloss(std::string_view gloss, std::string_view& onbWijs);
  inline void takeStressMark(std::string_view onbWijs);
  inline bool findBareVerb(std::size_t ovtBlank);
  inline bool findSplitBareVerb();
  inline bool findStem();
  inline bool findAuxiliary();
  inline bool findReflexive();

  // Records a message made of `pieces`; EndsRun::Yes also marks the gloss
  // as ending the run.
  enum class EndsRun : bool { No, Yes };
  void message(std::initializer_list<std::string_view> pieces, EndsRun endsRun = EndsRun::No);

  // The codes with a perfect, future and simple past of their own: the
  // first seven of kPersonCodes.
  static constexpr int kPersons = 7;
  enum class Form { Tegenw, Perf, Toek, Ovt };
  enum class Number { Singular, Plural };
  // Plural when the code has a "p": 1p, 2p, 3p and p.
  static Number numberOf(std::string_view code) {
    return code.find('p') != std::string_view::npos ? Number::Plural : Number::Singular;
  }
  // What the forms of a person code take from the person tables, looked
  // up once for its forms; empty where a table holds none.
  struct PersonValues {
    std::string_view prefix;     // the pronoun in parentheses and a blank: "(ik) "
    std::string_view auxiliary;  // of "zijn" or of "hebben", as the verb takes
    std::string_view zullen;
    std::string_view zich;  // the reflexive pronoun, also for a verb that is not reflexive
  };
  // Looks up all but the reflexive pronoun.
  void lookUp(std::string_view code, PersonValues& values) const;

  // Builds every form of an accepted gloss.
  void buildForms();
  // The builders of the forms; `zich` is the pronoun of the templates,
  // empty for a verb that is not reflexive.
  void buildTegenw(std::string_view code, std::string_view zich, std::string& text) const;
  void buildPerf(const PersonValues& values, std::string& text) const;
  void buildToek(const PersonValues& values, std::string& text) const;
  void buildOvt(const PersonValues& values, Number number, std::string& text) const;
  // The imperative, from the present of "2s".
  void buildGeb(Number number, std::string& text) const;
  // The form of a code that has none kept, built into sOther.
  const std::string& other(Form form, std::string_view code) const;

  // The plural of the simple past's verb by the rule set of the gloss.
  std::string ovtPlural(std::string_view verb) const {
    return isModern(rules) ? modernMeervoud(verb) : meervoud(verb);
  }
  // Splits the simple past once per entry (see sOvtSingularHead) and
  // returns where its first blank is, npos for a simple past without rest.
  std::size_t splitOvt();

  // The pieces of the simple past that splitOvt() makes: the beginnings
  // with the verb and with its plural ("schaamde ", "schaamden "), and
  // where the rest after its "z." starts in sOvt (npos: the rest has none).
  // The singular beginning is a part of sOvt, or, for a simple past without
  // rest, of sOvtBareHead, which adds the blank.
  std::string_view sOvtSingularHead;
  std::string sOvtBareHead;
  std::string sOvtPluralHead;
  std::size_t ovtTailAt = std::string::npos;

  // The forms kept for the codes, by personIndex().
  std::array<std::string, kPersonCodes.size()> sTegenwForms;
  std::array<std::string, kPersons> sPerfForms;
  std::array<std::string, kPersons> sToekForms;
  std::array<std::string, kPersons> sOvtForms;
  std::string sGebSingular;
  std::string sGebPlural;
  std::string sOnbep;
  mutable std::string sOther;
  std::string sMessages;
  bool bFatal = false;
  Rules rules = Rules::Default;  // the rule set of the gloss being read
  bool bTegenwZonderT = false;   // the present singular takes no "(t)": mag
};

}  // namespace morfenaar
