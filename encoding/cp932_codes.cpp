// Reading the table of code page 932 both ways.
#include <array>

#include "encoding/cp932_table.h"
#include "text/cp932.h"

namespace roster {
namespace {

constexpr unsigned kHalfWidthFirst = 0xA1, kHalfWidthLast = 0xDF;  // ｡ to ﾟ, U+FF61 on
constexpr unsigned kUserDefinedFirst = 0xF0;  // to 0xF9: U+E000 on, in order

// The row of a lead byte in kCp932Rows; -1 for the user-defined area.
int RowOf(unsigned lead) {
  if (lead <= 0x9F) return static_cast<int>(lead - 0x81);
  if (lead <= 0xEF) return static_cast<int>(lead - 0xE0 + 31);
  if (lead >= 0xFA) return static_cast<int>(lead - 0xFA + 47);
  return -1;
}

unsigned TrailIndex(unsigned trail) { return trail - 0x40 - (trail > 0x7F); }

char32_t PairReads(unsigned lead, unsigned trail) {
  const int row = RowOf(lead);
  if (row < 0) return 0xE000 + (lead - kUserDefinedFirst) * kCp932Trails + TrailIndex(trail);
  return kCp932Rows[row][TrailIndex(trail)];
}

using CodeTable = std::array<std::uint16_t, 0x10000>;

// Every character with its code. Where two or three codes read as one
// character the first in this order wins, as in Windows' own table: JIS X
// 0208, NEC row 13 (0x87), IBM's extensions (0xFA-0xFC), then the
// NEC-selected copies of them (0xED, 0xEE).
CodeTable BuildCodeTable() {
  CodeTable table;
  table.fill(kNoCp932Code);
  for (unsigned byte = 0; byte < 0x80; ++byte) table[byte] = static_cast<std::uint16_t>(byte);
  for (unsigned byte = kHalfWidthFirst; byte <= kHalfWidthLast; ++byte) {
    table[0xFF61 + byte - kHalfWidthFirst] = static_cast<std::uint16_t>(byte);
  }
  auto take = [&](unsigned lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const char32_t c = PairReads(lead, trail);
      if (c != 0xFFFD && table[c] == kNoCp932Code) table[c] = static_cast<std::uint16_t>(lead << 8 | trail);
    }
  };
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (IsLeadByte(static_cast<unsigned char>(lead)) && lead != 0xED && lead != 0xEE) take(lead);
  }
  take(0xED);
  take(0xEE);
  // What a Mac, a Linux editor or a web page writes for a JIS character
  // that code page 932 reads as another; ¥ and ‾ are the JIS X 0201 Roman
  // meaning of 0x5C and 0x7E, which Japanese fonts draw so.
  table[0x301C] = 0x8160;  // 〜 WAVE DASH, Windows ～ U+FF5E
  table[0x2212] = 0x817C;  // − MINUS SIGN, Windows － U+FF0D
  table[0x2016] = 0x8161;  // ‖ DOUBLE VERTICAL LINE, Windows ∥ U+2225
  table[0x2014] = 0x815C;  // — EM DASH, Windows ― U+2015
  table[0x00A2] = 0x8191;  // ¢ CENT SIGN, Windows ￠ U+FFE0
  table[0x00A3] = 0x8192;  // £ POUND SIGN, Windows ￡ U+FFE1
  table[0x00AC] = 0x81CA;  // ¬ NOT SIGN, Windows ￢ U+FFE2
  table[0x00A5] = 0x005C;  // ¥ YEN SIGN
  table[0x203E] = 0x007E;  // ‾ OVERLINE
  return table;
}

}  // namespace

Cp932Char DecodeCp932(std::string_view text, std::size_t pos) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte < 0x80) return {byte, true, 1};
  if (byte >= kHalfWidthFirst && byte <= kHalfWidthLast) return {0xFF61 + byte - kHalfWidthFirst, true, 1};
  if (CharLength(text, pos) == 1) return {0xFFFD, false, 1};  // 0x80, 0xA0, 0xFD-0xFF, a stray lead byte
  const auto trail = static_cast<unsigned char>(text[pos + 1]);
  const char32_t c = PairReads(byte, trail);
  if (c != 0xFFFD) return {c, true, 2};
  return {0xFFFD, false, trail < 0x80 ? std::size_t{1} : std::size_t{2}};
}

std::uint16_t Cp932CodeOf(char32_t c) {
  static const CodeTable table = BuildCodeTable();
  return c < table.size() ? table[c] : kNoCp932Code;
}

}  // namespace roster
