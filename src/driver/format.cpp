#include "driver/format.h"

#include "driver/held_record.h"
#include "driver/html_writer.h"
#include "driver/jsonl_writer.h"
#include "driver/tsv_writer.h"
#include "driver/unimorph_writer.h"

namespace morfenaar {

namespace {

// The records of the verb being written, for the formats that hold them;
// reused from verb to verb so that its storage is kept.
HeldVerb& heldVerb() {
  static HeldVerb verb;
  return verb;
}

void hold(const Record& record) {
  heldVerb().push_back({record.block, std::string(record.tag), std::string(record.hebrew),
                        std::string(record.dutch), std::string(record.uitspraak)});
}

}  // namespace

std::optional<Format> formatNamed(std::string_view name) {
  if (name == "records") return Format::Records;
  if (name == "tsv") return Format::Tsv;
  if (name == "jsonl") return Format::Jsonl;
  if (name == "unimorph") return Format::Unimorph;
  if (name == "html") return Format::Html;
  return std::nullopt;
}

void beginOutput(std::string& out) {
  switch (outputFormat()) {
    case Format::Tsv:
      writeTsvHeader(out);
      break;
    case Format::Html:
      beginHtmlPage(out);
      break;
    case Format::Records:
    case Format::Jsonl:
    case Format::Unimorph:
      break;
  }
}

void writeFormattedOther(std::string& out, const Record& record, const Entry& entry) {
  switch (outputFormat()) {
    case Format::Records:
      writeRecord(out, record, entry.sourceTag);
      break;
    case Format::Tsv:
      writeTsvRow(out, record, entry);
      break;
    case Format::Jsonl:
      writeJsonLine(out, record, entry);
      break;
    case Format::Unimorph:
    case Format::Html:
      hold(record);
      break;
  }
}

void endVerb(std::string& out, const Entry& entry) {
  HeldVerb& verb = heldVerb();
  if (verb.empty()) return;
  switch (outputFormat()) {
    case Format::Unimorph:
      writeUnimorphVerb(out, verb);
      break;
    case Format::Html:
      writeHtmlTable(out, verb, entry);
      break;
    case Format::Records:
    case Format::Tsv:
    case Format::Jsonl:
      break;
  }
  verb.clear();
}

void endOutput(std::string& out) {
  if (outputFormat() == Format::Html) endHtmlPage(out);
}

}  // namespace morfenaar
