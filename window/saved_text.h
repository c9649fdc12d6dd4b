// The roster box's text as a file keeps it: CP932 with "\r\n" line ends, as
// the box and roster-extract read it, or UTF-8 behind a byte-order mark, so
// that Notepad reads it as UTF-8 and no character is lost.
#pragma once

#include <string>
#include <string_view>

#include "window/control_text.h"

namespace roster {

enum class SavedForm { kCp932, kUtf8 };

// The bytes of `text` in `form`; in CP932 a character without a form
// becomes "?" and is counted in `replaced` (when given). A bare "\n" is
// written "\r\n".
std::string SavedText(std::wstring_view text, SavedForm form, ReplacedCharacters* replaced = nullptr);

// The text a UTF-8 file of SavedText gives back, the mark left out.
std::wstring TextOfSavedUtf8(std::string_view bytes);

// Where the roster box's text is kept from one run to the next, beside
// roster.ini, in UTF-8.
inline constexpr std::u8string_view kKeptRosterFileName = u8"roster-box.txt";

}  // namespace roster
