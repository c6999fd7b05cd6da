// TextPieces: a Dutch text kept as the pieces it is made of; FormShape: a
// Dutch form of one entry split into the pieces that every person shares
// and those that come from the person tables.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dutch/tables.h"
#include "support/strings.h"

namespace morfenaar {

// A Dutch text as the pieces it is made of, in reading order, not joined:
// a writer copies them straight to where the text goes. The pieces point
// into the Woord that made them and into the person tables, so they stay
// valid until that Woord is given another gloss. Empty pieces are left out.
class TextPieces {
 public:
  static constexpr std::size_t kMaxPieces = 8;  // as many as a form needs

  TextPieces() = default;
  explicit TextPieces(std::string_view text) { add(text); }

  void add(std::string_view piece) {
    if (piece.empty()) return;
    if (count_ == kMaxPieces) std::abort();  // a form of more pieces
    data_[count_] = piece.data();
    sizes_[count_++] = piece.size();
    size_ += piece.size();
  }
  // The bytes of the whole text.
  std::size_t size() const { return size_; }
  // Copies the text to `at`, which has room for size() bytes; returns its end.
  char* writeTo(char* at) const {
    for (std::size_t i = 0; i < count_; ++i) at = copyBytes(at, data_[i], sizes_[i]);
    return at;
  }
  // The text joined into `text`, replacing what it held.
  void assignTo(std::string& text) const {
    text.resize(size_);
    writeTo(text.data());
  }
  std::string str() const {
    std::string text;
    assignTo(text);
    return text;
  }

 private:
  // Left uninitialised: only the first count_ are ever read.
  const char* data_[kMaxPieces];
  std::size_t sizes_[kMaxPieces];
  std::size_t count_ = 0;
  std::size_t size_ = 0;
};

// A form of one entry (the perfect, the future or the simple past) as the
// Woord's parts that do not depend on the person, found once per entry, and
// the cells of the person tables that go between them. For a person row
// the text is the row's head cell, the body (one for the singular rows and
// one for the plural rows) and, for a form with a pronoun, the row's
// reflexive pronoun and the tail. A form that does not have this shape has
// no head; its text is built piece by piece instead.
struct FormShape {
  std::string_view PersonCells::*head = nullptr;
  std::string_view singularBody;
  std::string_view pluralBody;
  std::string_view tail;
  bool pronoun = false;

  bool fits() const { return head != nullptr; }
  // Calls `part` with each part of the text for the row `cells`, in
  // order; `plural` says whether it is a plural row.
  template <class Part>
  void forEachPart(const PersonCells& cells, bool plural, Part&& part) const {
    part(cells.*head);
    part(plural ? pluralBody : singularBody);
    if (pronoun) {
      part(cells.zich);
      part(tail);
    }
  }
  // The text for the row `cells` as pieces.
  TextPieces pieces(const PersonCells& cells, bool plural) const {
    TextPieces text;
    forEachPart(cells, plural, [&text](std::string_view piece) { text.add(piece); });
    return text;
  }
};

// The text of a form for one person row as a writer copies it: the
// shape's parts with the row's cells between them, or, for a form of
// another shape, the whole text as built.
struct ShapedText {
  const FormShape* shape = nullptr;  // nullptr: `whole` is the text
  const PersonCells* cells = nullptr;
  bool plural = false;
  std::string_view whole;

  std::size_t size() const {
    if (shape == nullptr) return whole.size();
    std::size_t bytes = 0;
    shape->forEachPart(*cells, plural, [&bytes](std::string_view part) { bytes += part.size(); });
    return bytes;
  }
  // Copies the text to `at`, which has room for size() bytes; returns its end.
  char* writeTo(char* at) const {
    if (shape == nullptr) return copyBytes(at, whole.data(), whole.size());
    shape->forEachPart(*cells, plural, [&at](std::string_view part) {
      at = copyBytes(at, part.data(), part.size());
    });
    return at;
  }
  std::string str() const {
    std::string text(size(), '\0');
    writeTo(text.data());
    return text;
  }
};

}  // namespace morfenaar
