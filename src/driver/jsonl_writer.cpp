#include "driver/jsonl_writer.h"

#include "driver/format.h"
#include "driver/slots.h"
#include "support/strings.h"
#include "support/utf8.h"

namespace morfenaar {

namespace {

void appendJsonAscii(std::string& out, char c) {
  if (c == '"' || c == '\\') {
    out += '\\';
    out += c;
  } else if (static_cast<unsigned char>(c) < 0x20) {
    constexpr char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[(c >> 4) & 0xF];
    out += kHex[c & 0xF];
  } else {
    out += c;
  }
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  appendUtf8(out, text, appendJsonAscii);
  out += '"';
}

void writeJsonLine(std::string& out, const Record& record, const Entry& entry) {
  out += "{\"bron\":";
  appendJsonString(out, entry.firstField);
  out += ",\"klasse\":";
  out += std::to_string(entry.klasse);
  out += ",\"blok\":";
  appendJsonString(out, blockName(record.block));
  out += ",\"persoon\":";
  appendJsonString(out, record.tag);
  out += ",\"hebreeuws\":";
  appendJsonString(out, record.hebrew);
  out += ",\"nederlands\":";
  appendJsonString(out, withoutTrailingBlanks(record.dutch));
  if (showsPronunciation()) {
    out += ",\"uitspraak\":";
    appendJsonString(out, record.uitspraak);
  }
  out += "}\n";
}

}  // namespace morfenaar
