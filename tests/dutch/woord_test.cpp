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

// Fills a template with visible markers, so that the place of each
// placeholder shows in the compared text.
std::string shape(const Template& t) { return t.fill("[1]", "[2]"); }

struct ParseCase {
  const char* gloss;
  const char* onbWijs;
  const char* klemtoon;
  const char* ovt;
  const char* voltDw;
  const char* ovtRest;
  const char* werkw;
  const char* stam;
  const char* onbWijsFmt;
  const char* voltDwFmt;
  const char* restFmt;
  bool zijn;
  bool zich;
  const char* messages;
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
  EXPECT_EQ(w.sOnbWijs, c.onbWijs);
  EXPECT_EQ(w.sKlemtoon, c.klemtoon);
  EXPECT_EQ(w.sOvt, c.ovt);
  EXPECT_EQ(w.sVoltDw, c.voltDw);
  EXPECT_EQ(w.sOvtRest, c.ovtRest);
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
  const ParseCase cases[] = {
      {"lo'pen (liep, h. gelopen)", "lopen", "pen", "liep", "h. gelopen", "", "lopen", "loop",
       "lopen", "[1] gelopen", "", false, false, ""},
      {"weglo'pen (liep weg, is weggelopen)", "weglopen", "pen", "liep weg", "is weggelopen",
       "weg", "lopen", "loop", "weglopen", "[1] weggelopen", "weg", true, false, ""},
      {"z. 'wassen (waste z., h. z. gewassen)", "z. wassen", "wassen", "waste z.",
       "h. z. gewassen", "z.", "wassen", "was", "[1] wassen", "[1] [2] gewassen", "[1]", false,
       true, ""},
      {"z. 'schamen voor (schaamde z. voor, h. z. geschaamd voor)", "z. schamen voor", "schamen",
       "schaamde z. voor", "h. z. geschaamd voor", "z. voor", "schamen", "schaam",
       "[1] schamen voor", "[1] [2] geschaamd voor", "[1] voor", false, true, ""},
      {"beta'len (betaalde, h. betaald)", "betalen", "len", "betaalde", "h. betaald", "",
       "betalen", "betaal", "betalen", "[1] betaald", "", false, false, ""},
      {"be'talen (betaalde, h. betaald)", "betalen", "talen", "betaalde", "h. betaald", "",
       "betalen", "betal", "betalen", "[1] betaald", "", false, false, ""},
      {"'openen (opende, h. geopend)", "openen", "openen", "opende", "h. geopend", "", "openen",
       "open", "openen", "[1] geopend", "", false, false, ""},
      {"ge'ven (gaf, h. gegeven)", "geven", "ven", "gaf", "h. gegeven", "", "geven", "geef",
       "geven", "[1] gegeven", "", false, false, ""},
      {"gaan (ging, is gegaan)", "gaan", "", "ging", "is gegaan", "", "gaan", "ga(a)", "gaan",
       "[1] gegaan", "", true, false, ""},
      {"zijn (was, is geweest)", "zijn", "", "was", "is geweest", "", "zijn", "ben", "zijn",
       "[1] geweest", "", true, false, ""},
      {"zien (zag, h. gezien)", "zien", "", "zag", "h. gezien", "", "zien", "zie", "zien",
       "[1] gezien", "", false, false, ""},
  };
  for (const ParseCase& c : cases) expectParsed(c);
}

