#include "driver/record_writer.h"

#include <cstring>

namespace morfenaar {

namespace {

char* copy(char* to, std::string_view text) {
  std::memcpy(to, text.data(), text.size());
  return to + text.size();
}

}  // namespace

void writeRecord(std::string& out, const Record& record, std::string_view source) {
  const std::size_t start = out.size();
  out.resize(start + record.hebrew.size() + record.dutch.size() + record.tag.size() +
             source.size() + 6);
  char* at = out.data() + start;
  *at++ = '#';
  at = copy(at, record.hebrew);
  *at++ = '\t';
  at = copy(at, record.dutch);
  *at++ = '\t';
  *at++ = '{';
  at = copy(at, record.tag);
  *at++ = '}';
  at = copy(at, source);
  *at = '\n';
}

}  // namespace morfenaar
