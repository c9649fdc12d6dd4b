#include "app/unconverted.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/utf8.h"

namespace roster {
namespace {

// The UTF-16 unit at `i` of `bytes` (past the mark).
uint32_t Utf16Unit(std::string_view bytes, std::size_t i, bool big) {
  const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
  return big ? (first << 8 | second) : (second << 8 | first);
}

}  // namespace

std::string DescribeLoss(std::string_view bytes, TextForm form, std::size_t at, std::size_t* line) {
  char text[32];
  const bool utf16 = form.encoding == TextEncoding::kUtf16LittleEndian || form.encoding == TextEncoding::kUtf16BigEndian;
  if (!utf16) {
    *line = 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + static_cast<long>(at), '\n'));
    char32_t codePoint = 0;
    const std::size_t length = Utf8SequenceLength(bytes, at, &codePoint);
    if (length == 0) {
      std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(bytes[at]));
      return std::string("invalid UTF-8 (byte ") + text + ")";
    }
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codePoint));
    return std::string("the character ") + text + " \"" + std::string(bytes.substr(at, length)) +
           "\" has no Shift_JIS (CP932) form";
  }
  const bool big = form.encoding == TextEncoding::kUtf16BigEndian;
  *line = 1;
  for (std::size_t i = form.byteOrderMark; i + 1 < at; i += 2) *line += Utf16Unit(bytes, i, big) == '\n';
  if (at + 1 >= bytes.size()) return "an odd last byte in UTF-16";
  char32_t codePoint = Utf16Unit(bytes, at, big);
  if (codePoint >= 0xD800 && codePoint <= 0xDBFF && at + 3 < bytes.size()) {
    const uint32_t low = Utf16Unit(bytes, at + 2, big);
    if (low >= 0xDC00 && low <= 0xDFFF) codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
  }
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codePoint));
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return std::string("a lone surrogate ") + text + " in UTF-16";
  return std::string("the character ") + text + " \"" + Utf8Of(codePoint) + "\" has no Shift_JIS (CP932) form";
}

}  // namespace roster
