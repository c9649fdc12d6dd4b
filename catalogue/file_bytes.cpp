#include "catalogue/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#endif

namespace roster {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

std::FILE* OpenForReading(const std::string& path) {
#ifdef _WIN32
  const int wideLength = MultiByteToWideChar(932, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  if (wideLength <= 0 && !path.empty()) return nullptr;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(932, 0, path.data(), static_cast<int>(path.size()), wide.data(), wideLength);
  return _wfopen(wide.c_str(), L"rb");
#else
  return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error) {
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(OpenForReading(path));
  if (!file) {
    if (error) *error = errno != 0 ? std::strerror(errno) : "cannot open";
    return std::nullopt;
  }
  // The file is read straight into a string of its size, so a large file is
  // neither copied through a buffer nor held twice while the string grows.
  // Only a file that reads has a size (a directory opens, but does not read).
  std::string bytes;
  std::size_t expected = 0;
  char probe;
  if (std::fread(&probe, 1, 1, file.get()) == 1 && std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(file.get());
    if (size > 0) expected = static_cast<std::size_t>(size);
  }
  std::rewind(file.get());
  bytes.resize(expected);
  std::size_t got = std::fread(bytes.data(), 1, expected, file.get());
  bytes.resize(got);
  // Whatever the size said, read on to the end (a file that grew, a pipe).
  if (!AppendRest(file.get(), bytes, error)) return std::nullopt;
  return bytes;
}

bool AppendRest(std::FILE* file, std::string& bytes, std::string* error) {
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  if (!std::ferror(file)) return true;
  if (error) *error = std::strerror(errno != 0 ? errno : EIO);
  return false;
}

}  // namespace roster
