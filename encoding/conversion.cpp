// Conversions to and from code page 932 through its one table: a character
// converts exactly when a CP932 character reads as it, or when it is one of
// the few variants that other systems write for a JIS character. Everything
// else becomes a replacement and is counted: no look-alike (é is not e),
// nothing dropped without a word.
#include <algorithm>
#include <cstdint>
#include <string>

#include "encoding/cp932_table.h"
#include "encoding/encoding.h"
#include "encoding/utf8.h"

namespace roster {
namespace {

void Count(ConversionLoss* loss, std::size_t at, std::size_t length) {
  if (loss != nullptr && loss->count++ == 0) {
    loss->firstAt = at;
    loss->firstLength = length;
  }
}

// One character of the input: its code point, or none for units that form
// no character (a byte that starts no UTF-8 sequence, a lone surrogate),
// and how many units it takes.
struct Decoded {
  char32_t codePoint;
  bool valid;
  std::size_t length;
};

// The input converted character by character; a character without a form
// becomes "?" and is counted in `loss` (offsets in the input's units).
template <typename Next>
std::string Encode(std::size_t units, Next next, std::size_t room, ConversionLoss* loss) {
  if (loss) *loss = {};
  std::string out;
  out.reserve(room);
  for (std::size_t pos = 0; pos < units;) {
    const Decoded c = next(pos);
    const std::uint16_t code = c.valid ? Cp932CodeOf(c.codePoint) : kNoCp932Code;
    if (code == kNoCp932Code) {
      out.push_back('?');
      Count(loss, pos, c.length);
    } else {
      if (code > 0xFF) out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    }
    pos += c.length;
  }
  return out;
}

// CP932 read character by character, each given to `put`; a byte or pair
// that is no character becomes U+FFFD and is counted in `loss`.
template <typename Put>
void Decode(std::string_view cp932, ConversionLoss* loss, Put put) {
  if (loss) *loss = {};
  for (std::size_t pos = 0; pos < cp932.size();) {
    const Cp932Char c = DecodeCp932(cp932, pos);
    if (!c.valid) Count(loss, pos, c.length);
    put(c.codePoint);
    pos += c.length;
  }
}

// A UTF-16 character from `unit(pos)`: a pair of surrogates is one.
template <typename Unit>
Decoded NextUtf16(std::size_t units, std::size_t pos, Unit unit) {
  char32_t c = 0;
  const std::size_t length = Utf16SequenceLength(units, pos, unit, &c);
  return {c, !IsSurrogate(c), length};
}

}  // namespace

// Every CP932 character lies in the Basic Multilingual Plane: one wide
// character each, on every system.
std::wstring WideFromCp932(std::string_view cp932, ConversionLoss* loss) {
  std::wstring out;
  out.reserve(cp932.size());
  Decode(cp932, loss, [&](char32_t c) { out.push_back(static_cast<wchar_t>(c)); });
  return out;
}

std::string Utf8FromCp932(std::string_view cp932, ConversionLoss* loss) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  Decode(cp932, loss, [&](char32_t c) { AppendUtf8(c, out); });
  return out;
}

std::string Cp932FromUtf8(std::string_view utf8, ConversionLoss* loss) {
  return Encode(
      utf8.size(),
      [&](std::size_t pos) -> Decoded {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte < 0x80) return {byte, true, 1};
        char32_t codePoint = 0;
        const std::size_t length = Utf8SequenceLength(utf8, pos, &codePoint);
        return {codePoint, length != 0, length == 0 ? 1 : length};
      },
      utf8.size(), loss);
}

// wchar_t is UTF-16 on Windows and UTF-32 elsewhere.
std::string Cp932FromWide(std::wstring_view wide, ConversionLoss* loss) {
  return Encode(
      wide.size(),
      [&](std::size_t pos) -> Decoded {
        if constexpr (sizeof(wchar_t) == 2) {
          return NextUtf16(wide.size(), pos, [&](std::size_t i) { return static_cast<char32_t>(wide[i]); });
        } else {
          const auto c = static_cast<char32_t>(wide[pos]);
          return {c, !IsSurrogate(c) && c <= 0x10FFFF, 1};
        }
      },
      wide.size() * 2, loss);
}

TextForm DetectTextForm(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return {TextEncoding::kUtf8, 3};
  if (bytes.starts_with("\xFF\xFE")) return {TextEncoding::kUtf16LittleEndian, 2};
  if (bytes.starts_with("\xFE\xFF")) return {TextEncoding::kUtf16BigEndian, 2};
  bool nonAscii = false;
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(bytes, pos);
    if (length == 0) return {TextEncoding::kCp932, 0};
    nonAscii = true;
    pos += length;
  }
  return {nonAscii ? TextEncoding::kUtf8 : TextEncoding::kCp932, 0};
}

std::optional<TextDoubt> DoubtAboutCp932(std::string_view bytes) {
  // Japanese in UTF-8 takes three bytes a character; CP932 text almost never
  // holds even two such sequences before a byte that is no UTF-8.
  std::size_t longSequences = 0;
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(bytes, pos);
    if (length == 0) {
      if (longSequences >= 2) return TextDoubt{"UTF-8 with a damaged byte", pos};
      return std::nullopt;
    }
    longSequences += length >= 3;
    pos += length;
  }
  return std::nullopt;
}

std::string Cp932FromText(std::string_view bytes, TextForm form, ConversionLoss* loss) {
  const std::size_t bom = std::min(form.byteOrderMark, bytes.size());
  std::string out;
  switch (form.encoding) {
    case TextEncoding::kCp932:
      if (loss) *loss = {};
      return std::string(bytes.substr(bom));
    case TextEncoding::kUtf8:
      out = Cp932FromUtf8(bytes.substr(bom), loss);
      break;
    case TextEncoding::kUtf16LittleEndian:
    case TextEncoding::kUtf16BigEndian: {
      const bool big = form.encoding == TextEncoding::kUtf16BigEndian;
      const std::string_view text = bytes.substr(bom);
      const std::size_t units = (text.size() + 1) / 2;  // an odd last byte is a unit that forms nothing
      auto unit = [&](std::size_t i) -> char32_t {
        if (2 * i + 1 >= text.size()) return 0xDC00;  // a lone half: no character
        return Utf16UnitAt(text, 2 * i, big);
      };
      out = Encode(units, [&](std::size_t pos) { return NextUtf16(units, pos, unit); }, text.size() / 2, loss);
      if (loss != nullptr) {  // in bytes of the text
        loss->firstAt *= 2;
        loss->firstLength *= 2;
      }
      break;
    }
  }
  if (loss != nullptr && loss->count > 0) loss->firstAt += bom;
  return out;
}

std::string TextFromCp932(std::string_view cp932, TextForm form, ConversionLoss* loss) {
  switch (form.encoding) {
    case TextEncoding::kCp932:
      if (loss) *loss = {};
      return std::string(cp932);
    case TextEncoding::kUtf8:
      return Utf8FromCp932(cp932, loss);
    case TextEncoding::kUtf16LittleEndian:
    case TextEncoding::kUtf16BigEndian:
      break;
  }
  // Every CP932 character lies in the Basic Multilingual Plane: one unit each.
  const bool big = form.encoding == TextEncoding::kUtf16BigEndian;
  std::string out;
  out.reserve(cp932.size() * 2);
  Decode(cp932, loss, [&](char32_t c) {
    out.push_back(static_cast<char>(big ? c >> 8 : c & 0xFF));
    out.push_back(static_cast<char>(big ? c & 0xFF : c >> 8));
  });
  return out;
}

}  // namespace roster
