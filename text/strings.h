// Splitting, replacing and padding code page 932 byte strings.
//
// Widths are byte counts, which equal columns in the report's fixed-pitch
// font; separators and search strings match only on character boundaries.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

// The pieces between occurrences of `separator`; n occurrences give n + 1
// pieces. An empty separator occurs nowhere.
std::vector<std::string> Split(std::string_view text, std::string_view separator);

// As Split, but the pieces view `text`, which must outlive them.
std::vector<std::string_view> SplitViews(std::string_view text, std::string_view separator);

// Replaces the first occurrence of `from` again and again, each search
// starting over at the beginning of the changed text, so "||" to "|" turns a
// run of bars into one. Runs in one pass over the text. An empty `from`
// changes nothing; a `to` that contains `from` gets one left-to-right pass.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Spaces filling `width` columns: an odd width starts with one " ", the rest
// are "　". A width of 0 or less gives "".
std::string MakeSpaces(int32_t width);

// `text` filled to `width` columns with MakeSpaces after it (PadRight) or
// before it (PadLeft); a longer text is returned whole.
std::string PadRight(std::string_view text, int32_t width);
std::string PadLeft(std::string_view text, int32_t width);

// MakeSpaces for a width of at most kShortSpacesMax, as a view of a
// constant: the report pads every row's name and numbers with it. Every
// such run of spaces is a prefix of one of two constants.
inline constexpr int32_t kShortSpacesMax = 16;
inline std::string_view ShortSpaces(int32_t width) {
  constexpr std::string_view kEven = "　　　　　　　　", kOdd = " 　　　　　　　";
  if (width <= 0) return {};
  const auto columns = static_cast<std::size_t>(width < kShortSpacesMax ? width : kShortSpacesMax);
  return (columns % 2 == 1 ? kOdd : kEven).substr(0, columns);
}

}  // namespace roster
