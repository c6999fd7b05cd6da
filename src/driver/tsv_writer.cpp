#include "driver/tsv_writer.h"

#include "driver/format.h"
#include "driver/slots.h"
#include "support/strings.h"
#include "support/utf8.h"

namespace morfenaar {

void writeTsvHeader(std::string& out) {
  out += "bron\tklasse\tblok\tpersoon\thebreeuws\tnederlands";
  out += showsPronunciation() ? "\tuitspraak\n" : "\n";
}

void writeTsvRow(std::string& out, const Record& record, const Entry& entry) {
  appendUtf8(out, entry.firstField);
  out += '\t';
  out += std::to_string(entry.klasse);
  out += '\t';
  out += blockName(record.block);
  out += '\t';
  out += record.tag;
  out += '\t';
  appendUtf8(out, record.hebrew);
  out += '\t';
  appendUtf8(out, withoutTrailingBlanks(record.dutch));
  if (showsPronunciation()) {
    out += '\t';
    out += record.uitspraak;
  }
  out += '\n';
}

}  // namespace morfenaar
