#include "driver/entry.h"

#include <string>
#include <string_view>

#include "driver/format.h"
#include "driver/messages.h"
#include "dutch/woord.h"
#include "hebrew/paradigm.h"
#include "hebrew/root.h"
#include "support/log.h"

namespace morfenaar {

namespace {

// The parsed gloss of the entry being handled, reused from entry to entry
// (reset for each) so that its storage is kept.
Woord& entryWoord() {
  static Woord woord;
  return woord;
}

// The verb's Dutch forms in the log: present singular and plural, then the
// perfect, the future, the simple past and the imperative, indented by one
// to four TABs. The five lines are logged together, with one write.
void logForms(const Woord& woord) {
  // clang-format off
  const std::string_view pieces[] = {
      woord.tegenw("s"), " / ", woord.tegenw("p"), "\n",
      "\t",       woord.perf("1p"), "\n",
      "\t\t",     woord.toek("1p"), "\n",
      "\t\t\t",   woord.ovt("1p"),  "\n",
      "\t\t\t\t", woord.geb("p"),   "\n"};
  // clang-format on
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string lines;
  lines.reserve(size);
  for (std::string_view piece : pieces) lines += piece;
  log(lines);
}

}  // namespace

EntryStatus processEntry(const Entry& entry, std::string& out, std::string& diagnostics,
                         Rules rules) {
  // Nothing of an earlier entry may reach this one's records or log.
  Woord& woord = entryWoord();
  woord.reset(entry.gloss, rules);
  diagnostics += woord.messages();
  if (woord.isFatal()) return EntryStatus::Fatal;
  if (!woord.isOk()) {
    diagnostics += kRefusedWarning;
    return EntryStatus::Done;
  }
  logForms(woord);

  const RecordSink sink = [&](const Record& record) { writeFormatted(out, record, entry); };
  switch (writeParadigm(entry.klasse, entry.root, woord, sink, rules)) {
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
  endVerb(out, entry);
  return EntryStatus::Done;
}

}  // namespace morfenaar
