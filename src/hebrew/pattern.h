// Filling of the Hebrew form patterns. A pattern such as "%c%cTI" is filled
// from a list of values: "%c" takes one letter, "%s" one text, in order.
// Values beyond the placeholders of a pattern are ignored.
//
// A letter that is NUL stands for a radical that the root does not have:
// the form ends where it would stand. A NUL inside a text ends it too, so
// no form ever holds a NUL byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdlib>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace morfenaar {

// One value for a placeholder: a letter for "%c", a text for "%s".
struct PatternArg {
  PatternArg() = default;
  PatternArg(char value) : letter(value) {}
  PatternArg(std::string_view value) : text(value), isText(true) {}
  PatternArg(const char* value) : PatternArg(std::string_view(value)) {}
  PatternArg(const std::string& value) : PatternArg(std::string_view(value)) {}

  char letter = '\0';
  std::string_view text;
  bool isText = false;
};
using PatternArgs = std::span<const PatternArg>;

// Appends `pattern` filled with `args` to `out`. A placeholder without a
// value ends the form, as a NUL letter does.
void fillPattern(std::string& out, std::string_view pattern, PatternArgs args);
std::string formatForm(std::string_view pattern, PatternArgs args);

// The same with the values written in place: formatForm("%c%cTI", {'K', 'T'}).
inline std::string formatForm(std::string_view pattern, std::initializer_list<PatternArg> args) {
  return formatForm(pattern, PatternArgs(args.begin(), args.size()));
}

// The values of one row choice: at most five, as many as the widest
// pattern takes.
class PatternValues {
 public:
  static constexpr std::size_t kMaxValues = 5;

  PatternValues() = default;
  PatternValues(std::initializer_list<PatternArg> values) {
    if (values.size() > kMaxValues) std::abort();  // a generator bug
    for (const PatternArg& value : values) values_[count_++] = value;
  }
  operator PatternArgs() const { return PatternArgs(values_.data(), count_); }
  bool empty() const { return count_ == 0; }

 private:
  std::array<PatternArg, kMaxValues> values_{};
  std::size_t count_ = 0;
};

}  // namespace morfenaar
