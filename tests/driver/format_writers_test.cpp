// The writers of the formats beside the records, one record or one verb at
// a time; the whole program's output per format is checked against golden
// files in tests/e2e.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text.h"
#include "driver/format.h"
#include "driver/html_writer.h"
#include "driver/jsonl_writer.h"
#include "driver/tsv_writer.h"
#include "driver/unimorph_writer.h"

namespace morfenaar {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

Entry entryOf(std::string_view firstField, std::string_view gloss = {}) {
  Entry entry;
  entry.firstField = firstField;
  entry.klasse = firstField[0] - '0';
  entry.root = firstField.substr(2);
  entry.gloss = gloss;
  entry.sourceTag = "[" + std::string(firstField) + "]";
  return entry;
}

TEST(FormatWritersTest, TsvRowAndJsonLineOfOneRecord) {
  struct Case {
    Record record;
    std::string_view firstField;
    std::string tsv;
    std::string json;  // without {"bron": ... "persoon":, which the tsv shows
    Pronunciation pronunciation = Pronunciation::Without;
  };
  const Case cases[] = {
      {{Block::Past, "1s", "KTBTI", "(ik) heb geschreven"},
       "1-KTB",
       "1-KTB\t1\tverleden\t1s\tKTBTI\t(ik) heb geschreven\n",
       R"({"bron":"1-KTB","klasse":1,"blok":"verleden","persoon":"1s","hebreeuws":"KTBTI","nederlands":"(ik) heb geschreven"})"},
      // The simple past's trailing blank goes.
      {{Block::Future, "3pf", "TKTWBNE", "(zij) schreven  "},
       "1-KTB",
       "1-KTB\t1\ttoekomend\t3pf\tTKTWBNE\t(zij) schreven\n",
       R"({"bron":"1-KTB","klasse":1,"blok":"toekomend","persoon":"3pf","hebreeuws":"TKTWBNE","nederlands":"(zij) schreven"})"},
      {{Block::Infinitive, "", "MKTWB", "om te schrijven"},
       "7xKTB",
       "7xKTB\t7\tinfinitief\t\tMKTWB\tom te schrijven\n",
       R"({"bron":"7xKTB","klasse":7,"blok":"infinitief","persoon":"","hebreeuws":"MKTWB","nederlands":"om te schrijven"})"},
      // Percent signs, quotes, a backslash, markup and 0xDF.
      {{Block::Participle, "s",
        "I\xDF"
        "A",
        "100%s \"q\" \\ <&>"},
       "1-I\xDF"
       "A",
       "1-I\u00DF"
       "A\t1\tdeelwoord\ts\tI\u00DF"
       "A\t100%s \"q\" \\ <&>\n",
       R"({"bron":"1-Iß)"
       "A\",\"klasse\":1,\"blok\":\"deelwoord\",\"persoon\":\"s\",\"hebreeuws\":\"I\u00DF"
       R"(A","nederlands":"100%s \"q\" \\ <&>"})"},
      // A NUL and other control characters; DEL is no control character
      // for JSON.
      {{Block::Imperative, "2ms", "K", "a\0b\x01\x1F\x7F\t"sv},
       "2-NK",
       "2-NK\t2\tgebiedend\t2ms\tK\ta\0b\x01\x1F\x7F\t\n"s,
       R"({"bron":"2-NK","klasse":2,"blok":"gebiedend","persoon":"2ms","hebreeuws":"K","nederlands":"a\u0000b\u0001\u001f)"
       "\x7F"
       R"(\u0009"})"},
      // Latin-1 in the gloss, Hebrew letters in the form.
      {{Block::Past, "3s", "כתב",
        "(hij) heeft gecre\xEB"
        "erd"},
       "1-כתב",
       "1-כתב\t1\tverleden\t3s\tכתב\t(hij) heeft gecre\u00EB"
       "erd\n",
       R"({"bron":"1-כתב","klasse":1,"blok":"verleden","persoon":"3s","hebreeuws":"כתב","nederlands":"(hij) heeft gecreëerd"})"},
      // With --niqqud the pronunciation comes last, in the header too.
      {{Block::Past, "1s", "כָּתַבְתִּי", "(ik) heb geschreven", "katávti"},
       "1-כתב",
       "1-כתב\t1\tverleden\t1s\tכָּתַבְתִּי\t(ik) heb geschreven\tkatávti\n",
       R"({"bron":"1-כתב","klasse":1,"blok":"verleden","persoon":"1s","hebreeuws":"כָּתַבְתִּי","nederlands":"(ik) heb geschreven","uitspraak":"katávti"})",
       Pronunciation::With},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tsv);
    setPronunciation(c.pronunciation);
    const Entry entry = entryOf(c.firstField);
    std::string tsv;
    writeTsvHeader(tsv);
    writeTsvRow(tsv, c.record, entry);
    std::string json = "before\n";
    writeJsonLine(json, c.record, entry);
    setPronunciation(Pronunciation::Without);
    const std::string header = c.pronunciation == Pronunciation::With ? "\tuitspraak\n" : "\n";
    EXPECT_EQ(tsv, "bron\tklasse\tblok\tpersoon\thebreeuws\tnederlands" + header + c.tsv);
    EXPECT_EQ(json, "before\n" + c.json + "\n");
  }
}

