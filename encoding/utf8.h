// One UTF-8 sequence or UTF-16 character decoded: how long it is and which
// character it holds, for the conversions and for messages that name a
// character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace roster {

inline bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// The length of the well-formed UTF-8 sequence at `pos` (1 to 4), with its
// code point in `codePoint` (when given); 0 for a byte that starts none
// (a stray continuation byte, an overlong form, a surrogate, a cut-off end).
inline std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos, char32_t* codePoint = nullptr) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = byte(0);
  std::size_t length;
  char32_t value;
  if (lead < 0x80) {
    length = 1;
    value = lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i) & 0x3F);
  }
  const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
  if (overlong || value > 0x10FFFF || IsSurrogate(value)) return 0;
  if (codePoint != nullptr) *codePoint = value;
  return length;
}

// Whether every byte of `text` belongs to a well-formed UTF-8 sequence.
inline bool IsUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

// The UTF-16 unit at byte `i` of `bytes`: two bytes in the given order.
inline char32_t Utf16UnitAt(std::string_view bytes, std::size_t i, bool bigEndian) {
  const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
  return bigEndian ? (first << 8 | second) : (second << 8 | first);
}

// The length in units (1 or 2) of the UTF-16 character at unit `pos` of
// `units` units, each `unit(i)`, with its code point in `codePoint`: a high
// surrogate and a low one after it form one character; any other unit, a
// lone surrogate too, stands for itself.
template <typename Unit>
std::size_t Utf16SequenceLength(std::size_t units, std::size_t pos, Unit unit, char32_t* codePoint) {
  const char32_t first = unit(pos);
  if (first >= 0xD800 && first <= 0xDBFF && pos + 1 < units) {
    const char32_t second = unit(pos + 1);
    if (second >= 0xDC00 && second <= 0xDFFF) {
      *codePoint = 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
      return 2;
    }
  }
  *codePoint = first;
  return 1;
}

// Appends the UTF-8 bytes of a code point.
inline void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

inline std::string Utf8Of(char32_t c) {
  std::string out;
  AppendUtf8(c, out);
  return out;
}

// The bytes of a u8"" literal, as the byte strings the code passes around.
inline std::string_view Utf8Bytes(std::u8string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

}  // namespace roster
