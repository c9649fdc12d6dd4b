// The seam on Windows: files by their UTF-8 names opened as UTF-16 names;
// code page 932 named explicitly in every conversion, so nothing depends on
// the system code page; messages to a console through the wide API.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/native.h"
#include "platform/platform.h"
#include "platform/utf8.h"

namespace roster {
namespace {

constexpr UINT kJapaneseCodePage = 932;

// Conversions run in pieces of this many input units: a piece that loses a
// character is done again one character at a time, to find and count it.
constexpr std::size_t kPiece = 4096;

void Count(ConversionLoss* loss, std::size_t at, std::size_t length) {
  if (loss == nullptr) return;
  if (loss->count == 0) {
    loss->firstAt = at;
    loss->firstLength = length;
  }
  ++loss->count;
}

// MultiByteToWideChar of a whole piece; false when a byte is no character.
bool WidePiece(UINT codePage, std::string_view in, std::wstring& out) {
  if (in.empty()) return true;
  const int size = static_cast<int>(in.size());
  const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
  if (length <= 0) return false;
  const std::size_t used = out.size();
  out.resize(used + static_cast<std::size_t>(length));
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, out.data() + used, length);
  return true;
}

// WideCharToMultiByte to code page 932 without best-fit look-alikes; false
// when a character has no form there ("?" stands in for it).
bool Cp932Piece(std::wstring_view in, std::string& out) {
  if (in.empty()) return true;
  const int size = static_cast<int>(in.size());
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kJapaneseCodePage, WC_NO_BEST_FIT_CHARS, in.data(), size, nullptr, 0, "?",
                                         &usedDefault);
  const std::size_t used = out.size();
  out.resize(used + static_cast<std::size_t>(std::max(length, 0)));
  WideCharToMultiByte(kJapaneseCodePage, WC_NO_BEST_FIT_CHARS, in.data(), size, out.data() + used, length, "?",
                      nullptr);
  return !usedDefault && length > 0;
}

std::size_t Cp932CharLength(std::string_view in, std::size_t pos) {
  return pos + 1 < in.size() && IsDBCSLeadByteEx(kJapaneseCodePage, static_cast<BYTE>(in[pos])) ? 2 : 1;
}

std::size_t WideCharLength(std::wstring_view in, std::size_t pos) {
  return pos + 1 < in.size() && IS_HIGH_SURROGATE(in[pos]) && IS_LOW_SURROGATE(in[pos + 1]) ? 2 : 1;
}

// Converts `in` piece by piece with `convert` (false: something in the piece
// has no form in the target). Such a piece is done again one character at a
// time, and each character that does not go becomes `replacement`.
template <typename In, typename Out, typename Length, typename Convert>
Out ConvertInPieces(In in, Length length, Convert convert, typename Out::value_type replacement,
                    ConversionLoss* loss) {
  if (loss) *loss = {};
  Out out;
  for (std::size_t pos = 0; pos < in.size();) {
    std::size_t end = pos;
    while (end < in.size() && end - pos < kPiece) end += length(in, end);
    end = std::min(end, in.size());
    const std::size_t used = out.size();
    if (!convert(in.substr(pos, end - pos), out)) {
      out.resize(used);
      for (std::size_t at = pos; at < end;) {
        const std::size_t size = std::min(length(in, at), end - at);
        const std::size_t before = out.size();
        if (!convert(in.substr(at, size), out)) {
          out.resize(before);
          out.push_back(replacement);
          Count(loss, at, size);
        }
        at += size;
      }
    }
    pos = end;
  }
  return out;
}

}  // namespace

std::wstring WideFromCp932(std::string_view cp932, ConversionLoss* loss) {
  return ConvertInPieces<std::string_view, std::wstring>(
      cp932, Cp932CharLength,
      [](std::string_view piece, std::wstring& out) { return WidePiece(kJapaneseCodePage, piece, out); }, L'\xFFFD',
      loss);
}

std::string Cp932FromWide(std::wstring_view wide, ConversionLoss* loss) {
  return ConvertInPieces<std::wstring_view, std::string>(wide, WideCharLength, Cp932Piece, '?', loss);
}

std::string Utf8FromCp932(std::string_view cp932, ConversionLoss* loss) {
  const std::wstring wide = WideFromCp932(cp932, loss);
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), length, nullptr, nullptr);
  return out;
}

std::string Cp932FromUtf8(std::string_view utf8, ConversionLoss* loss) {
  std::wstring wide;
  return ConvertInPieces<std::string_view, std::string>(
      utf8, Utf8StepLength,
      [&](std::string_view piece, std::string& out) {
        wide.clear();
        return WidePiece(CP_UTF8, piece, wide) && Cp932Piece(wide, out);
      },
      '?', loss);
}

// Large pages on Windows need a privilege that users seldom have.
void PreferLargePages(void*, std::size_t) {}

std::vector<std::string> NativeFileNames(std::string_view utf8Name) {
  std::string name(utf8Name);
  std::replace(name.begin(), name.end(), '/', '\\');
  return {name};
}

std::vector<std::string> CommandLineArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string argument(static_cast<std::size_t>(std::max(length, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), length, nullptr, nullptr);
    argument.pop_back();  // the terminating zero
    arguments.push_back(std::move(argument));
  }
  LocalFree(wide);
  return arguments;
}

bool CommandLineIsUtf8() { return true; }

void WriteMessage(std::string_view utf8) {
  HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  std::wstring wide;
  if (error != nullptr && error != INVALID_HANDLE_VALUE && GetConsoleMode(error, &mode) &&
      WidePiece(CP_UTF8, utf8, wide)) {
    DWORD written = 0;
    WriteConsoleW(error, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  native::UseBinaryMode(stderr);
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
}

namespace native {

std::FILE* OpenForReading(const std::string& name) {
  std::wstring wide;
  if (!WidePiece(CP_UTF8, name, wide)) return nullptr;
  return _wfopen(wide.c_str(), L"rb");
}

void UseBinaryMode(std::FILE* stream) { _setmode(_fileno(stream), _O_BINARY); }

// Windows reads the file instead: a roster is read once and released.
bool MapFile(const std::string&, void*&, std::size_t&) { return false; }
void UnmapFile(void*, std::size_t) {}
void ReleaseMappedPages(const void*, std::size_t) {}

}  // namespace native
}  // namespace roster
