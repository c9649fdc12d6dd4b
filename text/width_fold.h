// Width folds of code page 932 text, from a table of our own so that the
// result does not depend on the platform or the user's locale.
#pragma once

#include <string>
#include <string_view>

namespace roster {

// The one-byte form of the double-byte character lead, trail; -1 when the
// character has none.
int HalfWidthOf(unsigned char lead, unsigned char trail);

// Appends the full-width form of the one-byte character `c` (0x20 to 0x7E),
// or `c` itself when it has none.
void AppendFullWidthOf(std::string& out, char c);

}  // namespace roster
