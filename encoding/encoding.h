// Text in code page 932, UTF-8 and UTF-16, the same on every system and
// without a call to one: conversions through the one table of CP932
// (cp932_table.h), and the forms a user's text file may be written in.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace roster {

// ---- Code page 932 ----------------------------------------------------------
//
// Code page 932 to and from UTF-16 (the text of Windows controls; wchar_t
// elsewhere holds UTF-32 and the same functions convert to it) and UTF-8.
// Nothing is converted silently into something else: a character with no
// form in the target becomes a replacement ("?" in CP932, U+FFFD in Unicode),
// never a look-alike, and is counted in `loss` (when given). The one
// exception: nine characters that other systems
// write for JIS characters (〜 − ‖ — ¢ £ ¬ ¥ ‾) are those characters.

struct ConversionLoss {
  std::size_t count = 0;     // characters replaced
  std::size_t firstAt = 0;   // offset in the input of the first, in its units
  std::size_t firstLength = 0;  // its length in those units
};

std::wstring WideFromCp932(std::string_view cp932, ConversionLoss* loss = nullptr);
std::string Cp932FromWide(std::wstring_view wide, ConversionLoss* loss = nullptr);
std::string Utf8FromCp932(std::string_view cp932, ConversionLoss* loss = nullptr);
std::string Cp932FromUtf8(std::string_view utf8, ConversionLoss* loss = nullptr);

// ---- Text files in any encoding ---------------------------------------------
//
// A file the user gives (a roster, a dropped file, the catalogue) may be
// written in CP932, UTF-8 or UTF-16. The one detector: a UTF-8 byte-order
// mark, or text that is valid UTF-8 and holds a byte beyond ASCII, is UTF-8;
// a UTF-16 byte-order mark is UTF-16; anything else is CP932.

enum class TextEncoding { kCp932, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

struct TextForm {
  TextEncoding encoding = TextEncoding::kCp932;
  std::size_t byteOrderMark = 0;  // bytes of the mark at the start; 0: none

  friend bool operator==(const TextForm&, const TextForm&) = default;
};

TextForm DetectTextForm(std::string_view bytes);

// Why bytes that the detector reads as CP932 look like something else, and
// where that shows: UTF-8 with a damaged byte (valid UTF-8 Japanese up to
// it), which read as CP932 would garble every character. (UTF-16 without a
// mark holds NULs, which the reader finds in any text.)
struct TextDoubt {
  std::string what;  // "UTF-8 with a damaged byte"
  std::size_t at;    // the byte that gives it away
};
std::optional<TextDoubt> DoubtAboutCp932(std::string_view bytes);

// `bytes`, written in `form`, as CP932 without the byte-order mark. A
// character without a CP932 form becomes "?" and is counted in `loss`, its
// offsets in bytes of `bytes` (the mark included).
std::string Cp932FromText(std::string_view bytes, TextForm form, ConversionLoss* loss = nullptr);

// CP932 text written in `form`, without a byte-order mark; bytes that are no
// CP932 character become U+FFFD and are counted in `loss`.
std::string TextFromCp932(std::string_view cp932, TextForm form, ConversionLoss* loss = nullptr);

}  // namespace roster
