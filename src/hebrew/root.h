// Root analysis: splits the transliterated root of one verb entry into the
// radical letters, the stems and the weak-root flags that choose between the
// Hebrew form patterns. How the root is read depends on the class number:
// 1 qal, 2 nif'al, 3 pi'el, 4 pu'al, 5 hif'il, 6 huf'al, 7 hitpa'el.
//
// A radical that has no letter in the root (rad3 of a four-letter class-5
// root under the last class-5 rule, rad2 of a one-letter class-1 root and of
// a two-letter class-2 root) is the NUL character; the form patterns end a
// form where such a letter would stand.
//
// The weak-root flags are set from the radicals in the same way for every
// class. The class-2 rows test rad1 itself (W or I), not the flags.
//
// Also here: isKnownClass, the one test of the class range; the alphabet
// test of a Latin root; the letters that classes 2, 5, 6 and 7 write before
// the radicals; and the parts of the root that several generators use
// (rootFrom, ending7, infinitiveEnding7, the special root kRootUitgaan).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morfenaar {

// The sub-patterns (`variant`) of a class-5 root. analyseRoot takes the
// first that fits, in the order of the class-5 rules: a three-letter root
// ending in E is kVariantFinalE, not kVariantThreeLetters. Class 7 has only
// kVariantPlain and kVariantFinalE (a root ending in E).
inline constexpr int kVariantPlain = 0;         // none of the others: EKTIB
inline constexpr int kVariantThreeLetters = 1;  // three letters: EPR
inline constexpr int kVariantFinalA = 2;        // last letter A: EMCIA
inline constexpr int kVariantSecondA = 3;       // second letter A: EAKL
inline constexpr int kVariantFourWithI = 4;     // four letters, I third: EBIN
inline constexpr int kVariantFiveWithW = 5;     // five letters, W second: EWSIB
inline constexpr int kVariantFinalE = 7;        // EKE, or E fourth: ERBE

struct AnalysedRoot {
  int klasse = 0;         // class number of the entry
  std::string_view root;  // the root as written in the verb list
  char rad1 = '\0';
  char rad2 = '\0';
  char rad3 = '\0';
  std::string stem;             // classes 2 and 5: the part of the root copied whole
  std::string stem7;            // class 7: root without its first letter (and final E)
  int variant = kVariantPlain;  // classes 5 and 7, see above

  bool r1IsA = false;
  bool r1IsI = false;
  bool r1IsN = false;  // rad1 is N and rad2 is not W
  bool nunNun = false;
  bool r2IsW = false;
  bool r2IsI = false;
  bool r2EqR3 = false;
  bool r3IsA = false;
  bool r2IsA = false;
  bool r3IsE = false;
};

// True for the class numbers that have forms: 1 to 7. This is the one place
// that knows the range; the analysis and the generators leave every other
// number without radicals and without records.
bool isKnownClass(int klasse);

// Shortest root, in letters, that the analysis can read for a known class:
// 1 for class 1, 3 for class 5, 2 for the other classes.
std::size_t minimumRootLength(int klasse);

// True when every byte of `root` is a Latin capital letter A to Z or the
// byte 0xDF, which one special root holds. The forms are built from these
// bytes alone; a root with any other byte (lower case, a blank, a digit,
// a byte of a multi-byte UTF-8 letter) cannot be conjugated.
bool isLatinRoot(std::string_view root);

// The letters that the root of `klasse` begins with before its radicals:
// N for class 2, E for classes 5 and 7, EW for class 6, none for the others.
// The analysis reads the radicals from fixed positions after them.
std::string_view classPrefix(int klasse);

// True when the Latin root (or Latin twin) `root` begins with
// classPrefix(klasse).
bool hasClassPrefix(int klasse, std::string_view root);

// The root from its letter at 0-based position `from` on; empty for a root
// that is not that long.
std::string_view rootFrom(std::string_view root, std::size_t from);

// The root of the verb "go out" (יצא), the one special root with a byte
// outside A to Z: I, the byte 0xDF for its tsadi, A.
inline constexpr std::string_view kRootUitgaan(
    "I\xDF"
    "A",
    3);

// Class-7 ending of the past, participle, future and imperative forms:
// empty when `stem7` ends in W, "E" otherwise.
std::string_view ending7(const AnalysedRoot& root);

// Class-7 ending of the infinitive: empty, except for a root ending in E
// (kVariantFinalE), where it is "T" after a stem7 ending in W and "WT"
// after any other.
std::string_view infinitiveEnding7(const AnalysedRoot& root);

// Analyses `root` for `klasse`. A root shorter than minimumRootLength(klasse)
// and a class number that is not known get only the flags (from empty
// radicals).
AnalysedRoot analyseRoot(int klasse, std::string_view root);

}  // namespace morfenaar
