// Filling of the Hebrew form patterns. A pattern such as "%c%cTI" or a whole
// record format such as "#%c%cE\t%s\t{s}%s\n" is filled from a list of
// values: "%c" takes one letter, "%s" one text, in order. Values beyond the
// placeholders of a pattern are ignored.
//
// A letter that is NUL stands for a radical that the root does not have: the
// Hebrew form ends where it would stand. In a record format the Hebrew form
// is the part before the first TAB; the rest of the record (the Dutch text,
// the tag and the source tag) is written as usual.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "support/strings.h"

namespace morfenaar {

// One value for a placeholder: a letter for "%c", a text for "%s". Both
// are held side by side, so that a writer takes the one its placeholder
// wants without testing which it is.
struct PatternArg {
  constexpr PatternArg() = default;
  constexpr PatternArg(char value) : letter(value) {}
  constexpr PatternArg(std::string_view value) : text(value), isText(true) {}
  constexpr PatternArg(const char* value) : PatternArg(std::string_view(value)) {}
  PatternArg(const std::string& value) : PatternArg(std::string_view(value)) {}

  // The most bytes that the value adds to a form.
  constexpr std::size_t bytes() const { return isText ? text.size() : 1; }

  // A value that was never given ends the form whichever placeholder
  // takes it: a NUL letter, a text that is a NUL.
  static constexpr char kNul[1] = {'\0'};
  std::string_view text{kNul, 1};
  char letter = '\0';
  bool isText = false;
};
using PatternArgs = std::span<const PatternArg>;
using PatternArgList = std::initializer_list<PatternArg>;

// Appends `pattern` filled with `args` to `out`; stops at a NUL letter.
void fillPattern(std::string& out, std::string_view pattern, PatternArgs args);
std::string formatForm(std::string_view pattern, PatternArgs args);

// Appends one output record made from `format`: the placeholders before the
// first TAB take `hebrew`, those after it take `dutch` and then `source`.
void appendRecord(std::string& out, std::string_view format, PatternArgs hebrew,
                  std::string_view dutch, std::string_view source);

// The same with the values written in place: formatForm("%c%cTI", {'K', 'T'}).
inline void fillPattern(std::string& out, std::string_view pattern, PatternArgList args) {
  fillPattern(out, pattern, PatternArgs(args.begin(), args.size()));
}
inline std::string formatForm(std::string_view pattern, PatternArgList args) {
  return formatForm(pattern, PatternArgs(args.begin(), args.size()));
}
inline void appendRecord(std::string& out, std::string_view format, PatternArgList hebrew,
                         std::string_view dutch, std::string_view source) {
  appendRecord(out, format, PatternArgs(hebrew.begin(), hebrew.size()), dutch, source);
}

// The values of one row choice, held without a heap allocation: at most
// four, as many as the widest pattern takes. The places after the values
// hold values never given (see PatternArg), so that a writer can read all
// four without testing how many there are.
class PatternValues {
 public:
  static constexpr std::size_t kMaxValues = 4;

  PatternValues() = default;
  PatternValues(std::initializer_list<PatternArg> values)
      : PatternValues(PatternArgs(values.begin(), values.size())) {}
  explicit PatternValues(PatternArgs values) {
    if (values.size() > values_.size()) std::abort();  // a generator bug
    for (const PatternArg& value : values) {
      values_[count_++] = value;
      bytes_ += value.bytes();
    }
  }
  const PatternArg* data() const { return values_.data(); }
  operator PatternArgs() const { return PatternArgs(values_.data(), count_); }
  bool empty() const { return count_ == 0; }
  // The bytes of all values together: the most that they add to a form.
  std::size_t bytes() const { return bytes_; }

 private:
  std::array<PatternArg, kMaxValues> values_{};
  std::size_t count_ = 0;
  std::size_t bytes_ = 0;
};

// A record format split once, at compile time, into its literal pieces and
// placeholders, so that writing a record copies each piece once instead of
// scanning the format. Filling follows appendRecord exactly: the
// placeholders before the first TAB take the Hebrew values ("%c" a letter,
// "%s" a text, a NUL ends the form), the first two "%s" after it take the
// Dutch text and then the source tag, and everything else is literal.
class PreparedRecord {
 public:
  constexpr PreparedRecord() = default;
  // Implicit, so that a table of record formats stays a table of strings.
  template <std::size_t N>
  constexpr PreparedRecord(const char (&format)[N])
      : PreparedRecord(std::string_view(format, N - 1)) {}
  constexpr explicit PreparedRecord(std::string_view format);

