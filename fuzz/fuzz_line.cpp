// Fuzzes the whole path of one input line: the reader, the gloss parser,
// every Dutch form method, the reading of a root in Hebrew letters, the root
// analysis, every generator, the forms in Hebrew letters and the writer of
// one output format. The input's first byte chooses the rule set and the
// format. The log is left out (it would write a file on every run), but
// every Dutch form that the log would hold is built. A gloss that would end
// the run is only parsed: ending the process is the driver's business.
// Roots go through writeParadigm as in the program, so a root that is
// neither Latin nor Hebrew letters gets no records here either.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "driver/format.h"
#include "driver/reader.h"
#include "dutch/tables.h"
#include "dutch/woord.h"
#include "hebrew/paradigm.h"
#include "support/utf8.h"

namespace {

using namespace morfenaar;

const char* const kCodes[] = {"1s", "2s", "3s", "3sf", "1p", "2p", "3p", "s", "p"};

constexpr Rules kRules[] = {Rules::Default, Rules::Modern, Rules::Pointed};
constexpr Format kFormats[] = {Format::Records, Format::Tsv, Format::Jsonl, Format::Unimorph,
                               Format::Html};

// Output must never carry a NUL byte, and text made from valid UTF-8 is
// valid UTF-8: no rule cuts a letter in two.
void checkText(std::string_view text, bool validInput) {
  if (text.find('\0') != std::string_view::npos) std::abort();
  if (validInput && !isValidUtf8(text)) std::abort();
}

// Every format but the records writes valid UTF-8 whatever the input, and
// JSON strings never hold a raw control character.
void checkOutput(std::string_view out, bool validInput) {
  checkText(out, validInput);
  if (outputFormat() == Format::Records) return;
  if (!isValidUtf8(out)) std::abort();
  if (outputFormat() != Format::Jsonl) return;
  for (char c : out) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\n') std::abort();
  }
}

void exerciseForms(const Woord& woord, bool validGloss) {
  for (const char* code : kCodes) {
    checkText(woord.tegenw(code), validGloss);
    checkText(woord.geb(code), validGloss);
    checkText(woord.ovt(code), validGloss);
  }
  for (int i = 0; i < 7; ++i) {
    checkText(woord.perf(kCodes[i]), validGloss);
    checkText(woord.toek(kCodes[i]), validGloss);
  }
  checkText(woord.onbep(), validGloss);
}

void processLine(std::string_view line, Rules rules) {
  Entry entry;
  if (splitLine(line, entry) != LineKind::Entry) return;
  Woord woord(entry.gloss, rules);
  const bool validLine = isValidUtf8(line);
  checkText(woord.messages(), isValidUtf8(entry.gloss));
  if (!woord.isOk()) return;
  exerciseForms(woord, isValidUtf8(entry.gloss));
  // Every class number, whatever the digit says, so that each generator
  // meets every root.
  for (int klasse = 1; klasse <= 7; ++klasse) {
    entry.klasse = klasse;
    std::string out;
    beginOutput(out);
    writeParadigm(
        klasse, entry.root, woord,
        [&](const Record& record) { writeFormatted(out, record, entry); }, rules);
    endVerb(out, entry);
    endOutput(out);
    checkOutput(out, validLine);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  init();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.empty()) return 0;
  // The first byte chooses the rule set (its value modulo 3) and the
  // format (the rest). It stays part of the first line, so that the seeds
  // keep their first entry.
  const auto first = static_cast<unsigned char>(input.front());
  const Rules rules = kRules[first % std::size(kRules)];
  setOutputFormat(kFormats[first / std::size(kRules) % std::size(kFormats)]);
  setPronunciation(rules == Rules::Pointed ? Pronunciation::With : Pronunciation::Without);
  while (!input.empty()) {
    std::size_t end = input.find('\n');
    std::size_t take = end == std::string_view::npos ? input.size() : end + 1;
    processLine(input.substr(0, take), rules);
    input.remove_prefix(take);
  }
  return 0;
}
