// Text crossing from a control, which holds UTF-16 (Windows' wchar_t), to
// the logic, which works on CP932: the one place that decides what becomes
// of characters that code page 932 cannot hold.
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
};

// The CP932 bytes of a control's text, without best-fit look-alikes: a
// character with no CP932 form becomes "?" and is counted in `replaced`.
std::string Cp932OfControlText(std::wstring_view text, ReplacedCharacters* replaced);

}  // namespace roster
