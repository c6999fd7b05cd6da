// The output format, chosen once on the command line (--format=NAME), and
// the four moments at which the output is written in it: the start of the
// run, each record, the end of each verb and the end of the run. Each
// format has its writer (driver/*_writer.h); this is the one place that
// chooses between them. The records format, the default, writes each
// record as it comes and nothing else; the tsv and jsonl writers also
// stream; the unimorph and html writers hold one verb's records and write
// them at the verb's end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "driver/reader.h"
#include "driver/record_writer.h"
#include "hebrew/record.h"

namespace morfenaar {

enum class Format { Records, Tsv, Jsonl, Unimorph, Html };

// The names of the formats, as a command-line error lists them.
inline constexpr std::string_view kFormatNames = "records, tsv, jsonl, unimorph, html";

// The format called `name`, or nothing for an unknown name.
std::optional<Format> formatNamed(std::string_view name);

// Where the format of the run is kept: records until setOutputFormat.
inline Format& formatOfTheRun() {
  static Format format = Format::Records;
  return format;
}
inline void setOutputFormat(Format format) { formatOfTheRun() = format; }
inline Format outputFormat() { return formatOfTheRun(); }

// Whether the tsv, jsonl and html formats write each form's pronunciation
// (--niqqud): the column and field "uitspraak".
enum class Pronunciation { Without, With };
inline Pronunciation& pronunciationOfTheRun() {
  static Pronunciation pronunciation = Pronunciation::Without;
  return pronunciation;
}
inline void setPronunciation(Pronunciation pronunciation) {
  pronunciationOfTheRun() = pronunciation;
}
inline bool showsPronunciation() { return pronunciationOfTheRun() == Pronunciation::With; }

// Before the first verb: the tsv header row, the head of the html page.
void beginOutput(std::string& out);
// One record of `entry` in a format other than the records.
void writeFormattedOther(std::string& out, const Record& record, const Entry& entry);
// One record of `entry`, written or held. The records format, the default,
// is chosen here, inline, before the others: it is written for every form
// of a default run.
inline void writeFormatted(std::string& out, const Record& record, const Entry& entry) {
  if (outputFormat() == Format::Records) {
    writeRecord(out, record, entry.sourceTag);
  } else {
    writeFormattedOther(out, record, entry);
  }
}
// After the last record of the verb of `entry`: the held records are
// written, and the next verb starts afresh. A verb that got no records
// writes nothing.
void endVerb(std::string& out, const Entry& entry);
// After the last verb, also when the run ends early with status 1: the end
// of the html page.
void endOutput(std::string& out);

}  // namespace morfenaar
