#include "reader/unconverted.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "encoding/utf8.h"

namespace roster {
LostCharacter LostCharacterAt(std::string_view bytes, TextForm form, std::size_t at) {
  LostCharacter lost;
  const bool utf16 = form.encoding == TextEncoding::kUtf16LittleEndian || form.encoding == TextEncoding::kUtf16BigEndian;
  if (!utf16) {
    lost.line = 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    lost.length = Utf8SequenceLength(bytes, at, &lost.codePoint);
    return lost;
  }
  const bool big = form.encoding == TextEncoding::kUtf16BigEndian;
  for (std::size_t i = form.byteOrderMark; i + 1 < at; i += 2) lost.line += Utf16UnitAt(bytes, i, big) == '\n';
  if (at + 1 >= bytes.size()) return lost;
  const auto unit = [&](std::size_t i) { return Utf16UnitAt(bytes, at + 2 * i, big); };
  lost.length = 2 * Utf16SequenceLength((bytes.size() - at) / 2, 0, unit, &lost.codePoint);
  return lost;
}

std::string DescribeLoss(std::string_view bytes, TextForm form, std::size_t at, std::size_t* line) {
  const LostCharacter lost = LostCharacterAt(bytes, form, at);
  *line = lost.line;
  const bool utf16 = form.encoding == TextEncoding::kUtf16LittleEndian || form.encoding == TextEncoding::kUtf16BigEndian;
  char text[32];
  if (lost.length == 0) {
    if (utf16) return "an odd last byte in UTF-16";
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(bytes[at]));
    return std::string("invalid UTF-8 (byte ") + text + ")";
  }
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(lost.codePoint));
  if (IsSurrogate(lost.codePoint)) return std::string("a lone surrogate ") + text + " in UTF-16";
  return std::string("the character ") + text + " \"" + Utf8Of(lost.codePoint) + "\" has no Shift_JIS (CP932) form";
}

}  // namespace roster
