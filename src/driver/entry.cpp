#include "driver/entry.h"

#include "driver/messages.h"
#include "dutch/texts.h"
#include "dutch/woord.h"
#include "hebrew/paradigm.h"
#include "support/log.h"

namespace morfenaar {

namespace {

// The Dutch texts of the entry being handled. The one object is reused
// from entry to entry (reset for each), so that its storage is kept.
DutchTexts& entryTexts() {
  static DutchTexts texts;
  return texts;
}

// The verb's Dutch forms in the log: present singular and plural, then the
// perfect, the future, the simple past and the imperative, indented by one
// to four TABs. Each log call is one whole line.
void logForms(DutchTexts& texts) {
  std::string line;
  line.reserve(128);
  line.append(texts.tegenw("s")).append(" / ").append(texts.tegenw("p")).append("\n");
  log(line);
  auto logLine = [&line](std::string_view indent, const std::string& text) {
    line.assign(indent).append(text).append("\n");
    log(line);
  };
  logLine("\t", texts.perf("1p"));
  logLine("\t\t", texts.toek("1p"));
  logLine("\t\t\t", texts.ovt("1p"));
  logLine("\t\t\t\t", texts.geb("p"));
}

}  // namespace

EntryStatus processEntry(const Entry& entry, std::string& out, std::string& diagnostics) {
  Woord woord(entry.gloss);
  // Nothing of an earlier entry may reach this one's records or log.
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
