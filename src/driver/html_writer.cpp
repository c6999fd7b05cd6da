#include "driver/html_writer.h"

#include <algorithm>
#include <array>
#include <vector>

#include "driver/slots.h"
#include "support/strings.h"
#include "support/utf8.h"

namespace morfenaar {

namespace {

constexpr std::string_view kPageHead =
    "<!DOCTYPE html>\n"
    "<html lang=\"nl\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<title>morfenaar</title>\n"
    "<style>\n"
    "body { font-family: sans-serif; margin: 2em; }\n"
    "table { border-collapse: collapse; margin: 0 0 2em 0;"
    " page-break-inside: avoid; break-inside: avoid; }\n"
    "caption { font-size: 1.2em; font-weight: bold; text-align: left; padding: 0 0 0.4em 0; }\n"
    "th, td { border: 1px solid #999; padding: 0.3em 0.7em; }\n"
    "th { background: #eee; text-align: left; font-weight: normal; }\n"
    "thead th { font-weight: bold; }\n"
    "td { text-align: center; vertical-align: top; }\n"
    ".vorm { font-size: 1.25em; }\n"
    ".nl { color: #444; font-size: 0.85em; }\n"
    "</style>\n"
    "</head>\n"
    "<body>\n";

constexpr std::string_view kPageEnd = "</body>\n</html>\n";

constexpr std::string_view kColumnHeads =
    "<thead><tr><th></th><th>verleden tijd</th><th>deelwoord</th><th>toekomende tijd</th>"
    "<th>gebiedende wijs</th></tr></thead>\n";

constexpr int kColumns = 4;  // past, participles, future, imperative

constexpr std::string_view kClassNames[] = {"qal",    "nif'al", "pi'el",   "pu'al",
                                            "hif'il", "huf'al", "hitpa'el"};

std::string_view className(int klasse) {
  return klasse >= 1 && klasse <= 7 ? kClassNames[klasse - 1] : std::string_view("?");
}

// A Hebrew form with its pronunciation (empty without --niqqud).
struct Form {
  std::string_view hebrew;
  std::string_view uitspraak;
  bool operator==(const Form& other) const = default;
};

// The Hebrew forms of a cell and their Dutch texts, each once, in the order
// of the records.
struct Cell {
  std::vector<Form> forms;
  std::vector<std::string_view> texts;

  void add(const HeldRecord& record) {
    const std::string_view text = withoutTrailingBlanks(record.dutch);
    const Form form{record.hebrew, record.uitspraak};
    if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(form);
    if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
  }
  bool operator==(const Cell& other) const = default;
};

using Row = std::array<Cell, kColumns>;

void appendHtmlAscii(std::string& out, char c) {
  switch (c) {
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '&':
      out += "&amp;";
      break;
    case '"':
      out += "&quot;";
      break;
    case '\0':
      out += "\xEF\xBF\xBD";  // U+FFFD, as a browser would read it
      break;
    default:
      out += c;
  }
}

// A form in Hebrew letters (U+05xx); Latin forms are capitals and 0xDF.
bool isHebrewForm(std::string_view form) { return form.find('\xD7') != std::string_view::npos; }

// The Dutch infinitive of the entry: the gloss before its "(", without the
// stress mark.
std::string dutchInfinitive(std::string_view gloss) {
  std::string infinitive(trimmed(gloss.substr(0, gloss.find('('))));
  std::size_t mark = infinitive.find('\'');
  if (mark != std::string::npos) infinitive.erase(mark, 1);
  return infinitive;
}

void writeCaption(std::string& out, const Entry& entry) {
  out += "<caption><bdi dir=\"ltr\">";
  appendHtmlText(out, entry.firstField);
  out += "</bdi> \xC2\xB7 ";
  out += className(entry.klasse);
  out += " \xC2\xB7 ";
  appendHtmlText(out, dutchInfinitive(entry.gloss));
  out += "</caption>\n";
}

void writeCellContent(std::string& out, const Cell& cell) {
  for (const Form& form : cell.forms) {
    out += isHebrewForm(form.hebrew) ? "<div class=\"vorm\" lang=\"he\" dir=\"rtl\">"
                                     : "<div class=\"vorm\">";
    appendHtmlText(out, form.hebrew);
    out += "</div>";
    if (form.uitspraak.empty()) continue;
    out += "<div class=\"uitspraak\"><i>";
    appendHtmlText(out, form.uitspraak);
    out += "</i></div>";
  }
  for (std::string_view text : cell.texts) {
    out += "<div class=\"nl\">";
    appendHtmlText(out, text);
    out += "</div>";
  }
}

// The first row of the two of one person's genders: jij, jullie, zij (pl.).
bool isFirstOfPair(int row) { return row == 1 || row == 6 || row == 8; }

// Both genders of a person share the cell: one cell spans both rows.
bool spansPair(const Row* rows, int row, int column) {
  return isFirstOfPair(row) && !rows[row][column].forms.empty() &&
         rows[row][column] == rows[row + 1][column];
}

}  // namespace

void appendHtmlText(std::string& out, std::string_view text) {
  appendUtf8(out, text, appendHtmlAscii);
}

void beginHtmlPage(std::string& out) { out += kPageHead; }

void endHtmlPage(std::string& out) { out += kPageEnd; }

void writeHtmlTable(std::string& out, const HeldVerb& verb, const Entry& entry) {
  Row rows[kPersonRows];
  std::vector<Cell> infinitives;
  for (const HeldRecord& record : verb) {
    if (record.block == Block::Infinitive) {
      const std::string_view text = withoutTrailingBlanks(record.dutch);
      auto same = std::find_if(infinitives.begin(), infinitives.end(),
                               [&](const Cell& cell) { return cell.texts.front() == text; });
      if (same == infinitives.end()) same = infinitives.insert(infinitives.end(), Cell());
      same->add(record);
      continue;
    }
    const Slot* slot = findSlot(record.block, record.tag);
    if (slot == nullptr) continue;
    const auto column = static_cast<std::size_t>(record.block);
    for (int row = 0; row < kPersonRows; ++row) {
      if ((slot->persons & (1u << row)) != 0) rows[row][column].add(record);
    }
  }

  out += "<table>\n";
  writeCaption(out, entry);
  out += kColumnHeads;
  out += "<tbody>\n";
  for (int row = 0; row < kPersonRows; ++row) {
    out += "<tr><th>";
    out += kPersonLabels[row];
    out += "</th>";
    for (int column = 0; column < kColumns; ++column) {
      if (row > 0 && spansPair(rows, row - 1, column)) continue;
      out += spansPair(rows, row, column) ? "<td rowspan=\"2\">" : "<td>";
      writeCellContent(out, rows[row][column]);
      out += "</td>";
    }
    out += "</tr>\n";
  }
  for (const Cell& cell : infinitives) {
    out += "<tr><th>infinitief</th><td colspan=\"4\">";
    writeCellContent(out, cell);
    out += "</td></tr>\n";
  }
  out += "</tbody>\n</table>\n";
}

}  // namespace morfenaar
