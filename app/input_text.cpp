#include "app/input_text.h"

#include <utility>

#include "catalogue/file_bytes.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace roster {

std::optional<InputText> InputText::FromFile(const std::string& path, std::string& error) {
#ifndef _WIN32
  const int fd = open(path.c_str(), O_RDONLY);
  struct stat info {};
  if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    const auto size = static_cast<std::size_t>(info.st_size);
    void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (mapped != MAP_FAILED) {
      madvise(mapped, size, MADV_SEQUENTIAL);
      InputText text;
      text.mapped_ = mapped;
      text.mappedSize_ = size;
      text.view_ = std::string_view(static_cast<const char*>(mapped), size);
      return text;
    }
  } else if (fd >= 0) {
    close(fd);
  }
#endif
  std::optional<std::string> bytes = ReadFileBytes(path, &error);
  if (!bytes) return std::nullopt;
  return FromString(std::move(*bytes));
}

InputText InputText::FromString(std::string text) {
  InputText input;
  input.owned_ = std::move(text);
  input.view_ = input.owned_;
  return input;
}

InputText::InputText(InputText&& other) noexcept { *this = std::move(other); }

InputText& InputText::operator=(InputText&& other) noexcept {
  if (this == &other) return *this;
  Release();
  owned_ = std::move(other.owned_);
  mapped_ = std::exchange(other.mapped_, nullptr);
  mappedSize_ = std::exchange(other.mappedSize_, 0);
  view_ = mapped_ != nullptr ? std::exchange(other.view_, {}) : std::string_view(owned_);
  other.view_ = {};
  return *this;
}

void InputText::Release() {
#ifndef _WIN32
  if (mapped_ != nullptr) munmap(mapped_, mappedSize_);
#endif
  mapped_ = nullptr;
  mappedSize_ = 0;
  std::string().swap(owned_);
  view_ = {};
}

}  // namespace roster
