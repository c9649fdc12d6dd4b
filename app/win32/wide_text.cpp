#include "app/win32/wide_text.h"

#include <windows.h>

namespace roster {

constexpr UINT kJapaneseCodePage = 932;

std::wstring WideFromCp932(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(kJapaneseCodePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kJapaneseCodePage, 0, bytes.data(), size, text.data(), length);
  return text;
}

std::string Cp932FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(kJapaneseCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kJapaneseCodePage, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace roster
