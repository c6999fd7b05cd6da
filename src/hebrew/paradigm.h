// The whole paradigm of one verb entry: the root analysis and then the five
// blocks of records in their fixed order, past tense, participles, future,
// imperative and infinitive, each block whole before the next.
//
// Every block has its writer, writeX(root, woord, sink), and all five keep
// the same contract: the records of `root` are handed to `sink` in output
// order, none for a class that has no such block nor for a class number
// outside 1 to 7; the Dutch text of every record comes from `woord`, the
// entry's parsed gloss; the root is at least minimumRootLength() letters
// long, no read goes outside it or its stems, and forms have no length
// limit.
#pragma once

#include <string_view>

#include "dutch/woord.h"
#include "hebrew/record.h"
#include "support/rules.h"

namespace morfenaar {

enum class ParadigmStatus {
  Written,        // the records of all five blocks were handed on
  UnknownClass,   // a class number outside 1 to 7: no records
  RootTooShort,   // fewer letters than minimumRootLength(klasse): no records
  ForeignRoot,    // neither Latin (isLatinRoot) nor Hebrew letters: no records
  NoClassPrefix,  // without the letters its class writes first (classPrefix): no records
};

// Analyses `root` for `klasse` and hands the records of the five blocks to
// `sink`. A root in Hebrew letters is analysed as its Latin twin, its
// length counted in letters, and the forms of its records are made in
// Hebrew letters (hebrew/letters.h). The class is tested first, then the
// length, then the alphabet, then the letters before the radicals (on the
// Latin twin of a Hebrew root). `rules` chooses the generators; with
// Rules::Pointed every form is pointed Hebrew (hebrew/pointed/pointed.h),
// whatever the root's alphabet, and a record carries its pronunciation.
ParadigmStatus writeParadigm(int klasse, std::string_view root, const Woord& woord,
                             const RecordSink& sink, Rules rules = Rules::Default);

}  // namespace morfenaar
