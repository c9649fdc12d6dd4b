// Text crossing from a control, which holds UTF-16 (Windows' wchar_t), to
// the logic, which works on CP932: the one place that decides what becomes
// of characters that code page 932 cannot hold. And the same text as UTF-8,
// without loss, for what the window keeps in files and the file names it
// is given.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace roster {

// Characters of a control's text that have no CP932 form; the logic reads
// each of them as "?".
struct ReplacedCharacters {
  std::size_t count = 0;
  std::size_t firstLine = 0;  // the line of the first, counted from 1 at the top
  std::wstring first;         // the first, as the control holds it

  friend bool operator==(const ReplacedCharacters&, const ReplacedCharacters&) = default;
};

// The CP932 bytes of a control's text, without best-fit look-alikes: a
// character with no CP932 form becomes "?" and is counted in `replaced`.
std::string Cp932OfControlText(std::wstring_view text, ReplacedCharacters* replaced);

// Appends the character `codePoint` as wide text (a surrogate pair where
// wchar_t is UTF-16).
void AppendWide(std::wstring& text, char32_t codePoint);

// UTF-8 of wide text, and back. A half of a surrogate pair on its own
// becomes U+FFFD one way, as does a byte that starts no UTF-8 sequence the
// other way; `valid` (when given) tells whether none did.
std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view utf8, bool* valid = nullptr);

}  // namespace roster
