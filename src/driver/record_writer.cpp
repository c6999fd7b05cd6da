#include "driver/record_writer.h"

namespace morfenaar {

void writeRecord(std::string& out, const Record& record, std::string_view source) {
  out += '#';
  out += record.hebrew;
  out += '\t';
  out += record.dutch;
  out += "\t{";
  out += record.tag;
  out += '}';
  out += source;
  out += '\n';
}

}  // namespace morfenaar