  // `slot`, whose Hebrew part is a literal prefix and one "%s" (such as
  // "#%s"), with the Hebrew pattern `form` in place of that "%s": the
  // same record as filling `form` first and writing it into `slot`.
  static constexpr PreparedRecord withForm(const PreparedRecord& slot, std::string_view form);

  constexpr bool empty() const { return count_ == 0; }

  // Appends the record filled with `hebrew`, `dutch` and `source` to `out`.
  void append(std::string& out, PatternArgs hebrew, std::string_view dutch,
              std::string_view source) const;

  // The most bytes that write() needs with Hebrew values of `hebrewBytes`
  // bytes together (every value is used at most once), including the slack
  // of its eight-byte stores.
  std::size_t room(std::size_t hebrewBytes, std::size_t dutchBytes, std::size_t sourceBytes) const {
    return literalBytes_ + hebrewBytes + dutchBytes + sourceBytes + kLiteralBytes;
  }
  // Writes the record at `at`, which has room() bytes; returns its end.
  char* write(char* at, const PatternValues& hebrew, std::string_view dutch,
              std::string_view source) const {
    return writeTail(writeHebrew(at, hebrew), dutch, source);
  }
  // The two halves of write(): the Hebrew part (up to the first TAB), and
  // the rest.
  char* writeHebrew(char* at, const PatternValues& hebrew) const;
  char* writeTail(char* at, std::string_view dutch, std::string_view source) const;

 private:
  enum class Kind : std::uint8_t { Literal, Letter, Text, Dutch, Source };
  // A piece is up to eight literal letters, held in the piece so that they
  // are written with one eight-byte store, and then the value of its kind
  // (none for Kind::Literal): every placeholder takes the letters before
  // it along, so that a record has about half as many pieces to walk.
  static constexpr std::size_t kLiteralBytes = 8;
  struct Piece {
    std::array<char, kLiteralBytes> text{};
    std::uint8_t length = 0;
    Kind kind = Kind::Literal;
  };
  static constexpr std::size_t kMaxPieces = 16;

  constexpr void add(Kind kind, const char* text = nullptr, std::size_t length = 0);
  constexpr void finish();
  constexpr void checkHebrewValues() const;
  constexpr void addPiece(const Piece& piece);
  constexpr void addHebrew(std::string_view pattern);
  constexpr void addTail(std::string_view rest);

