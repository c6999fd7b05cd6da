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

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace morfenaar {

// One value for a placeholder: a letter for "%c", a text for "%s".
using PatternArg = std::variant<char, std::string_view>;
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

}  // namespace morfenaar
