// Hebrew letters as the second alphabet of roots and forms. A root typed in
// Hebrew letters (UTF-8) is read as its Latin twin, one transliteration
// letter per Hebrew letter, so that the root analysis and the generators run
// on it unchanged; the forms they make from the twin are then written back
// in Hebrew letters, with the root's own shin, sin or samekh for every S and
// the last letter of a form in its final shape.
//
//   א A  ב B  ג G  ד D  ה E  ו W  ז Z  ח H  ט J  י I  כ ך K
//   ל L  מ ם M  נ ן N  ס S  ע O  פ ף P  צ ץ C  ק Q  ר R  ש S  ת T
//
// The one exception is the whole class-1 root יצא: it is the special root
// kRootUitgaan of the generators, I 0xDF A, the byte 0xDF standing for its צ.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morfenaar {

struct HebrewRoot {
  std::string latin;  // the Latin twin that the analysis reads
  // The root's ס and ש letters in order, each as typed (a ש with its shin
  // or sin dot, if it has one); views into the typed root.
  std::vector<std::string_view> sLetters;
};

// Reads `root` (the first field from its third byte on) as Hebrew letters:
// U+05D0 to U+05EA, final shapes counting as their ordinary letters, and a
// shin dot or sin dot (U+05C1, U+05C2) after ש. Empty when the root holds
// anything else (a Latin letter, a vowel point, invalid UTF-8) or nothing.
std::optional<HebrewRoot> readHebrewRoot(int klasse, std::string_view root);

// Appends the Latin form `form` in Hebrew letters. The i-th S of the form
// takes the root's i-th S letter (the last one when the form has more S
// than the root), so a root with one kind of S letter gives it to every S.
void appendHebrewForm(std::string& out, std::string_view form, const HebrewRoot& root);

}  // namespace morfenaar
