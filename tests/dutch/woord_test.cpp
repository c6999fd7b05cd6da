// Gloss parser: fields, stem rules, templates, messages and refusals.
#include "dutch/woord.h"

#include <gtest/gtest.h>

#include <string>

#include "dutch/tables.h"

namespace morfenaar {
namespace {

class WoordTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { init(); }
};

// The template filled with `first` and `second`, joined.
std::string fill(const Template& t, std::string_view first, std::string_view second = {}) {
  std::string text;
  for (std::string_view piece : t.filled(first, second)) text.append(piece);
  return text;
}

// Fills a template with visible markers, so that the place of each
// placeholder shows in the compared text.
std::string shape(const Template& t) { return fill(t, "[1]", "[2]"); }

// What the parser should find in `gloss`: its fields, the three templates
// (shape() shows the placeholders), the flags and the messages. A field
// that a case leaves out is expected to be empty or false.
struct ParseCase {
  const char* gloss;
  const char* onbWijs;
  const char* klemtoon;
  const char* ovt;
  const char* voltDw;
  const char* ovtRest = "";
  const char* werkw;
  const char* stam;
  const char* onbWijsFmt;
  const char* voltDwFmt;
  const char* restFmt = "";
  bool zijn = false;
  bool zich = false;
  const char* messages = "";
};

// One Woord that every case parses again with reset(), after whatever
// gloss the case before left in it, as the driver reuses its Woord.
Woord& reused() {
  static Woord woord;
  return woord;
}

// `check(w)` runs on a new Woord of `gloss` and on the reused one.
template <class Check>
void onFreshAndReused(const char* gloss, Check check) {
  {
    SCOPED_TRACE("new Woord");
    const Woord fresh(gloss);
    check(fresh);
  }
  SCOPED_TRACE("reused Woord");
  reused().reset(gloss);
  check(reused());
}

void expectParsedAs(const Woord& w, const ParseCase& c) {
  EXPECT_TRUE(w.isOk());
  EXPECT_FALSE(w.isFatal());
  EXPECT_EQ(w.onbWijs(), c.onbWijs);
  EXPECT_EQ(w.sKlemtoon, c.klemtoon);
  EXPECT_EQ(w.sOvt, c.ovt);
  EXPECT_EQ(w.voltDw(), c.voltDw);
  EXPECT_EQ(w.ovtRest(), c.ovtRest);
  EXPECT_EQ(w.sWerkw, c.werkw);
  EXPECT_EQ(w.sStam, c.stam);
  EXPECT_EQ(shape(w.sOnbWijsFmt), c.onbWijsFmt);
  EXPECT_EQ(shape(w.sVoltDwFmt), c.voltDwFmt);
  EXPECT_EQ(shape(w.sRestFmt), c.restFmt);
  EXPECT_EQ(w.bZijn, c.zijn);
  EXPECT_EQ(w.bZich, c.zich);
  EXPECT_EQ(w.messages(), c.messages);
}

void expectParsed(const ParseCase& c) {
  SCOPED_TRACE(c.gloss);
  onFreshAndReused(c.gloss, [&c](const Woord& w) { expectParsedAs(w, c); });
}

TEST_F(WoordTest, WorkedExamples) {
  // clang-format off
  const ParseCase cases[] = {
      {.gloss = "lo'pen (liep, h. gelopen)", .onbWijs = "lopen", .klemtoon = "pen", .ovt = "liep",
       .voltDw = "h. gelopen", .werkw = "lopen", .stam = "loop", .onbWijsFmt = "lopen",
       .voltDwFmt = "[1] gelopen"},
      {.gloss = "weglo'pen (liep weg, is weggelopen)", .onbWijs = "weglopen", .klemtoon = "pen",
       .ovt = "liep weg", .voltDw = "is weggelopen", .ovtRest = "weg", .werkw = "lopen",
       .stam = "loop", .onbWijsFmt = "weglopen", .voltDwFmt = "[1] weggelopen", .restFmt = "weg",
       .zijn = true},
      {.gloss = "z. 'wassen (waste z., h. z. gewassen)", .onbWijs = "z. wassen",
       .klemtoon = "wassen", .ovt = "waste z.", .voltDw = "h. z. gewassen", .ovtRest = "z.",
       .werkw = "wassen", .stam = "was", .onbWijsFmt = "[1] wassen",
       .voltDwFmt = "[1] [2] gewassen", .restFmt = "[1]", .zich = true},
      {.gloss = "z. 'schamen voor (schaamde z. voor, h. z. geschaamd voor)",
       .onbWijs = "z. schamen voor", .klemtoon = "schamen", .ovt = "schaamde z. voor",
       .voltDw = "h. z. geschaamd voor", .ovtRest = "z. voor", .werkw = "schamen", .stam = "schaam",
       .onbWijsFmt = "[1] schamen voor", .voltDwFmt = "[1] [2] geschaamd voor",
       .restFmt = "[1] voor", .zich = true},
      {.gloss = "beta'len (betaalde, h. betaald)", .onbWijs = "betalen", .klemtoon = "len",
       .ovt = "betaalde", .voltDw = "h. betaald", .werkw = "betalen", .stam = "betaal",
       .onbWijsFmt = "betalen", .voltDwFmt = "[1] betaald"},
      {.gloss = "be'talen (betaalde, h. betaald)", .onbWijs = "betalen", .klemtoon = "talen",
       .ovt = "betaalde", .voltDw = "h. betaald", .werkw = "betalen", .stam = "betal",
       .onbWijsFmt = "betalen", .voltDwFmt = "[1] betaald"},
      {.gloss = "'openen (opende, h. geopend)", .onbWijs = "openen", .klemtoon = "openen",
       .ovt = "opende", .voltDw = "h. geopend", .werkw = "openen", .stam = "open",
       .onbWijsFmt = "openen", .voltDwFmt = "[1] geopend"},
      {.gloss = "ge'ven (gaf, h. gegeven)", .onbWijs = "geven", .klemtoon = "ven", .ovt = "gaf",
       .voltDw = "h. gegeven", .werkw = "geven", .stam = "geef", .onbWijsFmt = "geven",
       .voltDwFmt = "[1] gegeven"},
      {.gloss = "gaan (ging, is gegaan)", .onbWijs = "gaan", .klemtoon = "", .ovt = "ging",
       .voltDw = "is gegaan", .werkw = "gaan", .stam = "ga(a)", .onbWijsFmt = "gaan",
       .voltDwFmt = "[1] gegaan", .zijn = true},
      {.gloss = "zijn (was, is geweest)", .onbWijs = "zijn", .klemtoon = "", .ovt = "was",
       .voltDw = "is geweest", .werkw = "zijn", .stam = "ben", .onbWijsFmt = "zijn",
       .voltDwFmt = "[1] geweest", .zijn = true},
      {.gloss = "zien (zag, h. gezien)", .onbWijs = "zien", .klemtoon = "", .ovt = "zag",
       .voltDw = "h. gezien", .werkw = "zien", .stam = "zie", .onbWijsFmt = "zien",
       .voltDwFmt = "[1] gezien"},
  };
  // clang-format on
  for (const ParseCase& c : cases) expectParsed(c);
}

TEST_F(WoordTest, GlossShapes) {
  // clang-format off
  const ParseCase cases[] = {
      // The rest later in the phrase: the bare verb is the text before it.
      {.gloss = "lo'pen weg (liep weg, is weggelopen)", .onbWijs = "lopen weg", .klemtoon = "pen",
       .ovt = "liep weg", .voltDw = "is weggelopen", .ovtRest = "weg", .werkw = "lopen",
       .stam = "loop", .onbWijsFmt = "lopen weg", .voltDwFmt = "[1] weggelopen", .restFmt = "weg",
       .zijn = true},
      // Text after the first ")" is ignored.
      {.gloss = "lo'pen (liep, h. gelopen) (x, is y), z", .onbWijs = "lopen", .klemtoon = "pen",
       .ovt = "liep", .voltDw = "h. gelopen", .werkw = "lopen", .stam = "loop",
       .onbWijsFmt = "lopen", .voltDwFmt = "[1] gelopen"},
      // Only the first stress mark is removed.
      {.gloss = "lo'pe'n (liep, h. gelopen)", .onbWijs = "lope'n", .klemtoon = "pe'n",
       .ovt = "liep", .voltDw = "h. gelopen", .werkw = "lope'n", .stam = "lope",
       .onbWijsFmt = "lope'n", .voltDwFmt = "[1] gelopen"},
      // A simple past that begins with a blank has no rest.
      {.gloss = "lo'pen ( liep, h. gelopen)", .onbWijs = "lopen", .klemtoon = "pen", .ovt = " liep",
       .voltDw = "h. gelopen", .werkw = "lopen", .stam = "loop", .onbWijsFmt = "lopen",
       .voltDwFmt = "[1] gelopen"},
      // "h." is tested before "is ".
      {.gloss = "lo'pen (liep, h. is gelopen)", .onbWijs = "lopen", .klemtoon = "pen",
       .ovt = "liep", .voltDw = "h. is gelopen", .werkw = "lopen", .stam = "loop",
       .onbWijsFmt = "lopen", .voltDwFmt = "[1] is gelopen"},
      // "zijn" as a later word of the phrase needs no stress mark.
      {.gloss = "bang zijn (was bang, is bang geweest)", .onbWijs = "bang zijn", .klemtoon = "",
       .ovt = "was bang", .voltDw = "is bang geweest", .ovtRest = "bang", .werkw = "zijn",
       .stam = "ben", .onbWijsFmt = "bang zijn", .voltDwFmt = "[1] bang geweest", .restFmt = "bang",
       .zijn = true},
      // Reflexive, but the simple past has no "z.": no pronoun in the rest,
      // and with no rest the bare verb is the whole phrase.
      {.gloss = "z. 'wassen (waste, h. z. gewassen)", .onbWijs = "z. wassen", .klemtoon = "wassen",
       .ovt = "waste", .voltDw = "h. z. gewassen", .werkw = "z. wassen", .stam = "z. was",
       .onbWijsFmt = "[1] wassen", .voltDwFmt = "[1] [2] gewassen", .zich = true},
      // "z." without its blank does not make a verb reflexive.
      {.gloss = "z.'wassen (waste z., h. gewassen)", .onbWijs = "z.wassen", .klemtoon = "wassen",
       .ovt = "waste z.", .voltDw = "h. gewassen", .ovtRest = "z.", .werkw = "wassen",
       .stam = "was", .onbWijsFmt = "z.wassen", .voltDwFmt = "[1] gewassen", .restFmt = "z."},
      // The auxiliary is the first "h. ": an earlier "h." without its blank
      // stays text, and so do the letters before a "h." inside a word.
      {.gloss = "lo'pen (liep, h.x h. gelopen)", .onbWijs = "lopen", .klemtoon = "pen",
       .ovt = "liep", .voltDw = "h.x h. gelopen", .werkw = "lopen", .stam = "loop",
       .onbWijsFmt = "lopen", .voltDwFmt = "h.x [1] gelopen"},
      {.gloss = "lo'pen (liep, hh. gelopen)", .onbWijs = "lopen", .klemtoon = "pen",
       .ovt = "liep", .voltDw = "hh. gelopen", .werkw = "lopen", .stam = "loop",
       .onbWijsFmt = "lopen", .voltDwFmt = "h[1] gelopen"},
      // A blank right after the stress mark: the tail runs on to the next
      // blank after that (three characters, so "a" doubles).
      {.gloss = "a' bc (x, h. y)", .onbWijs = "a bc", .klemtoon = " bc", .ovt = "x",
       .voltDw = "h. y", .werkw = "a bc", .stam = "aa ", .onbWijsFmt = "a bc",
       .voltDwFmt = "[1] y"},
      // A mark at the end leaves an empty tail, and no warning.
      {.gloss = "lopen' (liep, h. gelopen)", .onbWijs = "lopen", .klemtoon = "", .ovt = "liep",
       .voltDw = "h. gelopen", .werkw = "lopen", .stam = "loop", .onbWijsFmt = "lopen",
       .voltDwFmt = "[1] gelopen"},
      // A rest at the start with blanks around it: they are not part of the
      // bare verb.
      {.gloss = "weg  lo'pen  (liep weg, is weggelopen)", .onbWijs = "weg  lopen ",
       .klemtoon = "pen", .ovt = "liep weg", .voltDw = "is weggelopen", .ovtRest = "weg",
       .werkw = "lopen", .stam = "loop", .onbWijsFmt = "weg  lopen ",
       .voltDwFmt = "[1] weggelopen", .restFmt = "weg", .zijn = true},
      // The pronoun placeholder before the auxiliary is still filled second.
      {.gloss = "z. 'wassen (waste z., z. h. gewassen)", .onbWijs = "z. wassen",
       .klemtoon = "wassen", .ovt = "waste z.", .voltDw = "z. h. gewassen", .ovtRest = "z.",
       .werkw = "wassen", .stam = "was", .onbWijsFmt = "[1] wassen",
       .voltDwFmt = "[1] [2] gewassen", .restFmt = "[1]", .zich = true},
  };
  // clang-format on
  for (const ParseCase& c : cases) expectParsed(c);
}

struct StemCase {
  const char* gloss;
  const char* stam;
  const char* messages;
};

TEST_F(WoordTest, StemRules) {
  const StemCase cases[] = {
      // No stress mark: warning, and the empty tail allows doubling.
      {"lopen (liep, h. gelopen)", "loop", "Klemtoon-indicatie ontbreekt in lopen\n"},
      {"openen (opende, h. geopend)", "opeen", "Klemtoon-indicatie ontbreekt in openen\n"},
      // Double final consonant, whatever the stress mark.
      {"'zetten (zette, h. gezet)", "zet", ""},
      {"zet'ten (zette, h. gezet)", "zet", ""},
      {"zetten (zette, h. gezet)", "zet", "Klemtoon-indicatie ontbreekt in zetten\n"},
      // Final z and v.
      {"le'zen (las, h. gelezen)", "lees", ""},
      {"schrij'ven (schreef, h. geschreven)", "schrijf", ""},
      // The special stems, identity rows included.
      {"doen (deed, h. gedaan)", "doe", ""},
      {"ko'men (kwam, is gekomen)", "kom", ""},
      {"slaan (sloeg, h. geslagen)", "sla(a)", ""},
      {"staan (stond, h. gestaan)", "sta(a)", ""},
      // Vowel rules: u after o and e after i or o do not double.
      {"hu'ren (huurde, h. gehuurd)", "huur", ""},
      {"hou'den (hield, h. gehouden)", "houd", ""},
      {"lie'gen (loog, h. gelogen)", "lieg", ""},
      {"groeten (groette, h. gegroet)", "groet", "Klemtoon-indicatie ontbreekt in groeten\n"},
      // In a two-letter stem nothing stands before the vowel.
      {"e'ten (at, h. gegeten)", "eet", ""},
      // One syllable doubles with any tail; a two-letter tail is not three.
      {"'spelen (speelde, h. gespeeld)", "speel", ""},
      {"betal'en (betaalde, h. betaald)", "betal", ""},
      // Exempt only as a whole word.
      {"vergaan (verging, is vergaan)", "verga", "Klemtoon-indicatie ontbreekt in vergaan\n"},
      // Letters, not bytes: an ë before the n goes whole.
      {"ski'ën (skiede, h. geskied)", "ski", ""},
      {"barbe'cueën (barbecuede, h. gebarbecued)", "barbecue", ""},
      // A two-letter bare verb leaves an empty stem and reads nothing beyond it.
      {"'ie (x, h. y)", "", ""},
  };
  for (const StemCase& c : cases) {
    SCOPED_TRACE(c.gloss);
    Woord w(c.gloss);
    EXPECT_TRUE(w.isOk());
    EXPECT_EQ(w.sStam, c.stam);
    EXPECT_EQ(w.messages(), c.messages);
  }
}

TEST_F(WoordTest, IsSingleSyl) {
  EXPECT_TRUE(Woord::isSingleSyl("lop"));
  EXPECT_TRUE(Woord::isSingleSyl("scham"));
  EXPECT_TRUE(Woord::isSingleSyl("zet"));
  EXPECT_FALSE(Woord::isSingleSyl("loop"));  // counted letter by letter
  EXPECT_FALSE(Woord::isSingleSyl("betal"));
  EXPECT_FALSE(Woord::isSingleSyl(""));
  EXPECT_FALSE(Woord::isSingleSyl("Lp"));
  EXPECT_FALSE(Woord::isSingleSyl("LOP"));  // upper case is not counted
  EXPECT_FALSE(Woord::isSingleSyl("y"));
  EXPECT_TRUE(Woord::isSingleSyl("u"));
  EXPECT_TRUE(Woord::isSingleSyl("xyzi"));
  EXPECT_FALSE(Woord::isSingleSyl("aeiou"));
  EXPECT_FALSE(Woord::isSingleSyl("ee"));
  // Bytes next to the letters and beyond ASCII are no vowels.
  EXPECT_FALSE(Woord::isSingleSyl("`{\xE1\xE9"));
  EXPECT_TRUE(Woord::isSingleSyl("`o{\xE1"));
}

struct RefusalCase {
  const char* gloss;
  bool fatal;
  const char* messages;
};

void expectRefused(const RefusalCase& c) {
  SCOPED_TRACE(c.gloss);
  onFreshAndReused(c.gloss, [&c](const Woord& w) {
    EXPECT_FALSE(w.isOk());
    EXPECT_EQ(w.isFatal(), c.fatal);
    EXPECT_EQ(w.messages(), c.messages);
  });
}

TEST_F(WoordTest, MissingCharactersEndTheRun) {
  const RefusalCase cases[] = {
      {"lopen liep, h. gelopen)", true, "Fout: haak open ontbreekt: lopen liep, h. gelopen)\n"},
      {"", true, "Fout: haak open ontbreekt: \n"},
      {"lo'pen (liep h. gelopen)", true, "Fout: komma ontbreekt: lo'pen (liep h. gelopen)\n"},
      {"lo'pen (liep, h. gelopen", true,
       "Fout: haak sluiten ontbreekt: lo'pen (liep, h. gelopen\n"},
      // The checks run in order: "(" first, then ",", then ")".
      {"lopen liep h. gelopen", true, "Fout: haak open ontbreekt: lopen liep h. gelopen\n"},
      {"lo'pen (liep h. gelopen", true, "Fout: komma ontbreekt: lo'pen (liep h. gelopen\n"},
      // No stress warning comes before these errors.
      {"lopen (liep, h. gelopen", true, "Fout: haak sluiten ontbreekt: lopen (liep, h. gelopen\n"},
  };
  for (const RefusalCase& c : cases) expectRefused(c);
}

TEST_F(WoordTest, RefusedGlosses) {
  const RefusalCase cases[] = {
      {"lo'pen (liep weg, is weggelopen)", false,
       "Fout: rest in OVT (weg) komt niet voor in onb. wijs: lopen\n"},
      {"lopen (liep weg, is weggelopen)", false,
       "Klemtoon-indicatie ontbreekt in lopen\n"
       "Fout: rest in OVT (weg) komt niet voor in onb. wijs: lopen\n"},
      // Split rest: the last word is missing, or the lead words do not begin.
      {"z. 'schamen (schaamde z. voor, h. z. geschaamd)", false,
       "Rest in OVT (z. voor) (z. + voor) komt niet voor in onb. wijs: z. schamen\n"},
      {"'schamen voor (schaamde z. voor, h. geschaamd voor)", false,
       "Rest in OVT (z. voor) (z. + voor) komt niet voor in onb. wijs: schamen voor\n"},
      {"lo'pen (liep, gelopen)", false,
       "Bij voltooid deelwoord (gelopen) ontbreekt 'is ' of 'h. '\n"},
      {"lo'pen (liep, )", false, "Bij voltooid deelwoord () ontbreekt 'is ' of 'h. '\n"},
      // The letter after the comma and the one before "(" go whole, even
      // when they are not blanks: no message quotes half a letter.
      {"lo'pen (liep,ës gelopen)", false,
       "Bij voltooid deelwoord (s gelopen) ontbreekt 'is ' of 'h. '\n"},
      {"ëz. (waste z., h. z. gewassen)", false,
       "Klemtoon-indicatie ontbreekt in ëz.\n"
       "Fout: werkwoord () is korter dan twee letters in onb. wijs: ëz.\n"},
      {"lopenë(liep, gelopen)", false,
       "Klemtoon-indicatie ontbreekt in lopen\n"
       "Bij voltooid deelwoord (gelopen) ontbreekt 'is ' of 'h. '\n"},
      {"z. 'wassen (waste z., h. gewassen)", false,
       "Gedeeltelijk wederkerig (z. wassen vs. h. gewassen)\n"},
      {"'wassen (waste, h. z. gewassen)", false,
       "Gedeeltelijk wederkerig (wassen vs. h. z. gewassen)\n"},
  };
  for (const RefusalCase& c : cases) expectRefused(c);
}

// A refused gloss keeps the texts that its parse had reached: the phrase
// as found when a later character is missing, the phrases without the
// stress mark once the rest was looked for.
TEST_F(WoordTest, RefusedGlossKeepsTheTextsReached) {
  const struct {
    const char* gloss;
    const char* onbWijs;
    const char* voltDw;
    const char* ovtRest;
  } cases[] = {
      {"lo'pen (liep h. gelopen)", "lo'pen", "", ""},
      {"lo'pen (liep,) h. x", "lo'pen", "", ""},
      {"(liep, h. gelopen)", "", "", ""},
      {"lo'pen (liep weg, is weggelopen)", "lopen", "is weggelopen", "weg"},
      {"'x (liep, h. x)", "x", "h. x", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gloss);
    onFreshAndReused(c.gloss, [&c](const Woord& w) {
      EXPECT_FALSE(w.isOk());
      EXPECT_EQ(w.onbWijs(), c.onbWijs);
      EXPECT_EQ(w.voltDw(), c.voltDw);
      EXPECT_EQ(w.ovtRest(), c.ovtRest);
    });
  }
}

TEST_F(WoordTest, RefusedBadPositions) {
  const RefusalCase cases[] = {
      // "(" at the very start: refused before "," and ")" are looked for.
      {"(liep, h. gelopen)", false,
       "Fout: onbepaalde wijs ontbreekt voor de haak open: (liep, h. gelopen)\n"},
      {"(liep h. gelopen", false,
       "Fout: onbepaalde wijs ontbreekt voor de haak open: (liep h. gelopen\n"},
      // "," before "(": refused after the checks for "," and ")".
      {"lopen, liep (h. gelopen)", false,
       "Fout: komma staat voor de haak open: lopen, liep (h. gelopen)\n"},
      {"lopen, liep (h. gelopen", true, "Fout: haak sluiten ontbreekt: lopen, liep (h. gelopen\n"},
      // ")" less than two characters after ",".
      {"lo'pen (liep,) h. x", false,
       "Fout: haak sluiten staat niet minstens twee tekens na de komma: lo'pen (liep,) h. x\n"},
      {"lo'pen (liep) h, x", false,
       "Fout: haak sluiten staat niet minstens twee tekens na de komma: lo'pen (liep) h, x\n"},
      // "h." without a blank after it, also at the very end.
      {"lo'pen (liep, h.gelopen)", false,
       "Bij voltooid deelwoord (h.gelopen) staat 'h.' zonder spatie erachter\n"},
      {"lo'pen (liep, h.x h.)", false,
       "Bij voltooid deelwoord (h.x h.) staat 'h.' zonder spatie erachter\n"},
      // Split rest whose last word starts inside or right after the lead words.
      {"ab 'wassen (waste ab b, h. gewassen)", false,
       "Rest in OVT (ab b) (ab + b): laatste woord staat niet achter de eerste woorden in onb. "
       "wijs: ab wassen\n"},
      {"a.x'bc (y a. bc, h. gebc)", false,
       "Rest in OVT (a. bc) (a. + bc): laatste woord staat niet achter de eerste woorden in onb. "
       "wijs: a.xbc\n"},
      // The split fits exactly but leaves no verb between the words.
      {"a.xx'bc (y a. bc, h. gebc)", false,
       "Fout: werkwoord () is korter dan twee letters in onb. wijs: a.xxbc\n"},
      // A bare verb of one letter, after the stress warning.
      {"a (liep, h. x)", false,
       "Klemtoon-indicatie ontbreekt in a\n"
       "Fout: werkwoord (a) is korter dan twee letters in onb. wijs: a\n"},
      {"'x (liep, h. x)", false,
       "Fout: werkwoord (x) is korter dan twee letters in onb. wijs: x\n"},
      {" (liep, h. x)", false,
       "Klemtoon-indicatie ontbreekt in \n"
       "Fout: werkwoord () is korter dan twee letters in onb. wijs: \n"},
  };
  for (const RefusalCase& c : cases) expectRefused(c);
}

TEST_F(WoordTest, PercentSignsAreOrdinaryText) {
  expectRefused({"%s%n", true, "Fout: haak open ontbreekt: %s%n\n"});
  expectRefused({"%s%d (x, y)", false,
                 "Klemtoon-indicatie ontbreekt in %s%d\n"
                 "Bij voltooid deelwoord (y) ontbreekt 'is ' of 'h. '\n"});
  expectParsed({.gloss = "%s 'wassen (waste %s, h. %s gewassen)",
                .onbWijs = "%s wassen",
                .klemtoon = "wassen",
                .ovt = "waste %s",
                .voltDw = "h. %s gewassen",
                .ovtRest = "%s",
                .werkw = "wassen",
                .stam = "was",
                .onbWijsFmt = "%s wassen",
                .voltDwFmt = "[1] %s gewassen",
                .restFmt = "%s"});
}

TEST_F(WoordTest, LongGlossFollowsTheSameRules) {
  const std::string p(3000, 'k');
  const std::string gloss = p + "lo'pen (liep " + p + ", is " + p + "gelopen)";
  Woord w(gloss);
  ASSERT_TRUE(w.isOk()) << w.messages();
  EXPECT_EQ(w.onbWijs(), p + "lopen");
  EXPECT_EQ(w.sKlemtoon, "pen");
  EXPECT_EQ(w.ovtRest(), p);
  EXPECT_EQ(w.sWerkw, "lopen");
  EXPECT_EQ(w.sStam, "loop");
  EXPECT_EQ(shape(w.sVoltDwFmt), "[1] " + p + "gelopen");
  EXPECT_TRUE(w.bZijn);
  EXPECT_EQ(w.messages(), "");

  const std::string missing = std::string(5000, 'x') + ", y)";
  expectRefused({missing.c_str(), true, ("Fout: haak open ontbreekt: " + missing + "\n").c_str()});
}

TEST(TemplateTest, FillsPlaceholdersInReadingOrder) {
  Template t;
  t.reset("z. h. gewassen");
  t.addHole(3);
  t.addHole(0);
  // Values go by position, not by the order the holes were made in.
  EXPECT_EQ(fill(t, "heb", "me"), "heb me gewassen");

  t.reset("h. gelopen %s");
  t.addHole(0);
  EXPECT_EQ(fill(t, "heb", "me"), "heb gelopen %s");  // extra value ignored

  t.reset("100%");
  EXPECT_EQ(fill(t, "x", "y"), "100%");

  t.reset("ab");
  t.addHole(1);  // would run past the end
  EXPECT_EQ(fill(t, "x"), "ab");
  t.addHole(0);
  EXPECT_EQ(fill(t, "x"), "x");
}

}  // namespace
}  // namespace morfenaar
