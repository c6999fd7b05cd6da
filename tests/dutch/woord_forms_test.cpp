// Dutch forms of a parsed gloss per person code.
#include <gtest/gtest.h>

#include <string>

#include "common/worked_example.h"
#include "dutch/tables.h"
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

std::string make(const Woord& w, Form form, const char* code) {
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

void expectForms(const FormCase* begin, const FormCase* end, Rules rules = Rules::Default) {
  for (const FormCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(std::string(c->gloss) + " / " + c->code);
    Woord w(c->gloss, rules);
    ASSERT_TRUE(w.isOk()) << w.messages();
    EXPECT_EQ(make(w, c->form, c->code), c->expected);
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

// The modern rules: the plural of the simple past, the present stem and
// the imperative as a Dutch grammar gives them, for strong, irregular and
// compound verbs, most of them not in the sample list.
constexpr const char* kVinden = "'vinden (vond, h. gevonden)";
constexpr const char* kStaan = "staan (stond, h. gestaan)";
constexpr const char* kDoen = "doen (deed, h. gedaan)";
constexpr const char* kZeggen = "'zeggen (zei, h. gezegd)";
constexpr const char* kBloeien = "'bloeien (bloeide, h. gebloeid)";
constexpr const char* kAankomen = "'aankomen (kwam aan, is aangekomen)";
constexpr const char* kVerslaan = "ver'slaan (versloeg, h. verslagen)";
constexpr const char* kOverkomen = "overko'men (overkwam, is overkomen)";

TEST_F(WoordFormsTest, ModernSimplePastPlural) {
  const FormCase cases[] = {
      // No second d after a long vowel or a consonant.
      {kVinden, Form::Ovt, "1p", "(wij) vonden "},
      {kStaan, Form::Ovt, "3p", "(zij) stonden "},
      {"'opstaan (stond op, is opgestaan)", Form::Ovt, "2p", "(jullie) stonden op"},
      {"'houden (hield, h. gehouden)", Form::Ovt, "1p", "(wij) hielden "},
      {"'binden (bond, h. gebonden)", Form::Ovt, "3p", "(zij) bonden "},
      {kDoen, Form::Ovt, "1p", "(wij) deden "},
      {"vol'doen (voldeed, h. voldaan)", Form::Ovt, "3p", "(zij) voldeden "},
      {"'rijden (reed, h. gereden)", Form::Ovt, "1p", "(wij) reden "},
      {kZeggen, Form::Ovt, "1p", "(wij) zeiden "},
      {kZeggen, Form::Ovt, "1s", "(ik) zei "},
      // A short vowel doubles the consonant after it.
      {"'trekken (trok, h. getrokken)", Form::Ovt, "1p", "(wij) trokken "},
      {"'schrikken (schrok, is geschrokken)", Form::Ovt, "3p", "(zij) schrokken "},
      {"'zwemmen (zwom, h. gezwommen)", Form::Ovt, "2p", "(jullie) zwommen "},
      {"'winnen (won, h. gewonnen)", Form::Ovt, "1p", "(wij) wonnen "},
      {"be'ginnen (begon, is begonnen)", Form::Ovt, "1p", "(wij) begonnen "},
      {"'treffen (trof, h. getroffen)", Form::Ovt, "3p", "(zij) troffen "},
      {"'hebben (had, h. gehad)", Form::Ovt, "1p", "(wij) hadden "},
      // A long vowel: single in the open syllable, f and s voiced.
      {"'bijten (beet, h. gebeten)", Form::Ovt, "1p", "(wij) beten "},
      {"'drinken (dronk, h. gedronken)", Form::Ovt, "3p", "(zij) dronken "},
      {"'blazen (blies, h. geblazen)", Form::Ovt, "1p", "(wij) bliezen "},
      {"'hijsen (hees, h. gehesen)", Form::Ovt, "1p", "(wij) hesen "},
      {"ge'ven (gaf, h. gegeven)", Form::Ovt, "1p", "(wij) gaven "},
      {"'kunnen (kon, h. gekund)", Form::Ovt, "1p", "(wij) konden "},
      // Compounds, separable or not, by the verb they end in.
      {kAankomen, Form::Ovt, "1p", "(wij) kwamen aan"},
      {kVerslaan, Form::Ovt, "1p", "(wij) versloegen "},
      {kOverkomen, Form::Ovt, "3p", "(zij) overkwamen "},
      {"ont'vangen (ontving, h. ontvangen)", Form::Ovt, "2p", "(jullie) ontvingen "},
      {"z. be'vinden (bevond z., h. z. bevonden)", Form::Ovt, "1p", "(wij) bevonden ons"},
      // Regular verbs as before.
      {"'werken (werkte, h. gewerkt)", Form::Ovt, "1p", "(wij) werkten "},
      {kWassen, Form::Ovt, "1p", "(wij) wasten ons"},
      {"'zaaien (zaaide, h. gezaaid)", Form::Ovt, "3p", "(zij) zaaiden "},
      {kSchrijven, Form::Ovt, "3p", "(zij) schreven "},
      {kZijn, Form::Ovt, "1p", "(wij) waren "},
  };
  expectForms(std::begin(cases), std::end(cases), Rules::Modern);
}

TEST_F(WoordFormsTest, ModernPresent) {
  const FormCase cases[] = {
      // An "i" after a vowel stays in the stem.
      {kBloeien, Form::Tegenw, "s", "bloei(t)"},
      {kBloeien, Form::Tegenw, "p", "bloeien"},
      {"'zaaien (zaaide, h. gezaaid)", Form::Tegenw, "s", "zaai(t)"},
      {"'waaien (woei, h. gewaaid)", Form::Tegenw, "s", "waai(t)"},
      // Without a stress mark a stem that ends in a vowel is not doubled.
      {"zaaien (zaaide, h. gezaaid)", Form::Tegenw, "s", "zaai(t)"},
      {"zien (zag, h. gezien)", Form::Tegenw, "s", "zie(t)"},
      // Compounds of gaan, staan, slaan, doen and komen.
      {kVerslaan, Form::Tegenw, "s", "versla(a)(t)"},
      {kVerslaan, Form::Tegenw, "p", "verslaan"},
      {"ont'staan (ontstond, is ontstaan)", Form::Tegenw, "s", "ontsta(a)(t)"},
      {"vol'doen (voldeed, h. voldaan)", Form::Tegenw, "s", "voldoe(t)"},
      {kOverkomen, Form::Tegenw, "s", "overkom(t)"},
      {kAankomen, Form::Tegenw, "s", "kom(t) aan"},
      {"'mogen (mocht, h. gemogen)", Form::Tegenw, "s", "mag"},
      {"'mogen (mocht, h. gemogen)", Form::Tegenw, "p", "mogen"},
      // Strong verbs whose stem the old rules already made.
      {"'bijten (beet, h. gebeten)", Form::Tegenw, "s", "bijt"},
      {"'houden (hield, h. gehouden)", Form::Tegenw, "s", "houd(t)"},
      {"'zwemmen (zwom, h. gezwommen)", Form::Tegenw, "s", "zwem(t)"},
      {kStaan, Form::Tegenw, "s", "sta(a)(t)"},
      {kDoen, Form::Tegenw, "s", "doe(t)"},
      {kZeggen, Form::Tegenw, "s", "zeg(t)"},
      {kLopen, Form::Tegenw, "s", "loop(t)"},
      // An e with a trema is doubled as a plain e.
      {"creë'ren (creëerde, h. gecreëerd)", Form::Tegenw, "s", "creëer(t)"},
  };
  expectForms(std::begin(cases), std::end(cases), Rules::Modern);
}

TEST_F(WoordFormsTest, ModernImperativeIsWrittenOut) {
  const FormCase cases[] = {
      {kGaan, Form::Geb, "s", "ga!"},
      {kGaan, Form::Geb, "p", "gaat!"},
      {"weg gaan (ging weg, is weggegaan)", Form::Geb, "p", "gaat weg!"},
      {kStaan, Form::Geb, "p", "staat!"},
      {kVerslaan, Form::Geb, "s", "versla!"},
      {kVerslaan, Form::Geb, "p", "verslaat!"},
      {kDoen, Form::Geb, "s", "doe!"},
      {kDoen, Form::Geb, "p", "doet!"},
      {kBloeien, Form::Geb, "s", "bloei!"},
      {kBloeien, Form::Geb, "p", "bloeit!"},
      {kAankomen, Form::Geb, "s", "kom aan!"},
      {kAankomen, Form::Geb, "p", "komt aan!"},
      {kOverkomen, Form::Geb, "p", "overkomt!"},
      {kLopen, Form::Geb, "p", "loopt!"},
      {kWassen, Form::Geb, "s", "was je!"},
      // A reflexive verb's "je" belongs to the singular form.
      {kWassen, Form::Geb, "p", "was je!"},
      {"z. ver'gissen (vergiste z., h. z. vergist)", Form::Geb, "p", "vergis je!"},
      {kZetten, Form::Geb, "p", "zet!"},
      {kZijn, Form::Geb, "s", "wees!"},
      {kZijn, Form::Geb, "p", "weest!"},
  };
  expectForms(std::begin(cases), std::end(cases), Rules::Modern);
}

// The same glosses under the default rules keep the old texts.
TEST_F(WoordFormsTest, DefaultRulesKeepTheOldTexts) {
  const FormCase cases[] = {
      {kVinden, Form::Ovt, "1p", "(wij) vondden "},
      {kDoen, Form::Ovt, "1p", "(wij) deedden "},
      {kZeggen, Form::Ovt, "1p", "(wij) zeien "},
      {"'trekken (trok, h. getrokken)", Form::Ovt, "1p", "(wij) troken "},
      {kBloeien, Form::Tegenw, "s", "bloeie(t)"},
      {kVerslaan, Form::Tegenw, "s", "versla(t)"},
      {kOverkomen, Form::Tegenw, "s", "overkoom(t)"},
      {kGaan, Form::Geb, "p", "ga(a)t!"},
      {"'mogen (mocht, h. gemogen)", Form::Tegenw, "s", "moog(t)"},
  };
  expectForms(std::begin(cases), std::end(cases));
}

// One Woord read under one rule set and then the other: nothing of the
// rules of the gloss before carries over.
TEST_F(WoordFormsTest, AResetWoordTakesTheRulesOfItsNewGloss) {
  Woord w;
  w.reset(kVinden, Rules::Modern);
  EXPECT_EQ(w.ovt("1p"), "(wij) vonden ");
  w.reset(kVinden);
  EXPECT_EQ(w.ovt("1p"), "(wij) vondden ");
  w.reset("'mogen (mocht, h. gemogen)", Rules::Modern);
  EXPECT_EQ(w.tegenw("s"), "mag");
  w.reset(kLopen, Rules::Modern);
  EXPECT_EQ(w.tegenw("s"), "loop(t)");
}

TEST_F(WoordFormsTest, EmptyStem) {
  Woord w("'ie (x, h. y)");
  ASSERT_TRUE(w.isOk());
  EXPECT_EQ(w.tegenw("s"), "(t)");
  EXPECT_EQ(w.geb("s"), "!");
  EXPECT_EQ(w.geb("p"), "t!");
}

// A code that the auxiliary tables lack gets no pronoun and no auxiliary;
// the present and the imperative go by whether the code has a "p".
TEST_F(WoordFormsTest, CodesOutsideTheTablesGetEmptyPronounAndAuxiliary) {
  const FormCase cases[] = {
      {kLopen, Form::Perf, "xx", "()  gelopen"},
      {kLopen, Form::Perf, "s", "()  gelopen"},
      {kWeglopen, Form::Perf, "p", "()  weggelopen"},
      {kLopen, Form::Toek, "xx", "()  lopen"},
      {kLopen, Form::Toek, "p", "()  lopen"},
      {kLopen, Form::Ovt, "xx", "() liep "},
      {kLopen, Form::Ovt, "p", "() liepen "},
      {kWassen, Form::Ovt, "xp", "() wasten "},
      {kWassen, Form::Tegenw, "xx", "was(t)"},
      {kWassen, Form::Tegenw, "px", "wassen"},
      {kLopen, Form::Geb, "xx", "loop!"},
      {kLopen, Form::Geb, "xp", "loopt!"},
  };
  expectForms(std::begin(cases), std::end(cases));
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
// a rest with "z.", a refused gloss), and a refused gloss has none.
TEST_F(WoordFormsTest, AResetWoordMakesTheFormsOfItsNewGloss) {
  const FormCase cases[] = {
      {kSchamen, Form::Ovt, "3p", "(zij) schaamden zich voor"},
      {kSchamen, Form::Perf, "1s", "(ik) heb me geschaamd voor"},
      {kSchamen, Form::Geb, "p", "schaamt je voor!"},
      {kLopen, Form::Ovt, "1p", "(wij) liepen "},
      {kLopen, Form::Perf, "1s", "(ik) heb gelopen"},
      {kLopen, Form::Tegenw, "2s", "loop(t)"},
      {kWassen, Form::Toek, "2s", "(jij) zult je wassen"},
      {kWassen, Form::Tegenw, "1p", "was(t) ons"},
      {kWeglopen, Form::Ovt, "1s", "(ik) liep weg"},
      {kWeglopen, Form::Perf, "3sf", "(zij) is weggelopen"},
      {kWeglopen, Form::Onbep, "", "weg te lopen"},
      {kZijn, Form::Geb, "s", "wees!"},
      {kSchrijven, Form::Ovt, "2p", "(jullie) schreven "},
      {kSchrijven, Form::Perf, "xx", "()  geschreven"},
  };
  Woord w;
  for (const FormCase& c : cases) {
    SCOPED_TRACE(std::string(c.gloss) + " / " + c.code);
    w.reset(c.gloss);
    ASSERT_TRUE(w.isOk()) << w.messages();
    EXPECT_EQ(make(w, c.form, c.code), c.expected);
    w.reset("lo'pen (liep, gelopen)");  // refused: no auxiliary
    ASSERT_FALSE(w.isOk());
    for (Form form : {Form::Tegenw, Form::Perf, Form::Toek, Form::Ovt, Form::Onbep, Form::Geb}) {
      for (const char* code : {"1s", "3sf", "2p", "s", "p", "xx"}) {
        EXPECT_EQ(make(w, form, code), "") << static_cast<int>(form) << " " << code;
      }
    }
  }
}

// The texts of an entry stay as they are, whatever else is asked, until
// the next reset().
TEST_F(WoordFormsTest, TextsStayUntilTheNextReset) {
  Woord w(kWassen);
  const std::string& perf = w.perf("1s");
  const std::string& geb = w.geb("p");
  for (const char* code : {"1s", "2s", "3s", "3sf", "1p", "2p", "3p", "s", "p", "xx"}) {
    for (Form form : {Form::Tegenw, Form::Perf, Form::Toek, Form::Ovt, Form::Onbep, Form::Geb}) {
      make(w, form, code);
    }
  }
  EXPECT_EQ(perf, "(ik) heb me gewassen");
  EXPECT_EQ(geb, "wast je!");
}

}  // namespace
}  // namespace morfenaar
