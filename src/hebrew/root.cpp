#include "hebrew/root.h"

#include <algorithm>

#include "support/strings.h"

namespace morfenaar {

namespace {

// The letter at `i`, or NUL past the end of the root.
char letterAt(std::string_view root, std::size_t i) { return i < root.size() ? root[i] : '\0'; }

// Letters R[1] to R[count] of the root.
std::string fromSecond(std::string_view root, std::size_t count) {
  return std::string(root.substr(1, count));
}

void analyseClass5(AnalysedRoot& a) {
  std::string_view r = a.root;
  std::size_t n = r.size();
  a.rad1 = r[1];
  a.rad2 = r[2];
  if (n == 3 && r[2] == 'E') {
    a.variant = kVariantFinalE;
    a.stem = fromSecond(r, 1);
    a.rad3 = 'E';
  } else if (n == 3) {
    a.variant = kVariantThreeLetters;
    a.stem = fromSecond(r, 1);
    a.rad3 = r[2];
  } else if (r[n - 1] == 'A') {
    a.variant = kVariantFinalA;
    a.stem = fromSecond(r, n - 3);
    a.rad3 = 'A';
  } else if (r[1] == 'A') {
    a.variant = kVariantSecondA;
    a.stem = fromSecond(r, n - 3);
    a.rad3 = r[n - 1];
  } else if (n == 4 && r[2] == 'I') {
    a.variant = kVariantFourWithI;
    a.stem = fromSecond(r, n - 3);
    a.rad3 = r[3];
  } else if (n == 5 && r[1] == 'W') {
    a.variant = kVariantFiveWithW;
    a.stem = fromSecond(r, n - 3);
    a.rad3 = r[4];
  } else if (r[3] == 'E') {
    a.variant = kVariantFinalE;
    a.stem = fromSecond(r, n - 2);
    a.rad3 = r[3];
  } else {
    // Reads position 4 whatever the length: no letter for a four-letter
    // root, the fifth letter (not the last) for a longer one.
    a.variant = kVariantPlain;
    a.stem = fromSecond(r, n - 3);
    a.rad3 = letterAt(r, 4);
  }
}

void setFlags(AnalysedRoot& a) {
  a.r1IsA = a.rad1 == 'A';
  a.r1IsI = a.rad1 == 'I';
  a.r1IsN = a.rad1 == 'N' && a.rad2 != 'W';
  a.nunNun = a.rad1 == 'N' && a.rad3 == 'N';
  a.r2IsW = a.rad2 == 'W';
  a.r2IsI = a.rad2 == 'I';
  a.r2EqR3 = a.rad2 == a.rad3;
  a.r3IsA = a.rad3 == 'A';
  a.r2IsA = a.rad2 == 'A';
  a.r3IsE = a.rad3 == 'E';
}

}  // namespace

bool isKnownClass(int klasse) { return klasse >= 1 && klasse <= 7; }

std::size_t minimumRootLength(int klasse) {
  switch (klasse) {
    case 1:
      return 1;
    case 5:
      return 3;
    default:
      return 2;
  }
}

bool isLatinRoot(std::string_view root) {
  return std::ranges::all_of(root,
                             [](char c) { return (c >= 'A' && c <= 'Z') || c == kRootUitgaan[1]; });
}

std::string_view classPrefix(int klasse) {
  switch (klasse) {
    case 2:
      return "N";
    case 5:
    case 7:
      return "E";
    case 6:
      return "EW";
    default:
      return "";
  }
}

bool hasClassPrefix(int klasse, std::string_view root) {
  return root.starts_with(classPrefix(klasse));
}

std::string_view rootFrom(std::string_view root, std::size_t from) {
  return from < root.size() ? root.substr(from) : std::string_view{};
}

std::string_view ending7(const AnalysedRoot& root) { return endsWith(root.stem7, 'W') ? "" : "E"; }

std::string_view infinitiveEnding7(const AnalysedRoot& root) {
  if (root.variant != kVariantFinalE) return "";
  return endsWith(root.stem7, 'W') ? "T" : "WT";
}

AnalysedRoot analyseRoot(int klasse, std::string_view root) {
  AnalysedRoot a;
  a.klasse = klasse;
  a.root = root;
  std::size_t n = root.size();
  if (n >= minimumRootLength(klasse)) {
    switch (klasse) {
      case 1:
        a.rad1 = root[0];
        a.rad2 = letterAt(root, 1);
        a.rad3 = root[n - 1];
        break;
      case 2:
        a.rad1 = root[1];
        a.rad2 = letterAt(root, 2);
        a.rad3 = root[n - 1];
        a.stem = std::string(root.substr(0, n - 1));
        break;
      case 3:
      case 4:
        a.rad1 = root[0];
        a.rad2 = root[n - 2];
        a.rad3 = root[n - 1];
        break;
      case 5:
        analyseClass5(a);
        break;
      case 7:
        a.stem7 = std::string(root.substr(1));
        if (endsWith(root, "E")) {
          a.variant = kVariantFinalE;
          a.stem7.pop_back();
        }
        break;
      case 6:   // the generators read the root directly
      default:  // not a known class: nothing to read
        break;
    }
  }
  setFlags(a);
  return a;
}

}  // namespace morfenaar
