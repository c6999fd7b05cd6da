#include "hebrew/paradigm.h"

#include <optional>
#include <string>

#include "hebrew/future.h"
#include "hebrew/imperative.h"
#include "hebrew/infinitive.h"
#include "hebrew/letters.h"
#include "hebrew/modern/modern.h"
#include "hebrew/participle.h"
#include "hebrew/past.h"
#include "hebrew/root.h"

namespace morfenaar {

ParadigmStatus writeParadigm(int klasse, std::string_view root, const Woord& woord,
                             const RecordSink& sink, Rules rules) {
  if (!isKnownClass(klasse)) return ParadigmStatus::UnknownClass;
  std::optional<HebrewRoot> hebrew = readHebrewRoot(klasse, root);
  std::string_view letters = hebrew ? std::string_view(hebrew->latin) : root;
  if (letters.size() < minimumRootLength(klasse)) return ParadigmStatus::RootTooShort;
  if (!hebrew && !isLatinRoot(root)) return ParadigmStatus::ForeignRoot;
  if (!hasClassPrefix(klasse, letters)) return ParadigmStatus::NoClassPrefix;
  AnalysedRoot analysed = analyseRoot(klasse, letters);

  // The generators make their forms from the Latin twin; a record of a
  // Hebrew root gets its form in Hebrew letters before it is handed on.
  std::string form;
  const RecordSink inHebrew = [&](const Record& latin) {
    form.clear();
    appendHebrewForm(form, latin.hebrew, *hebrew);
    Record record = latin;
    record.hebrew = form;
    sink(record);
  };
  const RecordSink& out = hebrew ? inHebrew : sink;
  if (rules == Rules::Modern) {
    modern::writePast(analysed, woord, out);
    modern::writeParticiples(analysed, woord, out);
    modern::writeFuture(analysed, woord, out);
    modern::writeImperative(analysed, woord, out);
    modern::writeInfinitive(analysed, woord, out);
    return ParadigmStatus::Written;
  }
  writePast(analysed, woord, out);
  writeParticiples(analysed, woord, out);
  writeFuture(analysed, woord, out);
  writeImperative(analysed, woord, out);
  writeInfinitive(analysed, woord, out);
  return ParadigmStatus::Written;
}

}  // namespace morfenaar
