// Reading and writing the numbers of a roster line: decimal text, full-width
// digits, and the one-digit full-width form that fills two columns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace roster {

// strtol in base 10: leading white space, an optional sign, then digits up to
// the first other byte; no digits give 0. Saturates at the 32-bit limits.
int32_t ToInt(std::string_view text);

// ToInt of the text folded to half width first, so "１５" reads 15 and "　"
// is white space. The whole text is folded, whatever its length.
int32_t FullWidthToIntFolded(std::string_view text);

// Whether FullWidthToInt(text) gave a limit of the 32-bit range for a
// number beyond it; asked only of a result at a limit, which is rare.
bool FullWidthToIntSaturates(std::string_view text);

// The same, with the two-byte pieces that skill levels are made of, and
// one-digit combat values, read inline: the parser reads several on every
// line.
inline int32_t FullWidthToInt(std::string_view text) {
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return text[0] - '0';
  if (text.size() == 2) {
    const auto lead = static_cast<unsigned char>(text[0]), trail = static_cast<unsigned char>(text[1]);
    if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) return trail - 0x4F;  // "０" to "９"
    if (lead == 0x81 && trail == 0x40) return 0;                                // "　"
    if (lead >= '0' && lead <= '9' && trail >= '0' && trail <= '9') return (lead - '0') * 10 + (trail - '0');
  }
  return FullWidthToIntFolded(text);
}

// `value` in `radix` (2 to 36), lowercase digits; radix 10 writes a sign,
// other radixes the 32-bit two's-complement pattern. Another radix gives "".
std::string IntToString(int32_t value, int32_t radix);

// IntToString in radix 10 folded to full width: 7 gives "７".
std::string IntToFullWidth(int32_t value);

// The full-width digit of 0 to 9 ("０" is 0x82 0x4F, and so on up), which
// fills two columns as a one-digit value of a row does.
constexpr std::string_view FullWidthDigit(int32_t digit) {
  constexpr std::string_view kDigits = "０１２３４５６７８９";
  return kDigits.substr(static_cast<std::size_t>(digit) * 2, 2);
}

// IntToString(value, 10) written so that it ends at `end`, with room for
// kDecimalBytes before it; gives where it starts.
inline constexpr std::size_t kDecimalBytes = 11;  // "-2147483648"
char* WriteDecimalBefore(char* end, int32_t value);

// IntToString(value, 10) and IntToFullWidth(value), appended to `out`
// without a string of their own, for the report's rows.
void AppendInt(std::string& out, int32_t value);
void AppendFullWidthInt(std::string& out, int32_t value);

}  // namespace roster
