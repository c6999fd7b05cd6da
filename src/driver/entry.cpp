#include "driver/entry.h"

#include "driver/messages.h"
#include "dutch/texts.h"
#include "dutch/woord.h"
#include "hebrew/paradigm.h"
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
// to four TABs. Each log call is one whole line.
void logForms(DutchTexts& texts) {
  // One buffer for the lines of every entry: no allocation once it is long
  // enough.
  static std::string line;
  line.clear();
  line.append(texts.tegenw("s")).append(" / ").append(texts.tegenw("p")).append("\n");
  log(line);
  // The line made with one change of its size rather than three appends.
  auto logLine = [](std::string_view indent, const ShapedText& text) {
    line.resize(indent.size() + text.size() + 1);
    char* at = copyBytes(line.data(), indent.data(), indent.size());
    at = text.writeTo(at);
    *at = '\n';
    log(line);
  };
  constexpr int k1p = personIndex("1p");
  logLine("\t", texts.perf(k1p));
  logLine("\t\t", texts.toek(k1p));
  logLine("\t\t\t", texts.ovt(k1p));
  logLine("\t\t\t\t", ShapedText{.whole = texts.geb("p")});
}

}  // namespace

EntryStatus processEntry(const Entry& entry, std::string& out, std::string& diagnostics) {
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
    case ParadigmStatus::Written:
    case ParadigmStatus::UnknownClass:
      break;
  }
  return EntryStatus::Done;
}

}  // namespace morfenaar
