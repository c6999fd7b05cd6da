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

ParadigmStatus writeParadigm(int klasse, std::string_view root, const Woord& woord,
                             std::string_view source, TextBuffer& out) {
  if (!isKnownClass(klasse)) return ParadigmStatus::UnknownClass;
  std::optional<HebrewRoot> hebrew = readHebrewRoot(klasse, root);
  std::string_view letters = hebrew ? std::string_view(hebrew->latin) : root;
  if (letters.size() < minimumRootLength(klasse)) return ParadigmStatus::RootTooShort;
  if (!hebrew && !isLatinRoot(root)) return ParadigmStatus::ForeignRoot;
  AnalysedRoot analysed = analyseRoot(klasse, letters);
  std::size_t firstRecord = out.size();
  writePast(analysed, woord, source, out);
  writeParticiples(analysed, woord, source, out);
  writeFuture(analysed, woord, source, out);
  writeImperative(analysed, woord, source, out);
  writeInfinitive(analysed, woord, source, out);
  if (hebrew) writeFormsInHebrew(out, firstRecord, *hebrew);
  return ParadigmStatus::Written;
}

}  // namespace morfenaar
