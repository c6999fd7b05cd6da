// Root analysis: splits the transliterated root of one verb entry into the
// radical letters, the stems and the weak-root flags that choose between the
// Hebrew form patterns. How the root is read depends on the class number:
// 1 qal, 2 nif'al, 3 pi'el, 4 pu'al, 5 hif'il, 6 huf'al, 7 hitpa'el.
//
// A radical that has no letter in the root (a four-letter class-5 root under
// the last class-5 rule, a one-letter class-1 root) is the NUL character;
// the form patterns end a form where such a letter would stand.
#pragma once

#include <string>
#include <string_view>

namespace morfenaar {

struct AnalysedRoot {
  int klasse = 0;         // class number of the entry
  std::string_view root;  // the root as written in the verb list
  char rad1 = '\0';
  char rad2 = '\0';
  char rad3 = '\0';
  std::string stem;   // classes 2 and 5: the part of the root copied whole
  std::string stem7;  // class 7: root without its first letter (and final E)
  int variant = 0;    // class 5: 0-5 or 7; class 7: 0 or 7

  bool r1IsA = false;
  bool r1IsI = false;  // class 2: rad1 is W
  bool r1IsN = false;  // class 2: rad1 is I
  bool nunNun = false;
  bool r2IsW = false;
  bool r2IsI = false;
  bool r2EqR3 = false;
  bool r3IsA = false;
  bool r2IsA = false;
  bool r3IsE = false;
};

// Shortest root, in letters, that the analysis can read for a class:
// 1 for class 1, 3 for class 5, 2 for the other classes.
std::size_t minimumRootLength(int klasse);

// True when every byte of `root` is a Latin capital letter A to Z or the
// byte 0xDF, which one special root holds. The forms are built from these
// bytes alone; a root with any other byte (lower case, a blank, a digit,
// a byte of a multi-byte UTF-8 letter) cannot be conjugated.
bool isLatinRoot(std::string_view root);

// Analyses `root` for `klasse`. The root must be at least
// minimumRootLength(klasse) letters long for classes 1 to 7; for other class
// numbers only the flags are set (from empty radicals).
AnalysedRoot analyseRoot(int klasse, std::string_view root);

}  // namespace morfenaar
