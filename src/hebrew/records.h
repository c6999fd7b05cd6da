// Rows of output records as the paradigm generators keep them: the record
// and row types, the row a generator chose for an entry, the lookup of a
// row by its label, and the writers of a block of records and of a chosen
// row.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "dutch/tables.h"
#include "hebrew/pattern.h"
#include "hebrew/root.h"
#include "support/strings.h"
#include "support/text_buffer.h"

namespace morfenaar {

// One output record: its format ("#", Hebrew pattern, TAB, Dutch column,
// TAB, tag in braces, "%s" for the source tag, LF), prepared when the
// program is compiled, and the person code for which the Dutch text is
// asked, with its row in the person tables (-1 for none) found then too.
struct RecordFormat {
  PreparedRecord format;
  std::string_view code;
  int person = personIndex(code);
};

// A row of records written in order; unused places have an empty format.
struct RecordRow {
  std::string_view name;
  RecordFormat records[8];
};

// The row a generator chose for an entry, with the values that fill the
// Hebrew placeholders of every pattern of the row, in order. Patterns that
// take fewer values use the leading ones.
struct RowChoice {
  std::string_view row;
  PatternValues args;
};

// The position of the row labelled `name`. Every label a generator chooses
// is in its table.
template <class Row, std::size_t N>
constexpr std::size_t rowIndex(const Row (&table)[N], std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i].name == name) return i;
  }
  std::abort();  // a label missing from its table is a programming error
}

// The row labelled `name`.
template <class Row, std::size_t N>
const Row& findRow(const Row (&table)[N], std::string_view name) {
  return table[rowIndex(table, name)];
}

// Writes a block of records into `out` with one reservation of room, which
// is written in place without being filled first. `each(visit)` calls
// visit(record, values, dutch) for every record of the block, in order, or
// visit(record, values,
// dutch, true) for a record whose Hebrew part is that of the record visited
// just before (same format, same values), which is then copied rather than
// filled again. `each` runs twice, first to measure the block and then to
// write it, and must visit the same records with the same texts both times.
template <class Each>
void writeBlock(TextBuffer& out, std::string_view source, Each&& each) {
  std::size_t room = 0;
  each([&](const PreparedRecord& record, const PatternValues& values, std::string_view dutch,
           bool = false) { room += record.room(values.bytes(), dutch.size(), source.size()); });
  const std::size_t start = out.size();
  char* at = out.grow(room);
  char* const begin = at;
  const char* lastHebrew = at;
  std::size_t lastLength = 0;
  each([&](const PreparedRecord& record, const PatternValues& values, std::string_view dutch,
           bool sameHebrew = false) {
    if (sameHebrew) {
      // The earlier copy ends before the tail written after it: no overlap.
      at = copyBytes(at, lastHebrew, lastLength);
    } else {
      lastHebrew = at;
      at = record.writeHebrew(at, values);
      lastLength = static_cast<std::size_t>(at - lastHebrew);
    }
    at = record.writeTail(at, dutch, source);
  });
  out.setSize(start + static_cast<std::size_t>(at - begin));
}

// Writes the records of the row of `table` that `choice` names, each
// filled with the choice's values; writes nothing when there is no choice.
// `dutchText(code, person)` gives the Dutch text of every record (person
// is the code's row in the person tables, see RecordFormat); it is asked
// twice per record (see writeBlock), so it must give the same text again.
template <std::size_t N, class DutchText>
void writeChosenRow(TextBuffer& out, const RecordRow (&table)[N],
                    const std::optional<RowChoice>& choice, DutchText&& dutchText,
                    std::string_view source) {
  if (!choice) return;
  const RecordRow& row = findRow(table, choice->row);
  writeBlock(out, source, [&](auto&& visit) {
    for (const RecordFormat& record : row.records) {
      if (record.format.empty()) break;
      visit(record.format, choice->args, dutchText(record.code, record.person));
    }
  });
}

}  // namespace morfenaar
