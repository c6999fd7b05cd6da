// Input bytes as UTF-8 text. The verb list is meant to be UTF-8, but a
// gloss may hold Latin-1 letters and one special root holds the byte 0xDF.
// Where the output must be valid UTF-8, every byte that does not belong to
// a valid UTF-8 sequence is read as the Latin-1 character of that byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morfenaar {

// The length of the valid UTF-8 sequence at the start of `bytes`: 1 for an
// ASCII byte, 2 to 4 for a multi-byte character, 0 when the first byte does
// not begin a valid sequence (a stray continuation byte, a sequence cut
// short, an overlong form, a surrogate or a code point above U+10FFFF) or
// `bytes` is empty.
std::size_t utf8SequenceLength(std::string_view bytes);

// True when `bytes` is valid UTF-8 throughout.
bool isValidUtf8(std::string_view bytes);

// Writes the ASCII character `c` to `out`, escaped as the output needs it.
using AsciiWriter = void (*)(std::string& out, char c);

// Appends `bytes` to `out` as valid UTF-8: valid sequences as they are, any
// other byte as its Latin-1 character (0xDF becomes U+00DF). ASCII
// characters go through `ascii` when one is given.
void appendUtf8(std::string& out, std::string_view bytes, AsciiWriter ascii = nullptr);

}  // namespace morfenaar
