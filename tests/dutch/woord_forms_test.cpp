// Dutch forms of a parsed gloss per person code.
#include <gtest/gtest.h>

#include <string>

#include "common/worked_example.h"
#include "dutch/tables.h"
#include "dutch/texts.h"
#include "dutch/woord.h"

namespace morfenaar {
namespace {

class WoordFormsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { init(); }
};

enum class Form { Tegenw, Perf, Toek, Ovt, Onbep, Geb };

struct FormCase {
  const char* gloss;
  Form form;
  const char* code;  // ignored for Onbep
  const char* expected;
};

std::string make(Woord& w, Form form, const char* code) {
  switch (form) {
    case Form::Tegenw:
      return w.tegenw(code);
    case Form::Perf:
      return w.perf(code);
    case Form::Toek:
      return w.toek(code);
    case Form::Ovt:
      return w.ovt(code);
    case Form::Onbep:
      return w.onbep();
    case Form::Geb:
      return w.geb(code);
  }
  return {};
}

// The same form from the DutchTexts of the Woord, which keep the present
// and the imperative and give the others as pieces by the code's row.
std::string make(DutchTexts& texts, Form form, const char* code) {
  const int person = personIndex(code);
  if (person < 0 && form != Form::Tegenw && form != Form::Onbep && form != Form::Geb) {
    ADD_FAILURE() << "no row for " << code;
    return {};
  }
  switch (form) {
    case Form::Tegenw:
      return texts.tegenw(code);
    case Form::Perf:
      return texts.perf(person).str();
    case Form::Toek:
      return texts.toek(person).str();
    case Form::Ovt:
      return texts.ovt(person).str();
    case Form::Onbep:
      return texts.onbep();
    case Form::Geb:
      return texts.geb(code);
  }
  return {};
}

// The same form asked by the code's row of the person tables, into a
// caller's string.
std::string makeByRow(Woord& w, Form form, int person) {
  std::string text = "stale";
  switch (form) {
    case Form::Tegenw:
      w.tegenw(person, text);
      break;
    case Form::Perf:
      w.perf(person, text);
      break;
    case Form::Toek:
      w.toek(person, text);
      break;
    case Form::Ovt:
      w.ovt(person, text);
      break;
    case Form::Onbep:
      w.onbep(text);
      break;
    case Form::Geb:
      w.geb(person, text);
      break;
  }
  return text;
}

// Each case by its code, and for a code of the person tables by its row too.
void expectForms(const FormCase* begin, const FormCase* end) {
  for (const FormCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(std::string(c->gloss) + " / " + c->code);
    Woord w(c->gloss);
    ASSERT_TRUE(w.isOk()) << w.messages();
    EXPECT_EQ(make(w, c->form, c->code), c->expected);
    if (const int person = personIndex(c->code); person >= 0) {
      EXPECT_EQ(makeByRow(w, c->form, person), c->expected);
    }
  }
}

constexpr const char* kLopen = "lo'pen (liep, h. gelopen)";
constexpr const char* kWeglopen = "weglo'pen (liep weg, is weggelopen)";
constexpr const char* kWassen = "z. 'wassen (waste z., h. z. gewassen)";
constexpr const char* kSchamen = "z. 'schamen voor (schaamde z. voor, h. z. geschaamd voor)";
constexpr const char* kZetten = "'zetten (zette, h. gezet)";
constexpr const char* kGaan = "gaan (ging, is gegaan)";
constexpr const char* kZijn = "zijn (was, is geweest)";
constexpr const char* kSchrijven = testing::kSchrijven.data();

TEST_F(WoordFormsTest, Perfect) {
  const FormCase cases[] = {
      {kLopen, Form::Perf, "1s", "(ik) heb gelopen"},
      {kLopen, Form::Perf, "2s", "(jij) hebt gelopen"},
      {kLopen, Form::Perf, "3sf", "(zij) heeft gelopen"},
      {kLopen, Form::Perf, "3p", "(zij) hebben gelopen"},
      {kWeglopen, Form::Perf, "3s", "(hij) is weggelopen"},
      {kWeglopen, Form::Perf, "1s", "(ik) ben weggelopen"},
      {kWeglopen, Form::Perf, "2p", "(jullie) zijn weggelopen"},
      {kWassen, Form::Perf, "1s", "(ik) heb me gewassen"},
      {kWassen, Form::Perf, "1p", "(wij) hebben ons gewassen"},
      {kWassen, Form::Perf, "2p", "(jullie) hebben je gewassen"},
      {kSchamen, Form::Perf, "3s", "(hij) heeft zich geschaamd voor"},
      {kGaan, Form::Perf, "1p", "(wij) zijn gegaan"},
      {kSchrijven, Form::Perf, "1s", "(ik) heb geschreven"},
      // Pronoun placeholder written before the auxiliary's: filled by position.
      {"z. 'wassen (waste z., z. h. gewassen)", Form::Perf, "1s", "(ik) heb me gewassen"},
      {"z. 'wassen (waste z., z. is gewassen)", Form::Perf, "2p", "(jullie) zijn je gewassen"},
      // Words before the auxiliary stay before it.
      {"'lopen (liep, al h. gelopen)", Form::Perf, "1s", "(ik) al heb gelopen"},
      {"z. 'wassen (waste z., al z. h. gewassen)", Form::Perf, "3sf",
       "(zij) al heeft zich gewassen"},
  };
  expectForms(std::begin(cases), std::end(cases));
}

TEST_F(WoordFormsTest, Future) {
  const FormCase cases[] = {
      {kLopen, Form::Toek, "1s", "(ik) zal lopen"},
      {kLopen, Form::Toek, "2s", "(jij) zult lopen"},
      {kWeglopen, Form::Toek, "2p", "(jullie) zullen weglopen"},
      {kWassen, Form::Toek, "1s", "(ik) zal me wassen"},
      {kWassen, Form::Toek, "3sf", "(zij) zal zich wassen"},
      {kSchamen, Form::Toek, "3p", "(zij) zullen zich schamen voor"},
      {kSchrijven, Form::Toek, "1s", "(ik) zal schrijven"},
  };
  expectForms(std::begin(cases), std::end(cases));
}

TEST_F(WoordFormsTest, SimplePast) {
  const FormCase cases[] = {
      {kLopen, Form::Ovt, "1s", "(ik) liep "},
      {kLopen, Form::Ovt, "1p", "(wij) liepen "},
      {kWeglopen, Form::Ovt, "1p", "(wij) liepen weg"},
      {kWassen, Form::Ovt, "1s", "(ik) waste me"},
      {kWassen, Form::Ovt, "1p", "(wij) wasten ons"},
      {kWassen, Form::Ovt, "3sf", "(zij) waste zich"},
      {kWassen, Form::Ovt, "2p", "(jullie) wasten je"},
      {kSchamen, Form::Ovt, "3p", "(zij) schaamden zich voor"},
      {kZijn, Form::Ovt, "1s", "(ik) was "},
      {kZijn, Form::Ovt, "1p", "(wij) waren "},
      {kSchrijven, Form::Ovt, "3p", "(zij) schreven "},
      {kSchrijven, Form::Ovt, "3s", "(hij) schreef "},
      // The "z." of the rest becomes the pronoun even for a verb that is not
      // reflexive (no "z. " in the phrases).
      {"z.'wassen (waste z., h. gewassen)", Form::Ovt, "1s", "(ik) waste me"},
      // A simple past that begins with a blank keeps it in the verb part.
      {"lo'pen ( liep, h. gelopen)", Form::Ovt, "1p", "(wij)  liepen "},
      // A blank that ends the simple past leaves an empty rest.
      {"lo'pen (liep , h. gelopen)", Form::Ovt, "1p", "(wij) liepen "},
      {"lo'pen (liep , h. gelopen)", Form::Ovt, "3s", "(hij) liep "},
      // The "z." after a word of the rest: the words before it stay in both heads.
      {"weg z. lo'pen (liep weg z., is z. weggelopen)", Form::Ovt, "1s", "(ik) liep weg me"},
      {"weg z. lo'pen (liep weg z., is z. weggelopen)", Form::Ovt, "1p", "(wij) liepen weg ons"},
  };
  expectForms(std::begin(cases), std::end(cases));
}

TEST_F(WoordFormsTest, SimplePastPlurals) {
  struct Case {
    const char* singular;
    const char* plural;
  };
  const Case cases[] = {
      {"zette", "zetten"}, {"werd", "werden"}, {"vond", "vondden"}, {"deed", "deedden"},
      {"reed", "reedden"}, {"was", "waren"},   {"koos", "kozen"},   {"schreef", "schreven"},
      {"bleef", "bleven"}, {"wees", "wezen"},  {"stuur", "sturen"}, {"gaf", "gaven"},
      {"liep", "liepen"},  {"las", "lazen"},   {"at", "aten"},      {"droeg", "droegen"},
      {"wast", "wasten"},  {"lase", "lazen"},  {"oo", "ooen"},      {"", "en"},
  };
  for (const Case& c : cases) {
    const std::string gloss = std::string("ve'ren (") + c.singular + ", h. geveerd)";
    SCOPED_TRACE(gloss);
    Woord w(gloss);
    ASSERT_TRUE(w.isOk()) << w.messages();
    EXPECT_EQ(w.ovt("1p"), std::string("(wij) ") + c.plural + " ");
    EXPECT_EQ(w.ovt("3p"), std::string("(zij) ") + c.plural + " ");
    EXPECT_EQ(w.ovt("1s"), std::string("(ik) ") + c.singular + " ");
  }
}

TEST_F(WoordFormsTest, Present) {
  const FormCase cases[] = {
      {kLopen, Form::Tegenw, "s", "loop(t)"},
      {kLopen, Form::Tegenw, "p", "lopen"},
      {kLopen, Form::Tegenw, "1p", "loop(t)"},  // only a code starting with "p" is plural
      {kWeglopen, Form::Tegenw, "s", "loop(t) weg"},
      {kWeglopen, Form::Tegenw, "p", "lopen weg"},
      {kWassen, Form::Tegenw, "s", "was(t) zich"},
      {kWassen, Form::Tegenw, "p", "wassen zich"},
      {kSchamen, Form::Tegenw, "s", "schaam(t) zich voor"},
      {kZetten, Form::Tegenw, "s", "zet"},
      {kZetten, Form::Tegenw, "p", "zetten"},
      {kGaan, Form::Tegenw, "s", "ga(a)(t)"},
      {kGaan, Form::Tegenw, "p", "gaan"},
      {kZijn, Form::Tegenw, "s", "ben(t)"},
      {kZijn, Form::Tegenw, "p", "zijn"},
      {kSchrijven, Form::Tegenw, "s", "schrijf(t)"},
      {"bang zijn (was bang, is bang geweest)", Form::Tegenw, "s", "ben(t) bang"},
      // Reflexive without "z." in the simple past: no pronoun in the rest.
      {"z. 'wassen (waste, h. z. gewassen)", Form::Tegenw, "s", "z. was(t)"},
      {"z.'wassen (waste z., h. gewassen)", Form::Tegenw, "s", "was(t) z."},
  };
  expectForms(std::begin(cases), std::end(cases));
}

TEST_F(WoordFormsTest, Infinitive) {
  const FormCase cases[] = {
      {kLopen, Form::Onbep, "", "te lopen"},
      {kWeglopen, Form::Onbep, "", "weg te lopen"},
      {kWassen, Form::Onbep, "", "zich te wassen"},
      {kSchamen, Form::Onbep, "", "zich voor te schamen"},
      {kSchrijven, Form::Onbep, "", "te schrijven"},
      // Without a rest: nothing before "te", a blank after the verb trimmed.
      {"lo'pen (liep , h. gelopen)", Form::Onbep, "", "te lopen"},
      {"lo'pen  (liep, h. gelopen)", Form::Onbep, "", "te lopen"},
      {"weg z. lo'pen (liep weg z., is z. weggelopen)", Form::Onbep, "", "weg zich te lopen"},
  };
  expectForms(std::begin(cases), std::end(cases));
}

TEST_F(WoordFormsTest, Imperative) {
  const FormCase cases[] = {
      {kLopen, Form::Geb, "s", "loop!"},
      {kLopen, Form::Geb, "p", "loopt!"},
      {kWeglopen, Form::Geb, "s", "loop weg!"},
      {kWeglopen, Form::Geb, "p", "loopt weg!"},
      {kWassen, Form::Geb, "s", "was je!"},
      {kWassen, Form::Geb, "p", "wast je!"},
      {kGaan, Form::Geb, "s", "ga!"},
      {kGaan, Form::Geb, "p", "ga(a)t!"},
      {"weg gaan (ging weg, is weggegaan)", Form::Geb, "s", "ga weg!"},
      {"weg gaan (ging weg, is weggegaan)", Form::Geb, "p", "ga(a)t weg!"},
      {kZetten, Form::Geb, "s", "zet!"},
      {kZetten, Form::Geb, "p", "zet!"},
      {kSchrijven, Form::Geb, "s", "schrijf!"},
      // "zijn" alone or with a rest: wees, not ben.
      {kZijn, Form::Geb, "s", "wees!"},
      {kZijn, Form::Geb, "p", "weest!"},
      {"bang zijn (was bang, is bang geweest)", Form::Geb, "s", "wees bang!"},
      {"bang zijn (was bang, is bang geweest)", Form::Geb, "p", "weest bang!"},
  };
  expectForms(std::begin(cases), std::end(cases));
}

TEST_F(WoordFormsTest, ImperativeWithOddParentheses) {
  // Stems that no gloss produces, set directly to reach the edge cases.
  struct Case {
    const char* stam;
    const char* singular;
    const char* plural;
  };
  const Case cases[] = {
      // "(" but no "(t": the plural leaves the text alone.
      {"pa(a)t", "pat!", "pa(a)t!"},
      // The last ")" lies before the "(": nothing is removed.
      {"a)b(t", "a)b(t!", "a)btt!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stam);
    Woord w(kLopen);
    ASSERT_TRUE(w.isOk());
    w.sStam = c.stam;
    EXPECT_EQ(w.geb("s"), c.singular);
    EXPECT_EQ(w.geb("p"), c.plural);
  }
}

TEST_F(WoordFormsTest, EmptyStem) {
  Woord w("'ie (x, h. y)");
  ASSERT_TRUE(w.isOk());
  EXPECT_EQ(w.tegenw("s"), "(t)");
  EXPECT_EQ(w.geb("s"), "!");
  EXPECT_EQ(w.geb("p"), "t!");
}

TEST_F(WoordFormsTest, UnknownCodeYieldsEmptyPronounAndAuxiliary) {
  Woord w(kLopen);
  ASSERT_TRUE(w.isOk());
  EXPECT_EQ(w.perf("xx"), "()  gelopen");
  EXPECT_EQ(w.toek("xx"), "()  lopen");
  EXPECT_EQ(w.ovt("xx"), "() liep ");
}

TEST_F(WoordFormsTest, PercentSignsComeOutAsTyped) {
  const char* gloss = "100% lo'pen (liep 100%, h. 100% gelopen)";
  const char* reflexive = "z. 'wassen %s (waste z. %s, h. %s z. gewassen%d)";
  const FormCase cases[] = {
      {gloss, Form::Perf, "1s", "(ik) heb 100% gelopen"},
      {gloss, Form::Toek, "2p", "(jullie) zullen 100% lopen"},
      {gloss, Form::Ovt, "1p", "(wij) liepen 100%"},
      {gloss, Form::Tegenw, "s", "loop(t) 100%"},
      {gloss, Form::Onbep, "", "100% te lopen"},
      {gloss, Form::Geb, "p", "loopt 100%!"},
      {reflexive, Form::Perf, "1p", "(wij) hebben %s ons gewassen%d"},
      {reflexive, Form::Toek, "1s", "(ik) zal me wassen %s"},
      {reflexive, Form::Ovt, "3p", "(zij) wasten zich %s"},
      {reflexive, Form::Tegenw, "p", "wassen zich %s"},
      {reflexive, Form::Onbep, "", "zich %s te wassen"},
      {reflexive, Form::Geb, "s", "was je %s!"},
  };
  expectForms(std::begin(cases), std::end(cases));
}

TEST_F(WoordFormsTest, LongGlossFollowsTheSameRules) {
  const std::string p(3000, 'k');
  Woord w(p + "lo'pen (liep " + p + ", is " + p + "gelopen)");
  ASSERT_TRUE(w.isOk()) << w.messages();
  EXPECT_EQ(w.perf("3s"), "(hij) is " + p + "gelopen");
  EXPECT_EQ(w.toek("2p"), "(jullie) zullen " + p + "lopen");
  EXPECT_EQ(w.ovt("1p"), "(wij) liepen " + p);
  EXPECT_EQ(w.tegenw("s"), "loop(t) " + p);
  EXPECT_EQ(w.tegenw("p"), "lopen " + p);
  EXPECT_EQ(w.onbep(), p + " te lopen");
  EXPECT_EQ(w.geb("s"), "loop " + p + "!");
  EXPECT_EQ(w.geb("p"), "loopt " + p + "!");
}

// One Woord given gloss after gloss, as the driver uses it: each form is
// that of the gloss it holds now, whatever came before (a reflexive verb,
// a rest with "z.", a refused gloss).
TEST_F(WoordFormsTest, AResetWoordMakesTheFormsOfItsNewGloss) {
  const FormCase cases[] = {
      {kSchamen, Form::Ovt, "3p", "(zij) schaamden zich voor"},
      {kSchamen, Form::Perf, "1s", "(ik) heb me geschaamd voor"},
      {kLopen, Form::Ovt, "1p", "(wij) liepen "},
      {kLopen, Form::Perf, "1s", "(ik) heb gelopen"},
      {kWassen, Form::Toek, "2s", "(jij) zult je wassen"},
      {kWeglopen, Form::Ovt, "1s", "(ik) liep weg"},
      {kWeglopen, Form::Perf, "3sf", "(zij) is weggelopen"},
      {kZijn, Form::Geb, "s", "wees!"},
      {kSchrijven, Form::Ovt, "2p", "(jullie) schreven "},
  };
  Woord w;
  for (const FormCase& c : cases) {
    SCOPED_TRACE(std::string(c.gloss) + " / " + c.code);
    w.reset("lo'pen (liep, gelopen)");  // refused: no auxiliary
    ASSERT_FALSE(w.isOk());
    w.reset(c.gloss);
    ASSERT_TRUE(w.isOk()) << w.messages();
    EXPECT_EQ(make(w, c.form, c.code), c.expected);
  }
}

TEST_F(WoordFormsTest, KeptTextsBelongToTheEntryTheyWereMadeFor) {
  struct Case {
    Form form;
    const char* code;
    const char* schrijven;
    const char* lopen;
  };
  const Case cases[] = {
      {Form::Perf, "1s", "(ik) heb geschreven", "(ik) heb gelopen"},
      {Form::Perf, "2p", "(jullie) hebben geschreven", "(jullie) hebben gelopen"},
      {Form::Ovt, "1p", "(wij) schreven ", "(wij) liepen "},
      {Form::Toek, "3sf", "(zij) zal schrijven", "(zij) zal lopen"},
      {Form::Tegenw, "s", "schrijf(t)", "loop(t)"},
      {Form::Geb, "p", "schrijft!", "loopt!"},
      {Form::Onbep, "", "te schrijven", "te lopen"},
      {Form::Ovt, "3p", "(zij) schreven ", "(zij) liepen "},
      // A code outside the tables is built afresh every time.
      {Form::Tegenw, "xx", "schrijf(t)", "loop(t)"},
      {Form::Geb, "xx", "schrijf!", "loop!"},
  };
  // One DutchTexts for two entries in a row, as the driver uses it.
  DutchTexts texts;
  Woord schrijven(kSchrijven);
  texts.reset(schrijven);
  for (const Case& c : cases) EXPECT_EQ(make(texts, c.form, c.code), c.schrijven) << c.code;
  const std::string& kept = texts.tegenw("s");
  const ShapedText pieces = texts.perf(personIndex("1s"));
  for (const Case& c : cases) EXPECT_EQ(make(texts, c.form, c.code), c.schrijven) << c.code;
  EXPECT_EQ(kept, "schrijf(t)");  // still whole after the other calls
  EXPECT_EQ(pieces.str(), "(ik) heb geschreven");

  Woord lopen(kLopen);
  texts.reset(lopen);
  for (const Case& c : cases) EXPECT_EQ(make(texts, c.form, c.code), c.lopen) << c.code;
}

// The shapes of the perfect, future and simple past are found per entry,
// and the imperative is made from the present kept for the entry: a
// reflexive verb's pronoun, or a perfect built whole because words stand
// before its auxiliary, never reaches the entry after it, nor the other way
// round.
TEST_F(WoordFormsTest, KeptShapesBelongToTheEntryTheyWereMadeFor) {
  struct Case {
    const char* gloss;
    const char* perf2p;
    const char* toek1s;
    const char* ovt3p;
    const char* gebS;
    const char* gebP;
  };
  const Case cases[] = {
      {kSchamen, "(jullie) hebben je geschaamd voor", "(ik) zal me schamen voor",
       "(zij) schaamden zich voor", "schaam je voor!", "schaamt je voor!"},
      {kLopen, "(jullie) hebben gelopen", "(ik) zal lopen", "(zij) liepen ", "loop!", "loopt!"},
      {"z. 'wassen (waste z., al z. h. gewassen)", "(jullie) al hebben je gewassen",
       "(ik) zal me wassen", "(zij) wasten zich", "was je!", "wast je!"},
      {kWeglopen, "(jullie) zijn weggelopen", "(ik) zal weglopen", "(zij) liepen weg", "loop weg!",
       "loopt weg!"},
      {"'lopen (liep, al h. gelopen)", "(jullie) al hebben gelopen", "(ik) zal lopen",
       "(zij) liepen ", "loop!", "loopt!"},
      {kZijn, "(jullie) zijn geweest", "(ik) zal zijn", "(zij) waren ", "wees!", "weest!"},
      {kSchrijven, "(jullie) hebben geschreven", "(ik) zal schrijven", "(zij) schreven ",
       "schrijf!", "schrijft!"},
  };
  DutchTexts texts;
  Woord woord;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gloss);
    woord.reset(c.gloss);
    ASSERT_TRUE(woord.isOk()) << woord.messages();
    texts.reset(woord);
    for (int pass = 0; pass < 2; ++pass) {  // the second finds a built text kept
      EXPECT_EQ(texts.perf(personIndex("2p")).str(), c.perf2p);
      EXPECT_EQ(texts.toek(personIndex("1s")).str(), c.toek1s);
      EXPECT_EQ(texts.ovt(personIndex("3p")).str(), c.ovt3p);
      EXPECT_EQ(texts.geb("s"), c.gebS);
      EXPECT_EQ(texts.geb("p"), c.gebP);
    }
  }
}

}  // namespace
}  // namespace morfenaar
