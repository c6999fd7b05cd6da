#include "driver/entry.h"

#include <array>
#include <string_view>

#include "driver/messages.h"
#include "dutch/texts.h"
#include "dutch/woord.h"
#include "hebrew/paradigm.h"
#include "hebrew/root.h"
#include "support/log.h"
#include "support/strings.h"

namespace morfenaar {

namespace {

// The parsed gloss and the Dutch texts of the entry being handled. The
// objects are reused from entry to entry (reset for each), so that their
// storage is kept.
Woord& entryWoord() {
  static Woord woord;
  return woord;
}

DutchTexts& entryTexts() {
  static DutchTexts texts;
  return texts;
}

// The verb's Dutch forms in the log: present singular and plural, then the
// perfect, the future, the simple past and the imperative, indented by one
// to four TABs. The five lines are made one after the other in one buffer
// and logged together, each as a whole line of its own.
void logForms(DutchTexts& texts) {
  // One buffer for the lines of every entry: no allocation once it is long
  // enough.
  static TextBuffer buffer;
  buffer.clear();
  std::array<std::size_t, 6> ends{};
  {
    // Both presents are kept by `texts`, each in a slot of its own.
    const std::string_view singular = texts.tegenw("s");
    const std::string_view plural = texts.tegenw("p");
    char* at = buffer.grow(singular.size() + 3 + plural.size() + 1);
    at = copyBytes(at, singular.data(), singular.size());
    at = copyBytes(at, " / ", 3);
    at = copyBytes(at, plural.data(), plural.size());
    *at = '\n';
  }
  ends[1] = buffer.size();
  // Each further line written in place into room taken for it whole.
  auto addLine = [&ends](std::size_t line, std::string_view indent, const ShapedText& text) {
    char* at = buffer.grow(indent.size() + text.size() + 1);
    at = copyBytes(at, indent.data(), indent.size());
    at = text.writeTo(at);
    *at = '\n';
    ends[line + 1] = buffer.size();
  };
  constexpr int k1p = personIndex("1p");
  addLine(1, "\t", texts.perf(k1p));
  addLine(2, "\t\t", texts.toek(k1p));
  addLine(3, "\t\t\t", texts.ovt(k1p));
  addLine(4, "\t\t\t\t", ShapedText{.whole = texts.geb("p")});
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
  DutchTexts& texts = entryTexts();
  texts.reset(woord);
  diagnostics += woord.messages();
  if (woord.isFatal()) return EntryStatus::Fatal;
  if (!woord.isOk()) {
    diagnostics += kRefusedWarning;
    return EntryStatus::Done;
  }
  logForms(texts);

  switch (writeParadigm(entry.klasse, entry.root, texts, entry.sourceTag, out)) {
    case ParadigmStatus::RootTooShort:
      diagnostics += shortRootMessage(entry.klasse, entry.sourceTag);
      break;
    case ParadigmStatus::ForeignRoot:
      diagnostics += foreignRootMessage(entry.sourceTag);
      break;
    case ParadigmStatus::NoClassPrefix:
      diagnostics += classPrefixMessage(entry.klasse, classPrefix(entry.klasse), entry.sourceTag);
      break;
    case ParadigmStatus::Written:
    case ParadigmStatus::UnknownClass:
      break;
  }
  return EntryStatus::Done;
}

}  // namespace morfenaar
