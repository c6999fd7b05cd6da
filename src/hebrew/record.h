// One output record as the paradigm generators make it: the block it
// belongs to, its person tag, its Hebrew form and its Dutch text. A record
// is made whole and then handed on, once, to whoever writes the entry's
// records (driver/record_writer.h); the generators do not know how records
// are written.
//
// Also here: the rows of the generators' tables, the row a generator
// chose for an entry, and the lookup of a row by its label.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <functional>
#include <string_view>

#include "hebrew/pattern.h"

namespace morfenaar {

// The five blocks of an entry's paradigm, in output order.
enum class Block { Past, Participle, Future, Imperative, Infinitive };

struct Record {
  Record() = default;
  Record(Block block, std::string_view tag, std::string_view hebrew, std::string_view dutch,
         std::string_view uitspraak = {})
      : block(block), tag(tag), hebrew(hebrew), dutch(dutch), uitspraak(uitspraak) {}

  Block block = Block::Past;
  std::string_view tag;     // the person tag without its braces: "1s", "2pm", "" ...
  std::string_view hebrew;  // the form, in the alphabet the root was typed in
  std::string_view dutch;   // the Dutch text
  // With --niqqud: the form said in Dutch spelling; empty otherwise.
  std::string_view uitspraak;
};

// Takes the records of one entry in output order. The views of a record
// are valid only during the call.
using RecordSink = std::function<void(const Record&)>;

// One form of a row: the pattern of its Hebrew form and its person tag.
struct FormSlot {
  std::string_view pattern;
  std::string_view tag;
};

// A row of forms written in order; unused places have an empty pattern.
struct FormRow {
  std::string_view name;
  FormSlot forms[8];
};

// The row a generator chose for an entry, with the values that fill the
// placeholders of every pattern of the row, in order. Patterns that take
// fewer values use the leading ones.
struct RowChoice {
  std::string_view row;
  PatternValues args;
};

// The row labelled `name`. Every label a generator chooses is in its table.
template <class Row, std::size_t N>
const Row& findRow(const Row (&table)[N], std::string_view name) {
  for (const Row& row : table) {
    if (row.name == name) return row;
  }
  std::abort();  // a label missing from its table is a programming error
}

// Fills `pattern` with `args` and hands the record of that form to `sink`.
void emitForm(const RecordSink& sink, Block block, std::string_view tag, std::string_view pattern,
              PatternArgs args, std::string_view dutch);

}  // namespace morfenaar
