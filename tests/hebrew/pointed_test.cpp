// The pointed forms of --niqqud: the rules that the vocaliser adds to a
// pointed pattern, and whole forms of one verb of each class and weak-root
// type as a grammar's paradigm tables give them, each with its
// pronunciation in Dutch spelling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/points.h"
#include "dutch/tables.h"
#include "dutch/woord.h"
#include "hebrew/paradigm.h"
#include "hebrew/pointed/root_letters.h"
#include "hebrew/pointed/sound_rules.h"
#include "hebrew/pointed/vocalise.h"
#include "hebrew/root.h"

namespace morfenaar::testing {
namespace {

using pointed::SLetter;

struct VocaliseCase {
  const char* pattern;
  const char* letters;
  SLetter s;
  const char* hebrew;
  const char* uitspraak;
};

// Every pattern goes through soundRules, as the imperative's and the
// infinitive's do; it changes only the patterns whose letters ask for it.
TEST(Vocalise, AddsWhatTheLettersAskForAndSaysTheForm) {
  const VocaliseCase cases[] = {
      // dagesh lene at the start and after a silent shva; the stress mark
      {"1q2'a3:TiI", "KTB", SLetter::Shin, "כָּתַבְתִּי", "katávti"},
      // after a shva said at the start, no dagesh lene; the shva is not said
      {"1:2a3:TeM", "KTB", SLetter::Shin, "כְּתַבְתֶּם", "ktavtém"},
      // a said shva under a guttural is a hataf patah
      {"1:2a3:TeM", "OBD", SLetter::Shin, "עֲבַדְתֶּם", "avadtém"},
      // holam male and hiriq male; a shva after a long vowel is said in
      // the grammar (no dagesh lene after it), not in today's speech
      {"1Wo2:3iIM", "KTB", SLetter::Shin, "כּוֹתְבִים", "kotvím"},
      // but not after a stressed one
      {"1q2'o3:TiI", "IKL", SLetter::Shin, "יָכֹלְתִּי", "jachólti"},
      // the second of two shvas is said
      {"Ti1:2:3iI", "KTB", SLetter::Shin, "תִּכְתְּבִי", "tichteví"},
      {"1i2.'a3:NW.", "DBR", SLetter::Shin, "דִּבַּרְנוּ", "dibárnoe"},
      // a shva marked as said; dagesh forte
      {"T;1a2.y3", "DBR", SLetter::Shin, "תְּדַבֵּר", "tedabér"},
      {"EiT:1a2.'a3:TiI", "LBS", SLetter::Shin, "הִתְלַבַּשְׁתִּי", "hitlabásjti"},
      // a root's N before the N of an ending is written once, doubled; not
      // after a said shva
      {"1q2'a3:NW.", "NTN", SLetter::Shin, "נָתַנּוּ", "natánoe"},
      {"1q2:TqE", "ST", SLetter::Shin, "שָׁתְתָה", "sjatetá"},
      // a furtive patah under a last het after tsere, said before it
      {"1Wo2y3", "PTH", SLetter::Shin, "פּוֹתֵחַ", "potéach"},
      // none after patah; a last kaf takes a shva and its final shape
      {"1q2a3", "ELK", SLetter::Shin, "הָלַךְ", "halách"},
      {"1q2a3", "SMH", SLetter::Sin, "שָׂמַח", "samách"},
      {"1q2a3", "SGR", SLetter::Samekh, "סָגַר", "sagár"},
      // a shva at the start under L is said
      {"1:2a3", "LMD", SLetter::Shin, "לְמַד", "lemád"},
      // and before a glottal stop
      {"1:2a3", "JOM", SLetter::Shin, "טְעַם", "teám"},
      // and under the first of two like letters
      {"1Wo2:2iIM", "SB", SLetter::Samekh, "סוֹבְבִים", "sovevím"},
      // shuruk; the accent on both letters of oe
      {"1q2:3W.", "KTB", SLetter::Shin, "כָּתְבוּ", "katvóé"},
      // a last he without a vowel is not said; the stress before the end
      {"1'q3qE", "QWM", SLetter::Shin, "קָמָה", "káma"},
      // a letter without a Hebrew letter stays as it is and is not said
      {"1q2a3", "KXB", SLetter::Shin, "כָּXַב", "kaáv"},
      // a qamats before a hataf qamats is said o
      {"Mq1:o2q3", "OBR", SLetter::Shin, "מָעֳבָר", "moovár"},
      // the letters of the root change the row (soundRules): a guttural or
      // R takes no dagesh forte; patah lengthened to qamats before R, kept
      // before het, whose shva is said as hataf patah; hiriq lengthened to
      // tsere before ayin; a silent alef before -na takes segol before it
      {"1a2.y3", "BRK", SLetter::Shin, "בָּרֵךְ", "baréch"},
      {"1a2.y3", "SHQ", SLetter::Sin, "שַׂחֵק", "sachék"},
      {"1a2.:3iI", "SHQ", SLetter::Sin, "שַׂחֲקִי", "sachakí"},
      {"Ei1.q2y3", "OZR", SLetter::Shin, "הֵעָזֵר", "heazér"},
      {"1:2'a3:NqE", "QRA", SLetter::Shin, "קְרֶאנָה", "kréna"},
      // a missing letter ends the form, in the final shape of its last letter
      {"1q2a3", "K", SLetter::Shin, "ךָּ", "ká"},
  };
  for (const VocaliseCase& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " " + c.letters);
    std::vector<PatternArg> args;
    for (const char* l = c.letters; *l != '\0'; ++l) args.emplace_back(*l);
    const pointed::PointedForm form =
        pointed::vocalise(pointed::soundRules(c.pattern, args), args, {c.s});
    EXPECT_EQ(form.hebrew, canonicalOrder(c.hebrew));
    EXPECT_EQ(form.uitspraak, c.uitspraak);
  }
}

// The consonants of a root, without the letters that only carry a vowel
// and with those that the class writes before them.
TEST(Vocalise, RootLettersOfEachClass) {
  const struct {
    int klasse;
    const char* root;
    const char* letters;
  } cases[] = {
      {1, "KTB", "KTB"},   {2, "NICL", "NCL"},   {3, "DBR", "DBR"},    {3, "TRGM", "TRGM"},
      {5, "EKTIB", "KTB"}, {7, "ETLBS", "TLBS"}, {7, "ESTMS", "STMS"}, {7, "ETBLBL", "TBLBL"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.root);
    const AnalysedRoot root = analyseRoot(c.klasse, c.root);
    const PatternValues values = pointed::rootLetters(root);
    std::string letters;
    for (const PatternArg& arg : PatternArgs(values)) letters += arg.letter;
    EXPECT_EQ(letters, c.letters);
  }
}

struct FormCase {
  int klasse;
  const char* root;  // as the verb list writes it
  Block block;
  const char* tag;
  const char* hebrew;
  const char* uitspraak;
};

// The records of one verb with --niqqud.
struct HeldForm {
  Block block;
  std::string tag, hebrew, uitspraak;
};
std::vector<HeldForm> pointedParadigm(int klasse, std::string_view root) {
  static const bool initialised = (init(), true);
  (void)initialised;
  const Woord woord("schrij'ven (schreef, h. geschreven)", Rules::Pointed);
  std::vector<HeldForm> forms;
  writeParadigm(
      klasse, root, woord,
      [&](const Record& r) {
        forms.push_back(
            {r.block, std::string(r.tag), std::string(r.hebrew), std::string(r.uitspraak)});
      },
      Rules::Pointed);
  return forms;
}

TEST(PointedParadigm, FormsAsTheGrammarGivesThem) {
  const FormCase cases[] = {
      {1, "כתב", Block::Past, "1s", "כָּתַבְתִּי", "katávti"},
      {1, "כתב", Block::Past, "2sm", "כָּתַבְתָּ", "katávta"},
      {1, "כתב", Block::Past, "2sf", "כָּתַבְתְּ", "katávt"},
      {1, "כתב", Block::Past, "2pm", "כְּתַבְתֶּם", "ktavtém"},
      {1, "כתב", Block::Participle, "sm", "כּוֹתֵב", "kotév"},
      {1, "כתב", Block::Participle, "sf", "כּוֹתֶבֶת", "kotévet"},
      {1, "כתב", Block::Participle, "pm", "כּוֹתְבִים", "kotvím"},
      {1, "כתב", Block::Future, "3sm", "יִכְתֹּב", "jichtóv"},
      {1, "כתב", Block::Future, "2sf", "תִּכְתְּבִי", "tichteví"},
      {1, "כתב", Block::Future, "3pf", "תִּכְתֹּבְנָה", "tichtóvna"},
      {1, "כתב", Block::Infinitive, "", "לִכְתֹּב", "lichtóv"},
      {1, "שׁמר", Block::Past, "1s", "שָׁמַרְתִּי", "sjamárti"},
      // a ש without a dot and a Latin S are shin; sin and samekh as typed
      {1, "שמר", Block::Past, "1s", "שָׁמַרְתִּי", "sjamárti"},
      {1, "SMR", Block::Past, "1s", "שָׁמַרְתִּי", "sjamárti"},
      {1, "שׂמח", Block::Past, "3sm", "שָׂמַח", "samách"},
      {1, "סגר", Block::Past, "3sm", "סָגַר", "sagár"},
      // past: one verb of each class and weak-root type
      {1, "בנה", Block::Past, "1s", "בָּנִיתִי", "baníti"},
      {1, "קום", Block::Past, "3sf", "קָמָה", "káma"},
      {1, "מצא", Block::Past, "1s", "מָצָאתִי", "matsáti"},
      {1, "נתן", Block::Past, "1s", "נָתַתִּי", "natáti"},
      {2, "נכנס", Block::Past, "3sf", "נִכְנְסָה", "nichnesá"},
      {2, "נולד", Block::Past, "1s", "נוֹלַדְתִּי", "noládti"},
      {2, "נבנה", Block::Past, "1s", "נִבְנֵיתִי", "nivnéti"},
      {3, "דבר", Block::Past, "3sm", "דִּבֵּר", "dibér"},
      {3, "דבר", Block::Past, "1p", "דִּבַּרְנוּ", "dibárnoe"},
      {3, "גלה", Block::Past, "1p", "גִּלִּינוּ", "gilínoe"},
      {3, "סובב", Block::Past, "3sf", "סוֹבְבָה", "sovevá"},
      {4, "דובר", Block::Past, "3sm", "דֻּבַּר", "doebár"},
      {5, "הקים", Block::Past, "1s", "הֵקַמְתִּי", "hekámti"},
      {5, "האמין", Block::Past, "1p", "הֶאֱמַנּוּ", "heemánoe"},
      {5, "היטיב", Block::Past, "1s", "הֵיטַבְתִּי", "hetávti"},
      {6, "הוקם", Block::Past, "3sf", "הוּקְמָה", "hoekmá"},
      {6, "הועבר", Block::Past, "3sf", "הָעָבְרָה", "hoovrá"},
      {7, "התלבשׁ", Block::Past, "1s", "הִתְלַבַּשְׁתִּי", "hitlabásjti"},
      {7, "השׁתמשׁ", Block::Past, "1s", "הִשְׁתַּמַּשְׁתִּי", "hisjtamásjti"},
      // the T assimilated to a first tet or tav, not to a dalet
      {7, "התטהר", Block::Past, "1s", "הִטַּהַרְתִּי", "hitahárti"},
      {7, "התדפק", Block::Past, "1s", "הִתְדַּפַּקְתִּי", "hitdapákti"},
      // participles
      {1, "בנה", Block::Participle, "sm", "בּוֹנֶה", "boné"},
      {1, "בנה", Block::Participle, "sf", "בּוֹנָה", "boná"},
      {1, "קום", Block::Participle, "sf", "קָמָה", "kamá"},
      {1, "גדל", Block::Participle, "sf", "גְּדֵלָה", "gdelá"},
      {1, "פתח", Block::Participle, "sf", "פּוֹתַחַת", "potáchat"},
      {2, "נכתב", Block::Participle, "sm", "נִכְתָּב", "nichtáv"},
      {2, "נבנה", Block::Participle, "sf", "נִבְנֵית", "nivnét"},
      {2, "נולד", Block::Participle, "sf", "נוֹלֶדֶת", "nolédet"},
      {3, "דבר", Block::Participle, "sf", "מְדַבֶּרֶת", "medabéret"},
      {3, "ברך", Block::Participle, "sm", "מְבָרֵךְ", "mevaréch"},
      {4, "דובר", Block::Participle, "sm", "מְדֻבָּר", "medoebár"},
      {5, "הבין", Block::Participle, "sf", "מְבִינָה", "meviná"},
      {5, "הכתיב", Block::Participle, "pm", "מַכְתִּיבִים", "machtivím"},
      {5, "היטיב", Block::Participle, "sm", "מֵיטִיב", "metív"},
      {6, "הוקם", Block::Participle, "sm", "מוּקָם", "moekám"},
      {6, "הוגשׁ", Block::Participle, "sm", "מֻגָּשׁ", "moegásj"},
      {6, "הועלה", Block::Participle, "sf", "מָעֳלָה", "moolá"},
      {7, "התלבשׁ", Block::Participle, "sf", "מִתְלַבֶּשֶׁת", "mitlabésjet"},
      {7, "הסתחרר", Block::Participle, "sm", "מִסְתַּחְרֵר", "mistachrér"},
      // future
      {1, "עבד", Block::Future, "2sf", "תַּעַבְדִי", "taavdí"},
      {1, "נפל", Block::Future, "3sm", "יִפֹּל", "jipól"},
      {1, "ישׁב", Block::Future, "1s", "אֵשֵׁב", "esjév"},
      {1, "אכל", Block::Future, "1s", "אֹכַל", "ochál"},
      {1, "קום", Block::Future, "2sf", "תָּקוּמִי", "takóémi"},
      {1, "בנה", Block::Future, "3pf", "תִּבְנֶינָה", "tivnéna"},
      {1, "קרא", Block::Future, "2pf", "תִּקְרֶאנָה", "tikréna"},
      {1, "ישׁן", Block::Future, "2pf", "תִּישַׁנָּה", "tisjána"},
      {2, "נכנס", Block::Future, "3sm", "יִכָּנֵס", "jikanés"},
      {3, "ברך", Block::Future, "2sf", "תְּבָרְכִי", "tevarchí"},
      {3, "סובב", Block::Future, "1s", "אֲסוֹבֵב", "asovév"},
      {4, "דובר", Block::Future, "3sm", "יְדֻבַּר", "jedoebár"},
      {5, "הזמין", Block::Future, "2pf", "תַּזְמֵנָּה", "tazména"},
      {5, "הקים", Block::Future, "2sf", "תָּקִימִי", "takími"},
      {6, "הוקם", Block::Future, "3sm", "יוּקַם", "joekám"},
      {6, "הועבר", Block::Future, "1s", "אָעֳבַר", "oovár"},
      {6, "הועבר", Block::Future, "3pm", "יָעָבְרוּ", "joovróé"},
      {7, "התלבשׁ", Block::Future, "2pf", "תִּתְלַבֵּשְׁנָה", "titlabésjna"},
      {7, "הסתחרר", Block::Future, "2sf", "תִּסְתַּחְרְרִי", "tistachrerí"},
      {7, "התמודד", Block::Future, "1s", "אֶתְמוֹדֵד", "etmodéd"},
      {7, "התפרע", Block::Future, "3sm", "יִתְפָּרֵעַ", "jitparéa"},
      {7, "התתמם", Block::Future, "1s", "אֶתַּמֵּם", "etamém"},
      // imperative and infinitive
      {1, "למד", Block::Imperative, "2pf", "לְמַדְנָה", "lemádna"},
      {1, "בחר", Block::Imperative, "2sf", "בַּחֲרִי", "bacharí"},
      {1, "קום", Block::Imperative, "2sf", "קוּמִי", "kóémi"},
      {1, "נתן", Block::Imperative, "2pf", "תֵּנָּה", "téna"},
      {2, "נכתב", Block::Imperative, "2sm", "הִכָּתֵב", "hikatév"},
      {3, "דבר", Block::Imperative, "2pm", "דַּבְּרוּ", "dabróé"},
      {3, "ברך", Block::Imperative, "2sm", "בָּרֵךְ", "baréch"},
      {7, "התלבשׁ", Block::Imperative, "2pf", "הִתְלַבֵּשְׁנָה", "hitlabésjna"},
      {7, "התפרסם", Block::Imperative, "2sm", "הִתְפַּרְסֵם", "hitparsém"},
      // a guttural last: patah for the tsere of the hif'il
      {5, "הבטיח", Block::Imperative, "2sm", "הַבְטַח", "havtách"},
      {5, "הודיע", Block::Imperative, "2sm", "הוֹדַע", "hodá"},
      {1, "בנה", Block::Infinitive, "", "לִבְנוֹת", "livnót"},
      {1, "ישׁב", Block::Infinitive, "", "לָשֶׁבֶת", "lasjévet"},
      {1, "עבד", Block::Infinitive, "", "לַעֲבֹד", "laavód"},
      {2, "נבנה", Block::Infinitive, "", "לְהִבָּנוֹת", "lehibanót"},
      {5, "הקים", Block::Infinitive, "", "לְהָקִים", "lehakím"},
      {7, "התפרסם", Block::Infinitive, "", "לְהִתְפַּרְסֵם", "lehitparsém"},
      {7, "התטהר", Block::Infinitive, "", "לְהִטַּהֵר", "lehitahér"},
  };
  for (const FormCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.klasse) + "-" + c.root + " {" + c.tag + "}");
    const std::vector<HeldForm> forms = pointedParadigm(c.klasse, c.root);
    const HeldForm* found = nullptr;
    for (const HeldForm& f : forms) {
      if (f.block == c.block && f.tag == c.tag) {
        found = &f;
        break;  // the first: the L-shape of the infinitives
      }
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->hebrew, canonicalOrder(c.hebrew));
    EXPECT_EQ(found->uitspraak, c.uitspraak);
  }
}

}  // namespace
}  // namespace morfenaar::testing
