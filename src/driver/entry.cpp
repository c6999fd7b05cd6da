#include "driver/entry.h"

#include "driver/messages.h"
#include "dutch/texts.h"
#include "dutch/woord.h"
#include "hebrew/future.h"
#include "hebrew/imperative.h"
#include "hebrew/infinitive.h"
#include "hebrew/letters.h"
#include "hebrew/participle.h"
#include "hebrew/past.h"
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
// to four TABs. Each log call is one whole line.
void logForms(DutchTexts& texts) {
  // One buffer for the lines of every entry: no allocation once it is long
  // enough.
  static std::string line;
  line.clear();
  line.append(texts.tegenw("s")).append(" / ").append(texts.tegenw("p")).append("\n");
  log(line);
  // The line made with one change of its size rather than three appends.
  auto logLine = [](std::string_view indent, const std::string& text) {
    line.resize(indent.size() + text.size() + 1);
    char* at = copyBytes(line.data(), indent.data(), indent.size());
    at = copyBytes(at, text.data(), text.size());
    *at = '\n';
    log(line);
  };
  logLine("\t", texts.perf("1p"));
  logLine("\t\t", texts.toek("1p"));
  logLine("\t\t\t", texts.ovt("1p"));
  logLine("\t\t\t\t", texts.geb("p"));
}

bool isKnownClass(int klasse) { return klasse >= 1 && klasse <= 7; }

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

  if (!isKnownClass(entry.klasse)) return EntryStatus::Done;
  // A root in Hebrew letters is analysed and generated as its Latin twin;
  // its lengths are counted in letters. Its forms are written back in
  // Hebrew letters once all records of the entry are made.
  std::optional<HebrewRoot> hebrew = readHebrewRoot(entry.klasse, entry.root);
  std::string_view letters = hebrew ? std::string_view(hebrew->latin) : entry.root;
  if (letters.size() < minimumRootLength(entry.klasse)) {
    diagnostics += shortRootMessage(entry.klasse, entry.sourceTag);
    return EntryStatus::Done;
  }
  if (!hebrew && !isLatinRoot(entry.root)) {
    diagnostics += foreignRootMessage(entry.sourceTag);
    return EntryStatus::Done;
  }
  AnalysedRoot root = analyseRoot(entry.klasse, letters);
  std::size_t firstRecord = out.size();
  writePast(root, texts, entry.sourceTag, out);
  writeParticiples(root, texts, entry.sourceTag, out);
  writeFuture(root, texts, entry.sourceTag, out);
  writeImperative(root, texts, entry.sourceTag, out);
  writeInfinitive(root, texts, entry.sourceTag, out);
  if (hebrew) writeFormsInHebrew(out, firstRecord, *hebrew);
  return EntryStatus::Done;
}

}  // namespace morfenaar