TEST_F(WoordTest, GlossShapes) {
  const ParseCase cases[] = {
      // The rest later in the phrase: the bare verb is the text before it.
      {"lo'pen weg (liep weg, is weggelopen)", "lopen weg", "pen", "liep weg", "is weggelopen",
       "weg", "lopen", "loop", "lopen weg", "[1] weggelopen", "weg", true, false, ""},
      // Text after the first ")" is ignored.
      {"lo'pen (liep, h. gelopen) (x, is y), z", "lopen", "pen", "liep", "h. gelopen", "",
       "lopen", "loop", "lopen", "[1] gelopen", "", false, false, ""},
      // Only the first stress mark is removed.
      {"lo'pe'n (liep, h. gelopen)", "lope'n", "pe'n", "liep", "h. gelopen", "", "lope'n",
       "lope", "lope'n", "[1] gelopen", "", false, false, ""},
      // A simple past that begins with a blank has no rest.
      {"lo'pen ( liep, h. gelopen)", "lopen", "pen", " liep", "h. gelopen", "", "lopen", "loop",
       "lopen", "[1] gelopen", "", false, false, ""},
      // "h." is tested before "is ".
      {"lo'pen (liep, h. is gelopen)", "lopen", "pen", "liep", "h. is gelopen", "", "lopen",
       "loop", "lopen", "[1] is gelopen", "", false, false, ""},
      // "zijn" as a later word of the phrase needs no stress mark.
      {"bang zijn (was bang, is bang geweest)", "bang zijn", "", "was bang", "is bang geweest",
       "bang", "zijn", "ben", "bang zijn", "[1] bang geweest", "bang", true, false, ""},
      // Reflexive, but the simple past has no "z.": no pronoun in the rest,
      // and with no rest the bare verb is the whole phrase.
      {"z. 'wassen (waste, h. z. gewassen)", "z. wassen", "wassen", "waste", "h. z. gewassen", "",
       "z. wassen", "z. was", "[1] wassen", "[1] [2] gewassen", "", false, true, ""},
      // "z." without its blank does not make a verb reflexive.
      {"z.'wassen (waste z., h. gewassen)", "z.wassen", "wassen", "waste z.", "h. gewassen",
       "z.", "wassen", "was", "z.wassen", "[1] gewassen", "z.", false, false, ""},
      // The pronoun placeholder before the auxiliary is still filled second.
      {"z. 'wassen (waste z., z. h. gewassen)", "z. wassen", "wassen", "waste z.",
       "z. h. gewassen", "z.", "wassen", "was", "[1] wassen", "[1] [2] gewassen", "[1]", false,
       true, ""},
  };
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
      {"z. 'wassen (waste z., h. gewassen)", false,
       "Gedeeltelijk wederkerig (z. wassen vs. h. gewassen)\n"},
      {"'wassen (waste, h. z. gewassen)", false,
       "Gedeeltelijk wederkerig (wassen vs. h. z. gewassen)\n"},
  };
  for (const RefusalCase& c : cases) expectRefused(c);
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
      // "h." without a blank after it.
      {"lo'pen (liep, h.gelopen)", false,
       "Bij voltooid deelwoord (h.gelopen) staat 'h.' zonder spatie erachter\n"},
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
      {"'x (liep, h. x)", false, "Fout: werkwoord (x) is korter dan twee letters in onb. wijs: x\n"},
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
  expectParsed({"%s 'wassen (waste %s, h. %s gewassen)", "%s wassen", "wassen", "waste %s",
                "h. %s gewassen", "%s", "wassen", "was", "%s wassen", "[1] %s gewassen", "%s",
                false, false, ""});
}

TEST_F(WoordTest, LongGlossFollowsTheSameRules) {
  const std::string p(3000, 'k');
  const std::string gloss = p + "lo'pen (liep " + p + ", is " + p + "gelopen)";
  Woord w(gloss);
  ASSERT_TRUE(w.isOk()) << w.messages();
  EXPECT_EQ(w.sOnbWijs, p + "lopen");
  EXPECT_EQ(w.sKlemtoon, "pen");
  EXPECT_EQ(w.sOvtRest, p);
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
  EXPECT_EQ(t.fill("heb", "me"), "heb me gewassen");

  t.reset("h. gelopen %s");
  t.addHole(0);
  EXPECT_EQ(t.fill("heb", "me"), "heb gelopen %s");  // extra value ignored

  t.reset("100%");
  EXPECT_EQ(t.fill("x", "y"), "100%");

  t.reset("ab");
  t.addHole(1);  // would run past the end
  EXPECT_EQ(t.fill("x"), "ab");
  t.addHole(0);
  EXPECT_EQ(t.fill("x"), "x");
}

}  // namespace
}  // namespace morfenaar
