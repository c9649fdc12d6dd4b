// Finding a text in a box's text as the find dialog asks, from a place
// forward or backward, with or without matching case: apart from Win32, so
// that the shell only carries the dialog's choices here and the match back.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace roster {

// Where the match of `what` nearest to `from` starts in `text`: forward,
// the first that starts at or after `from`; backward, the last that ends at
// or before it (a selection's end and start, so that F3 and Shift+F3 step
// past the match they stand on). Without `matchCase`, the capital and small
// Latin, Greek and Cyrillic letters, half- and full-width, are the same.
// Nothing for an empty `what` or no match.
std::optional<std::size_t> FindInText(std::wstring_view text, std::wstring_view what, std::size_t from, bool forward,
                                      bool matchCase);

}  // namespace roster
