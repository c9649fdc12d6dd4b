#include "window/saved_text.h"

namespace roster {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::wstring WithCrLf(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out.push_back(L'\r');
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace

std::string SavedText(std::wstring_view text, SavedForm form, ReplacedCharacters* replaced) {
  const std::wstring lines = WithCrLf(text);
  if (form == SavedForm::kCp932) return Cp932OfControlText(lines, replaced);
  return std::string(kUtf8Mark) + Utf8FromWide(lines);
}

std::wstring TextOfSavedUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  return WideFromUtf8(bytes);
}

}  // namespace roster