TEST(FormatWritersTest, HtmlTextIsEscaped) {
  const struct {
    std::string text;
    std::string html;
  } cases[] = {
      {"<b>&amp;\"x\"'%s</b>", "&lt;b&gt;&amp;amp;&quot;x&quot;'%s&lt;/b&gt;"},
      {"a\0b"s, "a\uFFFDb"},
      {"cre\xEBren \xD7\x9B", "cre\u00EBren \u05DB"},
  };
  for (const auto& c : cases) {
    std::string out;
    appendHtmlText(out, c.text);
    EXPECT_EQ(out, c.html);
  }
}

HeldVerb heldVerb(const std::vector<HeldRecord>& records) { return records; }

// A verb of the default rules in Hebrew letters, cut short: tags for both
// genders, a future form written twice, both infinitive shapes.
const HeldVerb kDefaultVerb = heldVerb({
    {Block::Past, "1s", "כתבתי", "(ik) heb geschreven"},
    {Block::Past, "2s", "כתבת", "(jij) hebt geschreven"},
    {Block::Past, "3s", "כתב", "(hij) heeft geschreven"},
    {Block::Participle, "s", "כותב", "schrijf(t)"},
    {Block::Future, "1s", "אכתוב", "(ik) schreef "},
    {Block::Future, "1s", "אכתוב", "(ik) zal schrijven"},
    {Block::Imperative, "2ms", "כתוב", "schrijf!"},
    {Block::Imperative, "xx", "כתובו", "schrijft!"},
    {Block::Infinitive, "", "לכתוב", "te schrijven"},
    {Block::Infinitive, "", "מכתוב", "om te schrijven"},
});

// The same in the tag scheme of person, number and gender.
const HeldVerb kModernVerb = heldVerb({
    {Block::Past, "2sm", "KTBT", "(jij) hebt geschreven"},
    {Block::Past, "2sf", "KTBT", "(jij) hebt geschreven"},
    {Block::Past, "3sm", "KTB", "(hij) heeft geschreven"},
    {Block::Past, "3p", "KTBW", "(zij) hebben geschreven"},
    {Block::Participle, "sm", "KWTB", "schrijf(t)"},
    {Block::Participle, "sf", "KWTBT", "schrijf(t)"},
    {Block::Future, "3pm", "IKTBW", "(zij) zullen schrijven"},
    {Block::Future, "3pf", "TKTWBNE", "(zij) zullen schrijven"},
    {Block::Imperative, "2pf", "KTWBNE", "schrijft!"},
    {Block::Infinitive, "", "LKTWB", "te schrijven"},
    {Block::Infinitive, "", "MKTWB", "om te schrijven"},
});

TEST(FormatWritersTest, UnimorphRowsOfOneVerb) {
  const struct {
    const char* what;
    const HeldVerb* verb;
    std::string rows;
  } cases[] = {
      {"default tags", &kDefaultVerb,
       "כתב\tכתבתי\tV;1;SG;PST\n"
       "כתב\tכתבת\tV;2;SG;PST;MASC\n"
       "כתב\tכתבת\tV;2;SG;PST;FEM\n"
       "כתב\tכתב\tV;3;SG;PST;MASC\n"
       "כתב\tכותב\tV;SG;PRS;MASC\n"
       "כתב\tכותב\tV;SG;PRS;FEM\n"
       "כתב\tאכתוב\tV;1;SG;FUT\n"
       "כתב\tכתוב\tV;2;SG;IMP;MASC\n"
       "כתב\tלכתוב\tV;NFIN\n"},
      {"modern tags", &kModernVerb,
       "KTB\tKTBT\tV;2;SG;PST;MASC\n"
       "KTB\tKTBT\tV;2;SG;PST;FEM\n"
       "KTB\tKTB\tV;3;SG;PST;MASC\n"
       "KTB\tKTBW\tV;3;PL;PST\n"
       "KTB\tKWTB\tV;SG;PRS;MASC\n"
       "KTB\tKWTBT\tV;SG;PRS;FEM\n"
       "KTB\tIKTBW\tV;3;PL;FUT;MASC\n"
       "KTB\tTKTWBNE\tV;3;PL;FUT;FEM\n"
       "KTB\tKTWBNE\tV;2;PL;IMP;FEM\n"
       "KTB\tLKTWB\tV;NFIN\n"},
      // Without a 3rd person masculine singular past there is no lemma.
      {"no lemma", nullptr, ""},
  };
  const HeldVerb noLemma(kModernVerb.begin() + 3, kModernVerb.end());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string out;
    writeUnimorphVerb(out, c.verb != nullptr ? *c.verb : noLemma);
    EXPECT_EQ(out, c.rows);
  }
}

