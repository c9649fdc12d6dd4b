// The seam on POSIX systems: files by their byte names, mapped with mmap;
// code pages through iconv; the terminal takes UTF-8 as it is.
#include <fcntl.h>
#include <iconv.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/native.h"
#include "platform/platform.h"
#include "platform/utf8.h"
#include "text/cp932.h"

namespace roster {
namespace native {

std::FILE* OpenForReading(const std::string& name) { return std::fopen(name.c_str(), "rb"); }

void UseBinaryMode(std::FILE*) {}

bool MapFile(const std::string& name, void*& mapped, std::size_t& size) {
  const int fd = open(name.c_str(), O_RDONLY);
  if (fd < 0) return false;
  struct stat info {};
  void* mapping = MAP_FAILED;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    size = static_cast<std::size_t>(info.st_size);
    mapping = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  }
  close(fd);
  if (mapping == MAP_FAILED) return false;
  madvise(mapping, size, MADV_SEQUENTIAL);
  mapped = mapping;
  return true;
}

void UnmapFile(void* mapped, std::size_t size) { munmap(mapped, size); }

}  // namespace native

namespace {

// Gives `advice` for the pages that lie wholly inside `bytes` at `data`.
void AdvisePagesWithin(const void* data, std::size_t bytes, int advice) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) & ~(page - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(page - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, advice);
}

// The length in bytes of the input character at `pos` that did not convert.
using CharacterLength = std::size_t (*)(std::string_view in, std::size_t pos);

std::size_t Cp932Length(std::string_view in, std::size_t pos) { return CharLength(in, pos); }

std::size_t WideLength(std::string_view, std::size_t) { return sizeof(wchar_t); }

// Converts `in` with iconv. A character that iconv refuses becomes
// `replacement` (bytes in the target encoding) and is counted in `loss`,
// whose offsets are in units of `unit` bytes.
std::string Convert(const char* to, const char* from, std::string_view in, std::size_t unit,
                    std::string_view replacement, CharacterLength length, ConversionLoss* loss) {
  if (loss) *loss = {};
  std::string out;
  if (in.empty()) return out;
  const iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  out.resize(in.size() * 2 + 16);
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  std::size_t used = 0;
  auto grow = [&](std::size_t atLeast) {
    if (out.size() - used < atLeast) out.resize(std::max(out.size() * 2, used + atLeast));
  };
  while (inLeft > 0) {
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    used = out.size() - outLeft;
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      grow(out.size());
      continue;
    }
    // EILSEQ or EINVAL (cut off at the end): one character that does not go.
    const std::size_t at = static_cast<std::size_t>(inPtr - in.data());
    const std::size_t skip = std::min(inLeft, length(in, at));
    if (loss) {
      if (loss->count == 0) {
        loss->firstAt = at / unit;
        loss->firstLength = skip / unit;
      }
      ++loss->count;
    }
    grow(replacement.size());
    std::memcpy(out.data() + used, replacement.data(), replacement.size());
    used += replacement.size();
    inPtr += skip;
    inLeft -= skip;
  }
  iconv_close(cd);
  out.resize(used);
  return out;
}

std::string_view BytesOf(std::wstring_view wide) {
  return {reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t)};
}

std::wstring WideOf(const std::string& bytes) {
  std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(wchar_t));
  return wide;
}

const std::string kWideReplacement(BytesOf(L"\xFFFD"));
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";
constexpr std::string_view kCp932Replacement = "?";

}  // namespace

std::wstring WideFromCp932(std::string_view cp932, ConversionLoss* loss) {
  return WideOf(Convert("WCHAR_T", "CP932", cp932, 1, kWideReplacement, Cp932Length, loss));
}

std::string Cp932FromWide(std::wstring_view wide, ConversionLoss* loss) {
  return Convert("CP932", "WCHAR_T", BytesOf(wide), sizeof(wchar_t), kCp932Replacement, WideLength, loss);
}

std::string Utf8FromCp932(std::string_view cp932, ConversionLoss* loss) {
  return Convert("UTF-8", "CP932", cp932, 1, kUtf8Replacement, Cp932Length, loss);
}

std::string Cp932FromUtf8(std::string_view utf8, ConversionLoss* loss) {
  return Convert("CP932", "UTF-8", utf8, 1, kCp932Replacement, Utf8StepLength, loss);
}

void PreferLargePages(void* data, std::size_t bytes) { AdvisePagesWithin(data, bytes, MADV_HUGEPAGE); }

void native::ReleaseMappedPages(const void* data, std::size_t bytes) {
  AdvisePagesWithin(data, bytes, MADV_DONTNEED);
}

std::vector<std::string> NativeFileNames(std::string_view utf8Name) {
  std::vector<std::string> names = {std::string(utf8Name)};
  ConversionLoss loss;
  std::string cp932 = Cp932FromUtf8(utf8Name, &loss);
  if (loss.count == 0 && cp932 != names[0]) names.push_back(std::move(cp932));
  return names;
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

bool CommandLineIsUtf8() { return false; }

void WriteMessage(std::string_view utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
}

}  // namespace roster
