#include "hebrew/paradigm.h"

#include "hebrew/future.h"
#include "hebrew/imperative.h"
#include "hebrew/infinitive.h"
#include "hebrew/participle.h"
#include "hebrew/past.h"
#include "hebrew/root.h"

namespace morfenaar {

ParadigmStatus writeParadigm(int klasse, std::string_view root, Woord& woord,
                             std::string_view source, std::string& out) {
  if (!isKnownClass(klasse)) return ParadigmStatus::UnknownClass;
  if (root.size() < minimumRootLength(klasse)) return ParadigmStatus::RootTooShort;
  AnalysedRoot analysed = analyseRoot(klasse, root);
  writePast(analysed, woord, source, out);
  writeParticiples(analysed, woord, source, out);
  writeFuture(analysed, woord, source, out);
  writeImperative(analysed, woord, source, out);
  writeInfinitive(analysed, woord, source, out);
  return ParadigmStatus::Written;
}

}  // namespace morfenaar
