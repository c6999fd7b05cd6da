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
#include "hebrew/pointed/pointed.h"
#include "hebrew/root.h"

namespace morfenaar {

namespace {

// The S letters of a Hebrew root as the pointed forms write them: ס is
// samekh, ש with the sin dot sin, and ש with the shin dot or none shin.
pointed::SLetters pointedSLetters(const HebrewRoot& root) {
  pointed::SLetters s;
  for (std::string_view letter : root.sLetters) {
    if (letter == "\u05E1") {
      s.push_back(pointed::SLetter::Samekh);
    } else if (letter.ends_with("\u05C2")) {
      s.push_back(pointed::SLetter::Sin);
    } else {
      s.push_back(pointed::SLetter::Shin);
    }
  }
  return s;
}

// The five blocks of the unpointed rule sets, in output order.
void writeBlocks(const AnalysedRoot& analysed, const Woord& woord, const RecordSink& sink,
                 Rules rules) {
  if (rules == Rules::Modern) {
    modern::writePast(analysed, woord, sink);
    modern::writeParticiples(analysed, woord, sink);
    modern::writeFuture(analysed, woord, sink);
    modern::writeImperative(analysed, woord, sink);
    modern::writeInfinitive(analysed, woord, sink);
    return;
  }
  writePast(analysed, woord, sink);
  writeParticiples(analysed, woord, sink);
  writeFuture(analysed, woord, sink);
  writeImperative(analysed, woord, sink);
  writeInfinitive(analysed, woord, sink);
}

}  // namespace

ParadigmStatus writeParadigm(int klasse, std::string_view root, const Woord& woord,
                             const RecordSink& sink, Rules rules) {
  if (!isKnownClass(klasse)) return ParadigmStatus::UnknownClass;
  std::optional<HebrewRoot> hebrew = readHebrewRoot(klasse, root);
  std::string_view letters = hebrew ? std::string_view(hebrew->latin) : root;
  if (letters.size() < minimumRootLength(klasse)) return ParadigmStatus::RootTooShort;
  if (!hebrew && !isLatinRoot(root)) return ParadigmStatus::ForeignRoot;
  if (!hasClassPrefix(klasse, letters)) return ParadigmStatus::NoClassPrefix;
  AnalysedRoot analysed = analyseRoot(klasse, letters);

  if (rules == Rules::Pointed) {
    const pointed::SLetters s = hebrew ? pointedSLetters(*hebrew) : pointed::SLetters{};
    pointed::writePast(analysed, s, woord, sink);
    pointed::writeParticiples(analysed, s, woord, sink);
    pointed::writeFuture(analysed, s, woord, sink);
    pointed::writeImperative(analysed, s, woord, sink);
    pointed::writeInfinitive(analysed, s, woord, sink);
    return ParadigmStatus::Written;
  }

  if (!hebrew) {
    writeBlocks(analysed, woord, sink, rules);
    return ParadigmStatus::Written;
  }
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
  writeBlocks(analysed, woord, inHebrew, rules);
  return ParadigmStatus::Written;
}

}  // namespace morfenaar
