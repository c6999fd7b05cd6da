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

// Shortest root, in letters, that the analysis can read for a class:
// 1 for class 1, 3 for class 5, 2 for the other classes.
std::size_t minimumRootLength(int klasse);

// Analyses `root` for `klasse`. The root must be at least
// minimumRootLength(klasse) letters long for classes 1 to 7; for other class
// numbers only the flags are set (from empty radicals).
AnalysedRoot analyseRoot(int klasse, std::string_view root);

}  // namespace morfenaar
