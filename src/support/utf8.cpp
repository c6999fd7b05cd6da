#include "support/utf8.h"

namespace morfenaar {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::size_t utf8SequenceLength(std::string_view bytes) {
  if (bytes.empty()) return 0;
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  // The smallest and largest allowed second byte keep out overlong forms,
  // surrogates and code points above U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() < length || at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!isContinuation(at(i))) return 0;
  }
  return length;
}

bool isValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    std::size_t length = utf8SequenceLength(bytes);
    if (length == 0) return false;
    bytes.remove_prefix(length);
  }
  return true;
}

void appendUtf8(std::string& out, std::string_view bytes, AsciiWriter ascii) {
  while (!bytes.empty()) {
    const char c = bytes.front();
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      if (ascii != nullptr) {
        ascii(out, c);
      } else {
        out += c;
      }
      bytes.remove_prefix(1);
      continue;
    }
    std::size_t length = utf8SequenceLength(bytes);
    if (length == 0) {
      // Latin-1: the byte is its own code point, U+0080 to U+00FF.
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
      length = 1;
    } else {
      out.append(bytes.substr(0, length));
    }
    bytes.remove_prefix(length);
  }
}

}  // namespace morfenaar
