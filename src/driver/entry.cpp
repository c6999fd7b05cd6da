#include "driver/entry.h"

#include "driver/messages.h"
#include "dutch/woord.h"
#include "hebrew/paradigm.h"
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
