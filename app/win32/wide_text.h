// CP932 bytes to and from the UTF-16 text of Unicode windows. The logic
// sees CP932 on every system code page, because the conversion names code
// page 932 explicitly.
#pragma once

#include <string>
#include <string_view>

namespace roster {

std::wstring WideFromCp932(std::string_view bytes);
std::string Cp932FromWide(std::wstring_view text);

}  // namespace roster
