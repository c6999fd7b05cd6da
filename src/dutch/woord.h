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
// Each form method returns its text in the object's one result buffer,
// which the next call of any form method overwrites.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "dutch/pieces.h"

namespace morfenaar {

struct PersonCells;

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
  std::string fill(std::string_view first, std::string_view second = {}) const;
  // Like fill, but appends the result to `out` (no temporary string).
  void appendTo(std::string& out, std::string_view first, std::string_view second = {}) const;
};

class Woord {
 public:
  explicit Woord(std::string_view gloss);
  // A Woord to be given its gloss by reset(); until then, as the empty gloss.
  Woord() : Woord(std::string_view()) {}
  // Some texts of the parse are views of others: a copy would show those
  // of the original.
  Woord(const Woord&) = delete;
  Woord& operator=(const Woord&) = delete;

  // Parses `gloss` afresh, exactly as Woord(gloss) would, forgetting
  // everything of the gloss before; the storage of the texts is kept, so
  // that one object can serve entry after entry without allocating.
  void reset(std::string_view gloss);

  // True when the gloss was accepted.
  bool isOk() const { return bOk; }
  // True when the gloss lacks "(", "," or ")": the run must end, status 1.
  bool isFatal() const { return bFatal; }
  // Warnings and error messages of the construction, each ending in "\n".
  const std::string& messages() const { return sMessages; }

  // True when exactly one character of `word` is one of a, e, i, o, u.
  static bool isSingleSyl(std::string_view word);

  // Dutch forms; `code` is a person code ("1s", ..., "3p", "s", "p").
  const std::string& tegenw(std::string_view code);  // loop(t) weg / lopen weg
  const std::string& perf(std::string_view code);    // (ik) heb gelopen
  const std::string& toek(std::string_view code);    // (ik) zal lopen
  const std::string& ovt(std::string_view code);     // (wij) liepen weg
  const std::string& onbep();                        // weg te lopen
  const std::string& geb(std::string_view code);     // loop weg! / loopt weg!

  // The same texts written into `result` instead of the result buffer, for
  // a caller that keeps them; the person is given by its row of the person
  // tables (a value of personIndex() other than -1).
  void onbep(std::string& result);
  void tegenw(int person, std::string& result);
  void perf(int person, std::string& result) const;
  void toek(int person, std::string& result) const;
  void ovt(int person, std::string& result) const;
  void geb(int person, std::string& result);
  // The imperative made from `result`, which holds the present of "2s" (for
  // a verb that is not reflexive, also that of "s"): the same text as
  // geb(person, result) without building the present again.
  void gebFromPresent(bool plural, std::string& result) const;

  // The perfect, future and simple past split once into what every person
  // shares (see FormShape); a shape that does not fit leaves the form to
  // the methods above.
  FormShape perfShape() const;
  FormShape toekShape() const;
  FormShape ovtShape() const;

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

  // Records a message made of `pieces`; `fatal` also marks the gloss as
  // ending the run.
  void message(std::initializer_list<std::string_view> pieces, bool fatal = false);
  // The reflexive pronoun for `code`: empty for a verb that is not reflexive.
  std::string_view zich(std::string_view code) const;
  // Splits the simple past once for ovt(): the verb (up to the first
  // blank, when that is not the first character) or its plural, a blank
  // and the rest up to its first "z." begin every text; the rest after
  // that "z." ends it. Returns where the rest's blank is, npos for a simple
  // past without rest.
  std::size_t splitOvt();

  // The forms built from the cells of the person's row and what the
  // person code says: whether it is plural, whether it is the bare "p".
  void tegenwWith(bool barePlural, std::string_view zich, std::string& result) const;
  TextPieces perfWith(const PersonCells& cells) const;
  TextPieces toekWith(const PersonCells& cells) const;
  TextPieces ovtWith(const PersonCells& cells, bool plural) const;

  // The pieces of the simple past that splitOvt() makes: the beginnings
  // with the verb and with its plural ("schaamde ", "schaamden "), and
  // where the rest after its "z." starts in sOvt (npos: the rest has none).
  // The singular beginning is a part of sOvt, or, for a simple past without
  // rest, of sOvtBareHead, which adds the blank.
  std::string_view sOvtSingularHead;
  std::string sOvtBareHead;
  std::string sOvtPluralHead;
  std::size_t ovtTailAt = std::string::npos;

  std::string sResult;
  std::string sMessages;
  bool bFatal = false;
};

}  // namespace morfenaar
