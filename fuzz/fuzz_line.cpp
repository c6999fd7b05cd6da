// Fuzzes the whole path of one input line: the reader, the gloss parser,
// every Dutch form method, the reading of a root in Hebrew letters, the root
// analysis, every generator, the forms in Hebrew letters and the record
// writer. The log is left out (it would write a file on every run), but
// every Dutch form that the log would hold is built. A gloss that would end the run is only
// parsed: ending the process is the driver's business. Roots go through
// writeParadigm as in the program, so a root that is neither Latin nor
// Hebrew letters gets no records here either. The first byte of the input
// chooses the rule set: odd for the modern rules, even for the default.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "driver/reader.h"
#include "driver/record_writer.h"
#include "dutch/tables.h"
#include "dutch/woord.h"
#include "hebrew/paradigm.h"

namespace {

using namespace morfenaar;

const char* const kCodes[] = {"1s", "2s", "3s", "3sf", "1p", "2p", "3p", "s", "p"};

// Output must never carry a NUL byte.
void checkText(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) std::abort();
}

void exerciseForms(const Woord& woord) {
  for (const char* code : kCodes) {
    checkText(woord.tegenw(code));
    checkText(woord.geb(code));
    checkText(woord.ovt(code));
  }
  for (int i = 0; i < 7; ++i) {
    checkText(woord.perf(kCodes[i]));
    checkText(woord.toek(kCodes[i]));
  }
  checkText(woord.onbep());
}

void processLine(std::string_view line, Rules rules) {
  Entry entry;
  if (splitLine(line, entry) != LineKind::Entry) return;
  Woord woord(entry.gloss);
  checkText(woord.messages());
  if (!woord.isOk()) return;
  exerciseForms(woord);
  // Every class number, whatever the digit says, so that each generator
  // meets every root.
  for (int klasse = 1; klasse <= 7; ++klasse) {
    std::string out;
    writeParadigm(
        klasse, entry.root, woord,
        [&](const Record& record) { writeRecord(out, record, entry.sourceTag); }, rules);
    checkText(out);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  init();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const Rules rules = size > 0 && (data[0] & 1) != 0 ? Rules::Modern : Rules::Default;
  while (!input.empty()) {
    std::size_t end = input.find('\n');
    std::size_t take = end == std::string_view::npos ? input.size() : end + 1;
    processLine(input.substr(0, take), rules);
    input.remove_prefix(take);
  }
  return 0;
}
