// The html format: one standalone page (UTF-8, its styles in the page, no
// scripts, nothing fetched) with one table per verb. The table's caption
// names the verb: its first field, its class (qal, nif'al, ...) and its
// Dutch infinitive. The rows are the persons (driver/slots.h), the columns
// the past, the participles, the future and the imperative; the
// infinitives are the last rows, one per Dutch text. A cell holds the
// Hebrew forms of its person and under them their Dutch texts, each once;
// where both genders of a person share a cell (past {2s}, {3p}), the cell
// spans both rows. A form in Hebrew letters carries lang="he" dir="rtl".
// Text from the input is UTF-8 (support/utf8.h) with < > & " escaped, so it
// never becomes markup; a NUL byte becomes U+FFFD. A table is never split
// across printed pages.
#pragma once

#include <string>
#include <string_view>

#include "driver/held_record.h"
#include "driver/reader.h"

namespace morfenaar {

// Everything of the page before the first table.
void beginHtmlPage(std::string& out);
// The table of one verb, from its records.
void writeHtmlTable(std::string& out, const HeldVerb& verb, const Entry& entry);
// The closing tags of the page.
void endHtmlPage(std::string& out);

// Appends `text` escaped for HTML.
void appendHtmlText(std::string& out, std::string_view text);

}  // namespace morfenaar
