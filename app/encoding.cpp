#include "app/encoding.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace roster {
namespace {

std::size_t LineOf(std::string_view text, std::size_t offset) {
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

std::string Hex(unsigned char byte) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "0x%02X", byte);
  return buffer;
}

// Length of the well-formed UTF-8 sequence at `pos`, or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos, uint32_t& codePoint) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const std::size_t left = text.size() - pos;
  const unsigned char lead = b(0);
  std::size_t length;
  if (lead < 0x80) { codePoint = lead; return 1; }
  if (lead >= 0xC2 && lead <= 0xDF) { length = 2; codePoint = lead & 0x1F; }
  else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; codePoint = lead & 0x0F; }
  else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; codePoint = lead & 0x07; }
  else return 0;
  if (left < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (b(i) & 0x3F);
  }
  const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
  if (overlong || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
  return length;
}

// Says what stands at `offset` of UTF-8 text that did not convert.
std::string DescribeUtf8Failure(std::string_view utf8, std::size_t offset) {
  std::string where = "line " + std::to_string(LineOf(utf8, offset)) + ": ";
  uint32_t codePoint = 0;
  const std::size_t length = offset < utf8.size() ? Utf8SequenceLength(utf8, offset, codePoint) : 0;
  if (length == 0) {
    const unsigned char bad = offset < utf8.size() ? static_cast<unsigned char>(utf8[offset]) : 0;
    return where + "invalid UTF-8 (byte " + Hex(bad) + ")";
  }
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", codePoint);
  return where + "the character " + name + " \"" + std::string(utf8.substr(offset, length)) +
         "\" has no Shift_JIS (CP932) form";
}

#ifndef _WIN32
// Converts with iconv; on failure returns the offset in `in` where it stopped.
bool IconvConvert(const char* to, const char* from, std::string_view in, std::string& out, std::size_t& failedAt) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    failedAt = 0;
    return false;
  }
  out.assign(in.size() * 2 + 16, '\0');
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  bool ok = true;
  while (inLeft > 0) {
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) {
      const std::size_t used = static_cast<std::size_t>(outPtr - out.data());
      out.resize(out.size() * 2);
      outPtr = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    ok = false;
    break;
  }
  iconv_close(cd);
  failedAt = static_cast<std::size_t>(inPtr - in.data());
  out.resize(static_cast<std::size_t>(outPtr - out.data()));
  return ok;
}
#endif

}  // namespace

#ifndef _WIN32

bool Utf8ToCp932(std::string_view utf8, std::string& cp932, std::string& error) {
  std::size_t failedAt = 0;
  if (IconvConvert("CP932", "UTF-8", utf8, cp932, failedAt)) return true;
  error = DescribeUtf8Failure(utf8, failedAt);
  return false;
}

bool Cp932ToUtf8(std::string_view cp932, std::string& utf8, std::string& error) {
  std::size_t failedAt = 0;
  if (IconvConvert("UTF-8", "CP932", cp932, utf8, failedAt)) return true;
  error = "line " + std::to_string(LineOf(cp932, failedAt)) + ": bytes that are not Shift_JIS (CP932)";
  return false;
}

#else

namespace {

bool WideFrom(UINT codePage, std::string_view in, std::wstring& wide) {
  if (in.empty()) { wide.clear(); return true; }
  const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()), nullptr, 0);
  if (n <= 0) return false;
  wide.assign(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()), wide.data(), n);
  return true;
}

bool NarrowTo(UINT codePage, const std::wstring& wide, std::string& out) {
  if (wide.empty()) { out.clear(); return true; }
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultPtr = codePage == CP_UTF8 ? nullptr : &usedDefault;
  const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, usedDefaultPtr);
  if (n <= 0 || usedDefault) return false;
  out.assign(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return true;
}

bool ConvertVia(UINT from, UINT to, std::string_view in, std::string& out) {
  std::wstring wide;
  return WideFrom(from, in, wide) && NarrowTo(to, wide, out);
}

}  // namespace

bool Utf8ToCp932(std::string_view utf8, std::string& cp932, std::string& error) {
  if (ConvertVia(CP_UTF8, 932, utf8, cp932)) return true;
  // Find the first character that does not convert, for the message.
  std::string scratch;
  for (std::size_t pos = 0; pos < utf8.size();) {
    uint32_t codePoint = 0;
    const std::size_t length = Utf8SequenceLength(utf8, pos, codePoint);
    if (length == 0 || !ConvertVia(CP_UTF8, 932, utf8.substr(pos, length), scratch)) {
      error = DescribeUtf8Failure(utf8, pos);
      return false;
    }
    pos += length;
  }
  error = "the text does not convert to Shift_JIS (CP932)";
  return false;
}

bool Cp932ToUtf8(std::string_view cp932, std::string& utf8, std::string& error) {
  if (ConvertVia(932, CP_UTF8, cp932, utf8)) return true;
  error = "bytes that are not Shift_JIS (CP932)";
  return false;
}

#endif

}  // namespace roster
