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
int32_t FullWidthToInt(std::string_view text);

// `value` in `radix` (2 to 36), lowercase digits; radix 10 writes a sign,
// other radixes the 32-bit two's-complement pattern. Another radix gives "".
std::string IntToString(int32_t value, int32_t radix);

// IntToString in radix 10 folded to full width: 7 gives "７".
std::string IntToFullWidth(int32_t value);

// IntToString(value, 10) and IntToFullWidth(value), appended to `out`
// without a string of their own, for the report's rows.
void AppendInt(std::string& out, int32_t value);
void AppendFullWidthInt(std::string& out, int32_t value);

}  // namespace roster
