#include "window/text_search.h"

#include <string>

namespace roster {
namespace {

wchar_t Folded(wchar_t c) {
  const auto in = [c](wchar_t first, wchar_t last) { return c >= first && c <= last; };
  if (in(L'A', L'Z') || (in(L'\u00C0', L'\u00DE') && c != L'\u00D7') || in(L'\u0391', L'\u03A9') ||
      in(L'\u0410', L'\u042F') || in(L'\uFF21', L'\uFF3A')) {
    return static_cast<wchar_t>(c + 0x20);
  }
  if (in(L'\u0400', L'\u040F')) return static_cast<wchar_t>(c + 0x50);
  return c;
}

std::wstring FoldedText(std::wstring_view text) {
  std::wstring folded(text);
  for (wchar_t& c : folded) c = Folded(c);
  return folded;
}

}  // namespace

std::optional<std::size_t> FindInText(std::wstring_view text, std::wstring_view what, std::size_t from, bool forward,
                                      bool matchCase) {
  if (what.empty() || what.size() > text.size() || (!forward && from < what.size())) return std::nullopt;
  std::wstring foldedText, foldedWhat;
  if (!matchCase) {
    foldedText = FoldedText(text);
    foldedWhat = FoldedText(what);
    text = foldedText;
    what = foldedWhat;
  }
  const std::size_t at = forward ? text.find(what, from) : text.rfind(what, from - what.size());
  if (at == std::wstring_view::npos) return std::nullopt;
  return at;
}

}  // namespace roster
