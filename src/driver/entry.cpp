#include "driver/entry.h"

#include <array>
#include <string_view>

#include "driver/messages.h"
#include "dutch/woord.h"
#include "hebrew/paradigm.h"
#include "support/log.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// The parsed gloss of the entry being handled, reset for each entry, so
// that its storage is kept.
Woord& entryWoord() {
  static Woord woord;
  return woord;
}

// The verb's Dutch forms in the log: present singular and plural, then the
// perfect, the future, the simple past and the imperative, indented by one
// to four TABs. The five lines are made one after the other in one buffer
// and logged together, each as a whole line of its own.
void logForms(const Woord& woord) {
  // One buffer for the lines of every entry: no allocation once it is long
  // enough.
  static TextBuffer buffer;
  buffer.clear();
  std::array<std::size_t, 6> ends{};
  {
    const std::string_view singular = woord.tegenw("s");
    const std::string_view plural = woord.tegenw("p");
    char* at = buffer.grow(singular.size() + 3 + plural.size() + 1);
    at = copyBytes(at, singular.data(), singular.size());
    at = copyBytes(at, " / ", 3);
    at = copyBytes(at, plural.data(), plural.size());
    *at = '\n';
  }
  ends[1] = buffer.size();
  // Each further line written in place into room taken for it whole.
  auto addLine = [&ends](std::size_t line, std::string_view indent, std::string_view text) {
    char* at = buffer.grow(indent.size() + text.size() + 1);
    at = copyBytes(at, indent.data(), indent.size());
    at = copyBytes(at, text.data(), text.size());
    *at = '\n';
    ends[line + 1] = buffer.size();
  };
  addLine(1, "\t", woord.perf("1p"));
  addLine(2, "\t\t", woord.toek("1p"));
  addLine(3, "\t\t\t", woord.ovt("1p"));
  addLine(4, "\t\t\t\t", woord.geb("p"));
  std::array<std::string_view, 5> lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    lines[i] = buffer.view().substr(ends[i], ends[i + 1] - ends[i]);
  }
  log(lines);
}

}  // namespace

EntryStatus processEntry(const Entry& entry, TextBuffer& out, std::string& diagnostics) {
  // Nothing of an earlier entry may reach this one's records or log.
  Woord& woord = entryWoord();
  woord.reset(entry.gloss);
  diagnostics += woord.messages();
  if (woord.isFatal()) return EntryStatus::Fatal;
  if (!woord.isOk()) {
    diagnostics += kRefusedWarning;
    return EntryStatus::Done;
  }
  logForms(woord);

  switch (writeParadigm(entry.klasse, entry.root, woord, entry.sourceTag, out)) {
    case ParadigmStatus::RootTooShort:
      diagnostics += shortRootMessage(entry.klasse, entry.sourceTag);
      break;
    case ParadigmStatus::ForeignRoot:
      diagnostics += foreignRootMessage(entry.sourceTag);
      break;
    case ParadigmStatus::Written:
    case ParadigmStatus::UnknownClass:
      break;
  }
  return EntryStatus::Done;
}

}  // namespace morfenaar
