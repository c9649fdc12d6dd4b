// Conversion between UTF-8 and CP932 for the headless front end, through the
// platform's converter (iconv on Linux, the code-page API on Windows).
#pragma once

#include <string>
#include <string_view>

namespace roster {

// Converts UTF-8 to CP932. On failure returns false and sets `error` to a
// message naming the 1-based line and the character that did not convert.
bool Utf8ToCp932(std::string_view utf8, std::string& cp932, std::string& error);

// Converts CP932 to UTF-8; false, with `error`, for bytes that are not CP932.
bool Cp932ToUtf8(std::string_view cp932, std::string& utf8, std::string& error);

}  // namespace roster