  std::array<Piece, kMaxPieces> pieces_{};
  std::uint8_t count_ = 0;
  std::uint8_t tail_ = 0;  // first piece after the Hebrew form: the TAB on
  std::uint16_t literalBytes_ = 0;
  // The tail is Dutch text, source tag and literal, each with its literal
  // letters before it, as in
  // every table: it is written without looking at the pieces' kinds.
  bool usualTail_ = false;
};

// The Hebrew part takes at most PatternValues::kMaxValues values (checked
// when the record is prepared), so every value it reads is there.
inline char* PreparedRecord::writeHebrew(char* at, const PatternValues& hebrew) const {
  // Locals, since every store through `at` could change any member.
  const Piece* piece = pieces_.data();
  const Piece* const tail = piece + tail_;
  const PatternArg* value = hebrew.data();

  for (; piece != tail; ++piece) {
    std::memcpy(at, piece->text.data(), kLiteralBytes);
    at += piece->length;
    if (piece->kind == Kind::Literal) continue;
    const PatternArg& arg = *value++;
    if (piece->kind == Kind::Letter) {
      const char letter = arg.letter;
      if (letter == '\0') break;  // no letter here: the form ends
      *at++ = letter;
      continue;
    }
    // A NUL inside the text ends the form too. Texts are a few letters of
    // the root: copied byte by byte, each tested on the way.
    const std::string_view text = arg.text;
    const char* from = text.data();
    const char* const end = from + text.size();
    while (from != end && *from != '\0') *at++ = *from++;
    if (from != end) break;
  }
  return at;
}

// Inline: it runs for every record, and most of it is a few stores.
inline char* PreparedRecord::writeTail(char* at, std::string_view dutch,
                                       std::string_view source) const {
  const Piece* const tail = pieces_.data() + tail_;
  const Piece* const end = pieces_.data() + count_;
  auto copyLiteral = [&at](const Piece& piece) {
    std::memcpy(at, piece.text.data(), kLiteralBytes);
    at += piece.length;
  };
  auto copyText = [&at](std::string_view text) { at = copyBytes(at, text.data(), text.size()); };
  if (usualTail_) {
    copyLiteral(tail[0]);
    copyText(dutch);
    copyLiteral(tail[1]);
    copyText(source);
    copyLiteral(tail[2]);
    return at;
  }
  for (const Piece* piece = tail; piece != end; ++piece) {
    copyLiteral(*piece);
    if (piece->kind == Kind::Dutch) copyText(dutch);
    if (piece->kind == Kind::Source) copyText(source);
  }
  return at;
}

constexpr void PreparedRecord::checkHebrewValues() const {
  std::size_t values = 0;
  for (std::size_t i = 0; i < tail_; ++i) values += pieces_[i].kind != Kind::Literal ? 1 : 0;
  if (values > PatternValues::kMaxValues) throw "Hebrew pattern with more values than a row has";
}

constexpr void PreparedRecord::finish() {
  usualTail_ = count_ == tail_ + 3 && pieces_[tail_].kind == Kind::Dutch &&
               pieces_[tail_ + 1].kind == Kind::Source && pieces_[tail_ + 2].kind == Kind::Literal;
}

// Letters go into the literal piece before them while it has room and no
// value, but never across the end of the Hebrew form; a value closes the
// piece of the letters before it.
constexpr void PreparedRecord::add(Kind kind, const char* text, std::size_t length) {
  if (kind != Kind::Literal) {
    if (count_ == tail_ || pieces_[count_ - 1].kind != Kind::Literal) {
      if (count_ == kMaxPieces) throw "record format with too many pieces";
      pieces_[count_++] = Piece{};
    }
    pieces_[count_ - 1].kind = kind;
    return;
  }
  for (std::size_t i = 0; i < length; ++i) {
    if (count_ == tail_ || pieces_[count_ - 1].kind != Kind::Literal ||
        pieces_[count_ - 1].length == kLiteralBytes) {
      if (count_ == kMaxPieces) throw "record format with too many pieces";
      pieces_[count_++] = Piece{};
    }
    Piece& last = pieces_[count_ - 1];
    last.text[last.length++] = text[i];
    ++literalBytes_;
  }
}

constexpr void PreparedRecord::addPiece(const Piece& piece) {
  add(Kind::Literal, piece.text.data(), piece.length);
  if (piece.kind != Kind::Literal) add(piece.kind);
}

// A "%" that ends the pattern is literal; "%c" and "%s" are placeholders.
constexpr void PreparedRecord::addHebrew(std::string_view pattern) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      add(Kind::Literal, pattern.data() + i, 1);
    } else if (pattern[++i] == 'c') {
      add(Kind::Letter);
    } else if (pattern[i] == 's') {
      add(Kind::Text);
    } else {
      throw "Hebrew pattern with a placeholder other than %c and %s";
    }
  }
}

constexpr void PreparedRecord::addTail(std::string_view rest) {
  int used = 0;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == '%' && i + 1 < rest.size() && rest[i + 1] == 's' && used < 2) {
      add(used++ == 0 ? Kind::Dutch : Kind::Source);
      ++i;
    } else {
      add(Kind::Literal, rest.data() + i, 1);
    }
  }
}

constexpr PreparedRecord::PreparedRecord(std::string_view format) {
  std::size_t tab = format.find('\t');
  addHebrew(format.substr(0, tab));
  tail_ = count_;
  checkHebrewValues();
  if (tab != std::string_view::npos) addTail(format.substr(tab));
  finish();
}

constexpr PreparedRecord PreparedRecord::withForm(const PreparedRecord& slot,
                                                  std::string_view form) {
  if (form.find('\t') != std::string_view::npos) throw "Hebrew pattern with a TAB";
  PreparedRecord record;
  std::uint8_t i = 0;
  for (; i < slot.tail_ && slot.pieces_[i].kind == Kind::Literal; ++i) {
    record.addPiece(slot.pieces_[i]);
  }
  if (i + 1 != slot.tail_ || slot.pieces_[i].kind != Kind::Text) {
    throw "slot whose Hebrew part is not a prefix and one %s";
  }
  record.add(Kind::Literal, slot.pieces_[i].text.data(), slot.pieces_[i].length);
  record.addHebrew(form);
  record.tail_ = record.count_;
  record.checkHebrewValues();
  for (i = slot.tail_; i < slot.count_; ++i) record.addPiece(slot.pieces_[i]);
  record.finish();
  return record;
}

}  // namespace morfenaar
