#include "hebrew/paradigm.h"

#include <optional>

#include "hebrew/future.h"
#include "hebrew/imperative.h"
#include "hebrew/infinitive.h"
#include "hebrew/letters.h"
#include "hebrew/participle.h"
#include "hebrew/past.h"
#include "hebrew/root.h"

namespace morfenaar {

ParadigmStatus writeParadigm(int klasse, std::string_view root, DutchTexts& texts,
                             std::string_view source, TextBuffer& out) {
  if (!isKnownClass(klasse)) return ParadigmStatus::UnknownClass;
  std::optional<HebrewRoot> hebrew = readHebrewRoot(klasse, root);
  std::string_view letters = hebrew ? std::string_view(hebrew->latin) : root;
  if (letters.size() < minimumRootLength(klasse)) return ParadigmStatus::RootTooShort;
  if (!hebrew && !isLatinRoot(root)) return ParadigmStatus::ForeignRoot;
  if (!hasClassPrefix(klasse, letters)) return ParadigmStatus::NoClassPrefix;
  AnalysedRoot analysed = analyseRoot(klasse, letters);
  std::size_t firstRecord = out.size();
  writePast(analysed, texts, source, out);
  writeParticiples(analysed, texts, source, out);
  writeFuture(analysed, texts, source, out);
  writeImperative(analysed, texts, source, out);
  writeInfinitive(analysed, texts, source, out);
  if (hebrew) writeFormsInHebrew(out, firstRecord, *hebrew);
  return ParadigmStatus::Written;
}

}  // namespace morfenaar
