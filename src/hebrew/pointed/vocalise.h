// The pointed patterns of --niqqud and what is made of them: the form in
// Hebrew letters with vowel points, and its pronunciation in Dutch
// spelling.
//
// A pointed pattern spells a form letter by letter, each letter followed
// by its marks:
//
//   letters   A B G D E W Z H J I K L M N S O P C Q R T, as in the Latin
//             roots (E is he, H is het, J is tet, O is ayin, C is tsadi);
//             1 to 5 stand for the pattern's letter values in order
//   vowels    a patah   q qamats   e segol   y tsere   i hiriq
//             o holam   u qubuts   : shva   k qamats qatan
//             :a hataf patah   :e hataf segol   :o hataf qamats
//             ; a shva that is said (the prefix letter of the pi'el,
//               pu'al and hitpa'el future and participle: מְדַבֵּר)
//   .         dagesh forte; on W without a vowel, the shuruk (וּ)
//   '         the stress falls on this letter's vowel
//   _         no dagesh lene where the rule would write one (כִּתְבִי)
//
// Vowel letters are written as letters: "1Wo2y3" is כּוֹתֵב (holam male), "2.:1W." ends in
// shuruk, "iI" is hiriq male. What the letters ask for is added by rule:
//   - a root's N or T with a shva before the same letter of an ending
//     written once, doubled (נָתַנּוּ, כָּרַתִּי);
//   - a dagesh lene in B G D K P T at the start of the form and after a
//     silent shva (a shva is said, in the grammar's reading, at the start,
//     under a doubled letter, after another shva and after a long vowel
//     that is not stressed);
//   - a hataf patah for a said shva under A, E, H or O;
//   - a furtive patah under a last H or O after a vowel other than a;
//   - a shva under a last K, and the final shapes ך ם ן ף ץ;
//   - the shin dot or sin dot on S, and ס for samekh (PointedLetters).
// The marks of a letter are written in Unicode's canonical order (NFC). A
// letter of a Latin root that has no Hebrew letter (F, U, V, X, Y) is
// written as it is, and not said.
//
// The pronunciation is modern Israeli Hebrew in Dutch spelling, with the
// stressed vowel marked by an acute accent (on both letters of oe). The
// stress falls on the last vowel unless a ' says otherwise; a qamats
// qatan (k, or a qamats before a hataf qamats) is said o. A shva is said
// (e) as the second of two, under the first of two like letters, at the
// start under I, L, M, N or R or before alef, he or ayin, and where the
// pattern says so with ;.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "hebrew/pattern.h"

namespace morfenaar::pointed {

// How an S of a form is written: shin (שׁ, said sj), sin (שׂ, s) or
// samekh (ס, s).
enum class SLetter { Shin, Sin, Samekh };

// The S letters of a root in order. The i-th S of a form is written as
// the root's i-th (the last one when the form has more); a root without
// any, or typed in Latin letters, writes shin.
using SLetters = std::vector<SLetter>;

struct PointedForm {
  std::string hebrew;     // UTF-8, NFC
  std::string uitspraak;  // Dutch spelling, UTF-8
};

// The letter that the digit `c` (1 to 5) of a pattern stands for; NUL for
// any other character and for a value that `args` does not have.
char letterValue(char c, PatternArgs args);

// Makes the form of `pattern` with the letters `args` (a NUL letter or a
// missing value ends the form there).
PointedForm vocalise(std::string_view pattern, PatternArgs args, const SLetters& sLetters);

}  // namespace morfenaar::pointed
