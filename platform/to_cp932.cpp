// Conversions to code page 932, the same on every platform: a character
// converts exactly when a CP932 character reads as it (the platform's own
// reading, WideFromCp932), or when it is one of the few variants that other
// systems write for a JIS character. Everything else becomes "?" and is
// counted: no look-alike (é is not e), nothing dropped without a word.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/utf8.h"
#include "text/cp932.h"

namespace roster {
namespace {

// Characters that a Mac, a Linux editor or a web page writes for a JIS
// character that Windows' code page 932 reads as another code point, with
// the CP932 bytes of that character; ¥ and ‾ are the JIS X 0201 Roman
// meaning of 0x5C and 0x7E, which Japanese fonts draw so and a Japanese Mac
// types for the yen key. glibc and Windows' best fit agree on these nine.
struct Variant {
  char32_t codePoint;
  uint16_t cp932;
};
constexpr Variant kVariants[] = {
    {U'\u301C', 0x8160},  // 〜 WAVE DASH, Windows ～ U+FF5E
    {U'\u2212', 0x817C},  // − MINUS SIGN, Windows － U+FF0D
    {U'\u2016', 0x8161},  // ‖ DOUBLE VERTICAL LINE, Windows ∥ U+2225
    {U'\u2014', 0x815C},  // — EM DASH, Windows ― U+2015
    {U'\u00A2', 0x8191},  // ¢ CENT SIGN, Windows ￠ U+FFE0
    {U'\u00A3', 0x8192},  // £ POUND SIGN, Windows ￡ U+FFE1
    {U'\u00AC', 0x81CA},  // ¬ NOT SIGN, Windows ￢ U+FFE2
    {U'\u00A5', 0x005C},  // ¥ YEN SIGN, JIS X 0201 Roman 0x5C
    {U'\u203E', 0x007E},  // ‾ OVERLINE, JIS X 0201 Roman 0x7E
};

constexpr uint16_t kNoForm = 0xFFFF;  // no CP932 code is 0xFFFF

using FormTable = std::array<uint16_t, 0x10000>;

std::string BytesOf(const std::vector<uint16_t>& codes) {
  std::string bytes;
  for (uint16_t code : codes) {
    if (code > 0xFF) bytes.push_back(static_cast<char>(code >> 8));
    bytes.push_back(static_cast<char>(code & 0xFF));
  }
  return bytes;
}

// Every character of the Basic Multilingual Plane with its CP932 code, read
// off the platform's decoder (nothing outside the plane has a CP932 form).
// Code page 932 gives some characters two or three codes; the first in
// this order of lead bytes wins, as in Windows' own table: JIS X 0208, NEC
// row 13 (0x87), then IBM's extensions (0xFA-0xFC) before the NEC-selected
// copies of them (0xED, 0xEE). So ≒ is 0x81E0, Ⅰ 0x8754, ⅰ 0xFA40.
FormTable BuildFormTable() {
  FormTable table;
  table.fill(kNoForm);
  // Reads the characters `codes` in one call: each reads as one wide
  // character, U+FFFD where it is none (one at a time, should a platform
  // read them otherwise).
  auto take = [&](const std::vector<uint16_t>& codes) {
    std::wstring read = WideFromCp932(BytesOf(codes));
    if (read.size() != codes.size()) {
      read.clear();
      for (uint16_t code : codes) {
        const std::wstring one = WideFromCp932(BytesOf({code}));
        read.push_back(one.size() == 1 ? one[0] : L'\xFFFD');
      }
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
      const auto codePoint = static_cast<uint32_t>(read[i]);
      if (codePoint != 0xFFFD && codePoint < table.size() && table[codePoint] == kNoForm) table[codePoint] = codes[i];
    }
  };
  std::vector<uint16_t> codes;
  for (uint16_t byte = 0; byte <= 0xDF; ++byte) {
    if (byte < 0x80 || byte >= 0xA1) codes.push_back(byte);
  }
  take(codes);
  std::vector<unsigned> leads;
  for (unsigned lead = 0x81; lead <= 0x9F; ++lead) leads.push_back(lead);
  for (unsigned lead = 0xE0; lead <= 0xFC; ++lead) {
    if (lead != 0xED && lead != 0xEE) leads.push_back(lead);
  }
  leads.push_back(0xED);
  leads.push_back(0xEE);
  for (unsigned lead : leads) {
    codes.clear();
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (IsTrailByte(static_cast<unsigned char>(trail))) codes.push_back(static_cast<uint16_t>(lead << 8 | trail));
    }
    take(codes);
  }
  for (const Variant& variant : kVariants) table[variant.codePoint] = variant.cp932;
  return table;
}

const FormTable& Forms() {
  static const FormTable table = BuildFormTable();
  return table;
}

// Appends the CP932 form of `codePoint`; false when it has none.
bool AppendForm(const FormTable& forms, char32_t codePoint, std::string& out) {
  const uint16_t code = codePoint < forms.size() ? forms[codePoint] : kNoForm;
  if (code == kNoForm) return false;
  if (code > 0xFF) out.push_back(static_cast<char>(code >> 8));
  out.push_back(static_cast<char>(code & 0xFF));
  return true;
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
  const FormTable& forms = Forms();
  std::string out;
  out.reserve(room);
  for (std::size_t pos = 0; pos < units;) {
    const Decoded c = next(pos);
    if (!c.valid || !AppendForm(forms, c.codePoint, out)) {
      out.push_back('?');
      if (loss != nullptr && loss->count++ == 0) {
        loss->firstAt = pos;
        loss->firstLength = c.length;
      }
    }
    pos += c.length;
  }
  return out;
}

// A UTF-16 character from `unit(pos)`: a pair of surrogates is one.
template <typename Unit>
Decoded NextUtf16(std::size_t units, std::size_t pos, Unit unit) {
  char32_t c = 0;
  const std::size_t length = Utf16SequenceLength(units, pos, unit, &c);
  return {c, !IsSurrogate(c), length};
}

}  // namespace

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
  // UTF-16 writes ASCII with a zero byte beside each, always on the same
  // side of its pair: CP932 text holds none (a run of zeros, as a file cut
  // while it was read may leave, lies on both sides).
  const std::string_view head = bytes.substr(0, 4096);
  std::size_t zeros[2] = {0, 0};
  for (std::size_t i = 0; i < head.size(); ++i) zeros[i % 2] += head[i] == '\0';
  const std::size_t pairs = head.size() / 2, more = std::max(zeros[0], zeros[1]), fewer = std::min(zeros[0], zeros[1]);
  if (more >= 2 && more * 4 >= pairs && fewer * 8 <= more) {
    return TextDoubt{"UTF-16 without a byte-order mark", head.find('\0')};
  }
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
  const std::wstring wide = WideFromCp932(cp932, loss);
  const bool big = form.encoding == TextEncoding::kUtf16BigEndian;
  std::string out;
  out.reserve(wide.size() * 2);
  for (wchar_t c : wide) {
    const auto unit = static_cast<uint16_t>(c);
    out.push_back(static_cast<char>(big ? unit >> 8 : unit & 0xFF));
    out.push_back(static_cast<char>(big ? unit & 0xFF : unit >> 8));
  }
  return out;
}

}  // namespace roster
