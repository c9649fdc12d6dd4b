#include "app/roster_input.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <span>
#include <thread>

#include "platform/utf8.h"

namespace roster {
namespace {

bool HoldsMoreThanAscii(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The form an input is read in: as detected, or as forced (a UTF-8 byte-order
// mark is still skipped).
TextForm FormOf(std::string_view bytes, EncodingChoice encoding) {
  switch (encoding) {
    case EncodingChoice::kAuto: return DetectTextForm(bytes);
    case EncodingChoice::kCp932: return {TextEncoding::kCp932, 0};
    case EncodingChoice::kUtf8: return {TextEncoding::kUtf8, bytes.starts_with("\xEF\xBB\xBF") ? 3u : 0u};
  }
  return {};
}

// The parts of a large file are read at once, on threads of their own.
void ReadAtOnce(std::span<const std::function<void()>> parts) {
  std::vector<std::jthread> others;
  for (std::size_t i = 1; i < parts.size(); ++i) others.emplace_back(parts[i]);
  if (!parts.empty()) parts[0]();
}

bool FirstLineEndIsBareLf(std::string_view text) {
  const std::size_t lf = text.find('\n');
  return lf != std::string_view::npos && (lf == 0 || text[lf - 1] != '\r');
}

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

std::string RosterInput::Where(std::size_t line) const {
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    if (line >= part->firstLine) return part->name + ":" + std::to_string(line - part->firstLine + 1);
  }
  return std::string(kStandardInputName) + ":" + std::to_string(line);
}

std::optional<InputFailure> ReadRosterInput(const std::vector<std::string>& inputs, EncodingChoice encoding,
                                            RosterInput& input) {
  bool formDecided = encoding != EncodingChoice::kAuto;
  input.form = encoding == EncodingChoice::kUtf8 ? TextForm{TextEncoding::kUtf8, 0} : TextForm{};
  std::size_t line = 1;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const bool standardInput = inputs[i] == "-";
    const std::string name = standardInput ? std::string(kStandardInputName) : inputs[i];
    const std::size_t start = input.text.View().size();
    std::string reason;
    if (!(standardInput ? input.text.AppendStandardInput(&reason) : input.text.AppendFile(inputs[i], &reason, ReadAtOnce))) {
      return InputFailure{2, "cannot read " + name + ": " + reason};
    }
    const std::string_view bytes = input.text.View().substr(start);
    const TextForm form = FormOf(bytes, encoding);
    if (!formDecided && (form.encoding != TextEncoding::kCp932 || HoldsMoreThanAscii(bytes))) {
      input.form = form;
      formDecided = true;
    }
    if (form.encoding != TextEncoding::kCp932) {
      ConversionLoss loss;
      const std::string cp932 = Cp932FromText(bytes, form, &loss);
      if (loss.count > 0) {
        std::size_t at = 0;
        const std::string what = DescribeLoss(bytes, form, loss.firstAt, &at);
        return InputFailure{1, name + ":" + std::to_string(at) + ": " + what};
      }
      input.text.ReplaceFrom(start, cp932);
    }
    input.parts.push_back({name, line});
    if (i + 1 == inputs.size()) break;
    // The next input starts on the next line: a file without a last line
    // end still ends its last line.
    const std::string_view added = input.text.View().substr(start);
    line += static_cast<std::size_t>(std::count(added.begin(), added.end(), '\n'));
    if (!added.empty() && added.back() != '\n') {
      input.text.Append("\n");
      ++line;
    }
  }
  input.bareLf = FirstLineEndIsBareLf(input.text.View());
  return std::nullopt;
}

}  // namespace roster
