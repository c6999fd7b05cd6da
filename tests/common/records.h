// The output record as the tests read it back: "#" Hebrew form, TAB, Dutch
// text, TAB, "{" tag "}", "[" source "]", LF.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace morfenaar::testing {

struct Record {
  std::string hebrew;
  std::string dutch;
  std::string tag;     // without the braces
  std::string source;  // the source tag, brackets included
};

// Parses one record without its LF; false when the layout is off.
inline bool parseRecord(std::string_view line, Record& record) {
  if (!line.starts_with('#')) return false;
  std::size_t tab1 = line.find('\t');
  std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
  if (tab2 == std::string_view::npos || line.find('\t', tab2 + 1) != std::string_view::npos) {
    return false;
  }
  std::string_view last = line.substr(tab2 + 1);
  std::size_t close = last.find('}');
  if (!last.starts_with('{') || close == std::string_view::npos) return false;
  std::string_view source = last.substr(close + 1);
  if (source.size() < 2 || !source.starts_with('[') || !source.ends_with(']')) return false;
  record.hebrew = line.substr(1, tab1 - 1);
  record.dutch = line.substr(tab1 + 1, tab2 - tab1 - 1);
  record.tag = last.substr(1, close - 1);
  record.source = source;
  return true;
}

// Splits output into records; a NUL byte, a malformed record or a last
// record without LF fails the test.
inline std::vector<Record> parseRecords(std::string_view out) {
  std::vector<Record> records;
  EXPECT_EQ(out.find('\0'), std::string_view::npos) << "NUL byte in the output";
  while (!out.empty()) {
    std::size_t lf = out.find('\n');
    if (lf == std::string_view::npos) {
      ADD_FAILURE() << "record without LF: " << out;
      break;
    }
    std::string_view line = out.substr(0, lf);
    out.remove_prefix(lf + 1);
    Record record;
    if (parseRecord(line, record)) {
      records.push_back(std::move(record));
    } else {
      ADD_FAILURE() << "malformed record: " << line;
    }
  }
  return records;
}

}  // namespace morfenaar::testing