// The rows of the table, each a line that starts with "<tr><th>label</th>".
std::string tableRow(const std::string& page, std::string_view label) {
  for (const std::string& line : testing::splitLines(page)) {
    if (line.starts_with("<tr><th>" + std::string(label) + "</th>")) return line;
  }
  return "";
}

std::size_t count(std::string_view text, std::string_view part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

TEST(FormatWritersTest, HtmlTableOfOneVerb) {
  std::string out;
  writeHtmlTable(out, kModernVerb,
                 entryOf("3-KTB", "z. 'schrijven <&> (schreef z., h. z. geschreven)"));
  EXPECT_EQ(count(out, "<table>"), 1u);
  EXPECT_TRUE(out.starts_with(
      "<table>\n<caption><bdi dir=\"ltr\">3-KTB</bdi> \u00B7 pi'el \u00B7 z. schrijven "
      "&lt;&amp;&gt;</caption>\n"));
  EXPECT_TRUE(out.ends_with("</table>\n"));
  // One form for both genders: one cell over both rows; one Dutch text for
  // two forms: once.
  EXPECT_EQ(tableRow(out, "jij (m.)"),
            "<tr><th>jij (m.)</th><td rowspan=\"2\"><div class=\"vorm\">KTBT</div><div "
            "class=\"nl\">(jij) hebt geschreven</div></td><td><div class=\"vorm\">KWTB</div><div "
            "class=\"nl\">schrijf(t)</div></td><td></td><td></td></tr>");
  EXPECT_EQ(tableRow(out, "jij (v.)"),
            "<tr><th>jij (v.)</th><td><div class=\"vorm\">KWTBT</div><div "
            "class=\"nl\">schrijf(t)</div></td><td></td><td></td></tr>");
  EXPECT_EQ(
      tableRow(out, "ik"),
      "<tr><th>ik</th><td></td><td><div class=\"vorm\">KWTB</div><div "
      "class=\"vorm\">KWTBT</div><div class=\"nl\">schrijf(t)</div></td><td></td><td></td></tr>");
  // Two forms of one person's genders stay two cells.
  EXPECT_NE(tableRow(out, "zij (m.)").find("<td><div class=\"vorm\">IKTBW</div>"),
            std::string::npos);
  EXPECT_EQ(tableRow(out, "zij (v.)"),
            "<tr><th>zij (v.)</th><td></td><td><div class=\"vorm\">TKTWBNE</div><div "
            "class=\"nl\">(zij) zullen schrijven</div></td><td></td></tr>");
  EXPECT_EQ(count(out, "<tr><th>infinitief</th><td colspan=\"4\">"), 2u);

  // Hebrew letters, and only they, are right to left: three past cells,
  // four participle cells ({s} in five rows, one cell over jij (m.) and
  // jij (v.)), one future, one imperative and two infinitive cells.
  std::string hebrew;
  writeHtmlTable(hebrew, kDefaultVerb, entryOf("1-כתב", "schrij'ven (schreef, h. geschreven)"));
  EXPECT_EQ(count(hebrew, "<div class=\"vorm\" lang=\"he\" dir=\"rtl\">"), 11u);
  EXPECT_EQ(count(hebrew, "<div class=\"vorm\">"), 0u);
  EXPECT_EQ(count(out, "dir=\"rtl\""), 0u);

  // A pointed form has its pronunciation under it; forms whose letters
  // agree but whose points differ keep a cell each.
  std::string points;
  writeHtmlTable(points,
                 heldVerb({{Block::Past, "2sm", "כָּתַבְתָּ", "(jij) hebt geschreven", "katávta"},
                           {Block::Past, "2sf", "כָּתַבְתְּ", "(jij) hebt geschreven", "katávt"}}),
                 entryOf("1-כתב", "schrij'ven (schreef, h. geschreven)"));
  EXPECT_EQ(tableRow(points, "jij (m.)"),
            "<tr><th>jij (m.)</th><td><div class=\"vorm\" lang=\"he\" dir=\"rtl\">כָּתַבְתָּ</div>"
            "<div class=\"uitspraak\"><i>katávta</i></div><div class=\"nl\">(jij) hebt "
            "geschreven</div></td><td></td><td></td><td></td></tr>");
  EXPECT_EQ(count(points, "<i>katávt</i>"), 1u);
}

}  // namespace
}  // namespace morfenaar
