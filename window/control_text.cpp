#include "window/control_text.h"

#include <algorithm>

#include "encoding/encoding.h"
#include "encoding/utf8.h"

namespace roster {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

std::string Cp932OfControlText(std::wstring_view text, ReplacedCharacters* replaced) {
  ConversionLoss loss;
  std::string cp932 = Cp932FromWide(text, &loss);
  if (replaced != nullptr) {
    *replaced = {};
    if (loss.count > 0) {
      replaced->count = loss.count;
      const auto before = text.begin() + static_cast<std::ptrdiff_t>(loss.firstAt);
      replaced->firstLine = 1 + static_cast<std::size_t>(std::count(text.begin(), before, L'\n'));
      replaced->first = std::wstring(text.substr(loss.firstAt, loss.firstLength));
    }
  }
  return cp932;
}

void AppendWide(std::wstring& text, char32_t codePoint) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (codePoint >= 0x10000) {
      codePoint -= 0x10000;
      text.push_back(static_cast<wchar_t>(0xD800 + (codePoint >> 10)));
      text.push_back(static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF)));
      return;
    }
  }
  text.push_back(static_cast<wchar_t>(codePoint));
}

std::string Utf8FromWide(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  const auto unit = [&](std::size_t i) { return static_cast<char32_t>(text[i]); };
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = unit(i);
    if constexpr (sizeof(wchar_t) == 2) {
      i += Utf16SequenceLength(text.size(), i, unit, &c);
    } else {
      ++i;
    }
    out += Utf8Of(IsSurrogate(c) || c > 0x10FFFF ? kReplacement : c);
  }
  return out;
}

std::wstring WideFromUtf8(std::string_view utf8, bool* valid) {
  std::wstring out;
  out.reserve(utf8.size());
  if (valid != nullptr) *valid = true;
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t c = 0;
    const std::size_t length = Utf8SequenceLength(utf8, pos, &c);
    if (length == 0) {
      c = kReplacement;
      if (valid != nullptr) *valid = false;
    }
    AppendWide(out, c);
    pos += length == 0 ? 1 : length;
  }
  return out;
}

}  // namespace roster
