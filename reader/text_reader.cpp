#include "reader/text_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "encoding/utf8.h"

namespace roster {
namespace {

using namespace std::string_view_literals;  // the patterns hold zeros

std::size_t LineOf(std::string_view text, std::size_t at) {
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

bool FirstLineEndIsBareLf(std::string_view text) {
  const std::size_t lf = text.find('\n');
  return lf != std::string_view::npos && (lf == 0 || text[lf - 1] != '\r');
}

// Whether `pattern` stands at an even offset of `bytes`, as a UTF-16 unit
// pair does in text without a byte-order mark.
bool HoldsPairAligned(std::string_view bytes, std::string_view pattern) {
  for (std::size_t at = bytes.find(pattern); at != std::string_view::npos; at = bytes.find(pattern, at + 1)) {
    if (at % 2 == 0) return true;
  }
  return false;
}

// What a line is to the UTF-8 checks: valid UTF-8 holding two Japanese
// characters or more (three bytes each), which CP932 text almost never is;
// no UTF-8 at all; or neither (ASCII, say).
enum class LineKind { kOther, kUtf8Japanese, kNoUtf8 };

LineKind KindOf(std::string_view line) {
  std::size_t longSequences = 0;
  for (std::size_t i = 0; i < line.size();) {
    if (static_cast<unsigned char>(line[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(line, i);
    if (length == 0) return LineKind::kNoUtf8;
    longSequences += length >= 3;
    i += length;
  }
  return longSequences >= 2 ? LineKind::kUtf8Japanese : LineKind::kOther;
}

// Calls `each(line, kind)` for the lines (from 1) until it returns false.
template <typename Each>
void ForEachLine(std::string_view bytes, Each each) {
  std::size_t line = 1;
  for (std::size_t pos = 0; pos < bytes.size(); ++line) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    if (!each(line, KindOf(bytes.substr(pos, end - pos)))) return;
    pos = end + 1;
  }
}

// The first line (from 1) of UTF-8 Japanese: what `echo … >> roster.txt`
// adds from a UTF-8 terminal; 0 for none.
std::size_t Utf8LineIn(std::string_view bytes) {
  std::size_t found = 0;
  ForEachLine(bytes, [&](std::size_t line, LineKind kind) {
    if (kind == LineKind::kUtf8Japanese) found = line;
    return found == 0;
  });
  return found;
}

// The first line of UTF-8 Japanese in a text that holds more lines that are
// no UTF-8 than such lines: Shift_JIS with a UTF-8 line above the first
// Shift_JIS one, rather than UTF-8 with a damaged byte; 0 for none.
std::size_t Utf8LineAmongMoreShiftJis(std::string_view bytes) {
  std::size_t first = 0, utf8 = 0, noUtf8 = 0;
  ForEachLine(bytes, [&](std::size_t line, LineKind kind) {
    if (kind == LineKind::kUtf8Japanese && first == 0) first = line;
    utf8 += kind == LineKind::kUtf8Japanese;
    noUtf8 += kind == LineKind::kNoUtf8;
    return true;
  });
  return noUtf8 > utf8 ? first : 0;
}

// Whether any byte is 0x80 or more, eight bytes at a time: a text of ASCII
// alone (a file of blank lines, say) is no UTF-8 nor any doubt, and is
// known as such without a walk of its characters.
bool MoreThanAscii(std::string_view bytes) {
  std::size_t pos = 0;
  for (uint64_t word = 0; pos + sizeof word <= bytes.size(); pos += sizeof word) {
    std::memcpy(&word, bytes.data() + pos, sizeof word);
    if ((word & 0x8080808080808080ull) != 0) return true;
  }
  return std::any_of(bytes.begin() + static_cast<std::ptrdiff_t>(pos), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

TextReading ReadText(std::string_view bytes, std::optional<TextEncoding> forced) {
  TextReading reading;
  reading.moreThanAscii = MoreThanAscii(bytes);
  if (!forced) {
    reading.form = reading.moreThanAscii ? DetectTextForm(bytes) : TextForm{TextEncoding::kCp932, 0};
  } else {
    const bool mark = *forced == TextEncoding::kUtf8 && bytes.starts_with("\xEF\xBB\xBF");
    reading.form = {*forced, mark ? 3u : 0u};
  }
  if (reading.form.encoding != TextEncoding::kCp932) {
    reading.converted = Cp932FromText(bytes, reading.form, &reading.loss);
    if (reading.loss.count > 0) reading.firstLost = LostCharacterAt(bytes, reading.form, reading.loss.firstAt);
  }
  const std::string_view text = reading.Text(bytes);
  reading.bareLf = FirstLineEndIsBareLf(text);
  auto problem = [&](TextProblem what, std::size_t line, std::string doubt = {}) {
    reading.problem = what;
    reading.problemLine = line;
    reading.doubt = std::move(doubt);
    return std::move(reading);
  };
  if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
    if (reading.form.encoding == TextEncoding::kCp932) {
      // A line end, "\r\n" or the bare "\n" of a Linux tool, as a unit.
      if (HoldsPairAligned(bytes, "\n\0"sv)) return problem(TextProblem::kUtf16WithoutMark, LineOf(text, nul), "LE");
      if (HoldsPairAligned(bytes, "\0\n"sv)) return problem(TextProblem::kUtf16WithoutMark, LineOf(text, nul), "BE");
    }
    return problem(TextProblem::kNul, LineOf(text, nul));
  }
  if (reading.form.encoding != TextEncoding::kCp932 || forced || !reading.moreThanAscii) return reading;
  if (const std::optional<TextDoubt> doubt = DoubtAboutCp932(bytes)) {
    if (const std::size_t line = Utf8LineAmongMoreShiftJis(bytes); line > 0) return problem(TextProblem::kUtf8Line, line);
    return problem(TextProblem::kDoubt, LineOf(bytes, doubt->at), doubt->what);
  }
  if (const std::size_t line = Utf8LineIn(bytes); line > 0) return problem(TextProblem::kUtf8Line, line);
  return reading;
}

std::string TextReading::DescribeProblem() const {
  constexpr std::string_view kGarbles = ", which read as Shift_JIS would garble every character; not read";
  switch (problem) {
    case TextProblem::kNone: return {};
    case TextProblem::kDoubt: return "this looks like " + doubt + std::string(kGarbles);
    case TextProblem::kUtf16WithoutMark:
      return "this looks like UTF-16" + doubt + " without a byte-order mark" + std::string(kGarbles) +
             " (save it with a byte-order mark, or as UTF-8 or Shift_JIS)";
    case TextProblem::kNul: return "a NUL byte, which no text holds; not read";
    case TextProblem::kUtf8Line: return "line " + std::to_string(problemLine) + " is UTF-8 in a Shift_JIS file; not read";
  }
  return {};
}

}  // namespace roster
