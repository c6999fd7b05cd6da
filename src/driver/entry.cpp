#include "driver/entry.h"

#include "driver/messages.h"
#include "dutch/woord.h"
#include "hebrew/future.h"
#include "hebrew/imperative.h"
#include "hebrew/infinitive.h"
#include "hebrew/letters.h"
#include "hebrew/participle.h"
#include "hebrew/past.h"
#include "hebrew/root.h"
#include "support/log.h"

namespace morfenaar {

namespace {

// The verb's Dutch forms in the log: present singular and plural, then the
// perfect, the future, the simple past and the imperative, indented by one
// to four TABs. Each log call is one whole line.
void logForms(Woord& woord) {
  std::string line = woord.tegenw("s");
  line.append(" / ").append(woord.tegenw("p")).append("\n");
  log(line);
  log(std::string("\t").append(woord.perf("1p")).append("\n"));
  log(std::string("\t\t").append(woord.toek("1p")).append("\n"));
  log(std::string("\t\t\t").append(woord.ovt("1p")).append("\n"));
  log(std::string("\t\t\t\t").append(woord.geb("p")).append("\n"));
}

bool isKnownClass(int klasse) { return klasse >= 1 && klasse <= 7; }

}  // namespace

EntryStatus processEntry(const Entry& entry, std::string& out, std::string& diagnostics) {
  Woord woord(entry.gloss);
  diagnostics += woord.messages();
  if (woord.isFatal()) return EntryStatus::Fatal;
  if (!woord.isOk()) {
    diagnostics += kRefusedWarning;
    return EntryStatus::Done;
  }
  logForms(woord);

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
  writePast(root, woord, entry.sourceTag, out);
  writeParticiples(root, woord, entry.sourceTag, out);
  writeFuture(root, woord, entry.sourceTag, out);
  writeImperative(root, woord, entry.sourceTag, out);
  writeInfinitive(root, woord, entry.sourceTag, out);
  if (hebrew) writeFormsInHebrew(out, firstRecord, *hebrew);
  return EntryStatus::Done;
}

}  // namespace morfenaar
