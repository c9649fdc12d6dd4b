// Conversions to code page 932 that must come out the same on every
// platform: the native tests and the Wine tests check each case through
// Cp932FromUtf8 and Cp932FromWide, and the way back, CP932 read as Unicode,
// and files in any encoding through the detector.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reader/text_reader.h"
#include "window/control_text.h"
#include "encoding/encoding.h"
#include "encoding/utf8.h"

namespace roster {

struct ConversionCase {
  const char* what;
  std::u8string_view text;     // as typed, UTF-8
  std::string_view cp932;      // what it becomes
  std::size_t lost;            // characters that became "?"
  std::size_t firstLostAt;     // byte of `text` where the first stands
  std::u8string_view back;     // `cp932` read back, UTF-8
};

inline const std::vector<ConversionCase>& ConversionCases() {
  static const std::vector<ConversionCase> cases = {
      {"the nine variants of JIS characters", u8"〜−‖—¢£¬¥‾",
       "\x81\x60\x81\x7C\x81\x61\x81\x5C\x81\x91\x81\x92\x81\xCA\x5C\x7E", 0, 0, u8"～－∥―￠￡￢\\~"},
      {"their code page 932 forms", u8"～－∥―￠￡￢\\~",
       "\x81\x60\x81\x7C\x81\x61\x81\x5C\x81\x91\x81\x92\x81\xCA\x5C\x7E", 0, 0, u8"～－∥―￠￡￢\\~"},
      {"a wave dash in remarks", u8"3〜5回", "3\x81\x60" "5\x89\xF1", 0, 0, u8"3～5回"},
      {"an accent is no look-alike", u8"Zoë", "Zo?", 1, 2, u8"Zo?"},
      {"a fraction is no look-alike", u8"½ 名前é", "? \x96\xBC\x91\x4F?", 2, 0, u8"? 名前?"},
      {"an emoji", u8"a😀b", "a?b", 1, 1, u8"a?b"},
      {"a flag with tag characters: none dropped", u8"🏴󠁧󠁢󠁥󠁮󠁧󠁿x", "???????x", 7, 0, u8"???????x"},
      {"beyond the plane, a surrogate pair in UTF-16", u8"𠮷野", "?\x96\xEC", 1, 0, u8"?野"},
      {"the replacement character itself", u8"x\uFFFD", "x?", 1, 1, u8"x?"},
      {"half-width katakana", u8"ﾊﾝｶｸ", "\xCA\xDD\xB6\xB8", 0, 0, u8"ﾊﾝｶｸ"},
      {"characters with two codes take Windows' one", u8"≒Ⅰⅰ纊", "\x81\xE0\x87\x54\xFA\x40\xFA\x5C", 0, 0,
       u8"≒Ⅰⅰ纊"},
      {"a user-defined character", u8"\uE000", "\xF0\x40", 0, 0, u8"\uE000"},
  };
  return cases;
}

// CP932 read as Unicode: a byte or pair that is no character becomes
// U+FFFD and is counted; what follows a stray lead byte stays itself.
struct ReadingCase {
  const char* what;
  std::string_view cp932;
  std::u8string_view read;
  std::size_t lost, firstLostAt;
};

inline const std::vector<ReadingCase>& ReadingCases() {
  static const std::vector<ReadingCase> cases = {
      {"a stray lead byte before CRLF", "A\x83\r\nB", u8"A\uFFFD\r\nB", 1, 1},
      {"before LF", "A\x83\nB", u8"A\uFFFD\nB", 1, 1},
      {"before CR", "A\x83\rB", u8"A\uFFFD\rB", 1, 1},
      {"before a space", "A\x83 |", u8"A\uFFFD |", 1, 1},
      {"before \"|\", a pair that is none", "A\x85|B", u8"A\uFFFD|B", 1, 1},
      {"at the end", "\x96\xBC\x83", u8"名\uFFFD", 1, 2},
      {"a pair that is none", "\x85\x80x", u8"\uFFFDx", 1, 0},
      {"bytes that are no character", "\x80\xA0\xFD\xFE\xFF", u8"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD", 5, 0},
  };
  return cases;
}

// Files in any encoding, through the one reader, as CP932.
struct DetectionCase {
  const char* what;
  std::string_view bytes;
  TextForm form;
  std::string_view cp932;
  std::size_t lost, firstLostAt;  // in bytes of the file, its mark included
  TextProblem problem = TextProblem::kNone;
  std::size_t problemLine = 0;
};

inline const std::vector<DetectionCase>& DetectionCases() {
  using E = TextEncoding;
  using P = TextProblem;
  using namespace std::string_view_literals;  // the bytes hold zeros
  static const std::vector<DetectionCase> cases = {
      {"empty", "", {E::kCp932, 0}, "", 0, 0},
      {"ASCII only", "A|x||1/1|1| 1 p\r\n", {E::kCp932, 0}, "A|x||1/1|1| 1 p\r\n", 0, 0},
      {"CP932", "\x96\xBC\x91\x4F|\xB1", {E::kCp932, 0}, "\x96\xBC\x91\x4F|\xB1", 0, 0},
      {"UTF-8 without a mark", "\xE5\x90\x8D\xE5\x89\x8D\n", {E::kUtf8, 0}, "\x96\xBC\x91\x4F\n", 0, 0},
      {"UTF-8 with a mark, ASCII only", "\xEF\xBB\xBF" "abc", {E::kUtf8, 3}, "abc", 0, 0},
      {"UTF-8 with a mark and an accent", "\xEF\xBB\xBF" "Zo\xC3\xAB", {E::kUtf8, 3}, "Zo?", 1, 5},
      {"UTF-16 little-endian", "\xFF\xFE\x0D\x54\x4D\x52\x0D\x00\x0A\x00"sv, {E::kUtf16LittleEndian, 2},
       "\x96\xBC\x91\x4F\r\n", 0, 0},
      {"UTF-16 big-endian, a wave dash", "\xFE\xFF\x30\x1C\x00\x41"sv, {E::kUtf16BigEndian, 2}, "\x81\x60" "A", 0, 0},
      {"UTF-16 with a lone surrogate and an odd last byte", "\xFF\xFE\x41\x00\x00\xD8\x42\x00\x43"sv,
       {E::kUtf16LittleEndian, 2}, "A?B?", 2, 4},
      {"UTF-16 beyond the plane", "\xFF\xFE\x3D\xD8\x00\xDE"sv, {E::kUtf16LittleEndian, 2}, "?", 1, 2},
      {"UTF-8 Japanese with a damaged byte", "\xE5\x90\x8D\xE5\x89\x8D|Ren\xE9", {E::kCp932, 0},
       "\xE5\x90\x8D\xE5\x89\x8D|Ren\xE9", 0, 0, P::kDoubt, 1},
      {"CP932 that starts as UTF-8 might", "\xC3\xA9\x96\xBC", {E::kCp932, 0}, "\xC3\xA9\x96\xBC", 0, 0},
      {"a UTF-8 line in a CP932 file", "\x96\xBC|x\r\n\xE5\x90\x8D\xE5\x89\x8D|y\r\n", {E::kCp932, 0},
       "\x96\xBC|x\r\n\xE5\x90\x8D\xE5\x89\x8D|y\r\n", 0, 0, P::kUtf8Line, 2},
      {"UTF-16LE without a mark, Japanese", "\x0D\x54\x4D\x52\x0D\x00\x0A\x00"sv, {E::kCp932, 0},
       "\x0D\x54\x4D\x52\x0D\x00\x0A\x00"sv, 0, 0, P::kUtf16WithoutMark, 1},
      {"UTF-16BE without a mark, ASCII", "\0A\0\r\0\n\0B"sv, {E::kCp932, 0}, "\0A\0\r\0\n\0B"sv, 0, 0,
       P::kUtf16WithoutMark, 1},
      {"UTF-16 without a mark or a line end", "A\0|\0x\0|\0"sv, {E::kCp932, 0}, "A\0|\0x\0|\0"sv, 0, 0, P::kNul, 1},
      {"a run of zeros", "A|x|\r\n|\0\0\0\0\0\0"sv, {E::kCp932, 0}, "A|x|\r\n|\0\0\0\0\0\0"sv, 0, 0, P::kNul, 2},
      {"a NUL in UTF-8", "\xE5\x90\x8D\0"sv, {E::kUtf8, 0}, "\x96\xBC\0"sv, 0, 0, P::kNul, 1},
  };
  return cases;
}

// What differs from the table on this platform, one line per difference:
// the bytes, the loss count and where the first loss stands (in the units
// of each input), through both conversions, and the way back.
inline std::vector<std::string> ConversionFailures() {
  std::vector<std::string> failures;
  for (const ConversionCase& c : ConversionCases()) {
    // wchar_t is UTF-16 on Windows and UTF-32 elsewhere.
    const std::string_view utf8 = Utf8Bytes(c.text);
    const std::wstring wide = WideFromUtf8(utf8);
    const std::size_t wideAt = WideFromUtf8(utf8.substr(0, c.firstLostAt)).size();
    ConversionLoss fromUtf8, fromWide;
    const std::string viaUtf8 = Cp932FromUtf8(utf8, &fromUtf8);
    const std::string viaWide = Cp932FromWide(wide, &fromWide);
    auto fail = [&](const char* how) { failures.push_back(std::string(c.what) + ": " + how); };
    if (viaUtf8 != c.cp932) fail("bytes from UTF-8");
    if (viaWide != c.cp932) fail("bytes from UTF-16");
    if (fromUtf8.count != c.lost || fromWide.count != c.lost) fail("loss count");
    if (c.lost > 0 && (fromUtf8.firstAt != c.firstLostAt || fromWide.firstAt != wideAt)) fail("first loss");
    const std::string back = Utf8FromCp932(c.cp932);
    if (back != Utf8Bytes(c.back)) fail("read back");
  }
  for (const ReadingCase& c : ReadingCases()) {
    auto fail = [&](const char* how) { failures.push_back(std::string(c.what) + ": " + how); };
    ConversionLoss toUtf8, toWide;
    if (Utf8FromCp932(c.cp932, &toUtf8) != Utf8Bytes(c.read)) fail("read as UTF-8");
    if (WideFromCp932(c.cp932, &toWide) != WideFromUtf8(Utf8Bytes(c.read))) fail("read as UTF-16");
    if (toUtf8.count != c.lost || toWide.count != c.lost) fail("loss count");
    if (toUtf8.firstAt != c.firstLostAt || toWide.firstAt != c.firstLostAt) fail("first loss");
  }
  for (const DetectionCase& c : DetectionCases()) {
    auto fail = [&](const char* how) { failures.push_back(std::string(c.what) + ": " + how); };
    const TextReading reading = ReadText(c.bytes);
    if (!(reading.form == c.form)) fail("detected form");
    if (reading.Text(c.bytes) != c.cp932) fail("bytes");
    if (reading.loss.count != c.lost || (c.lost > 0 && reading.loss.firstAt != c.firstLostAt)) fail("loss");
    if (reading.problem != c.problem || reading.problemLine != c.problemLine) fail("problem");
  }
  return failures;
}

}  // namespace roster
