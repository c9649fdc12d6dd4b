// Reading files and standard input, and a run's memory, portable over the
// few calls that native.h names.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/native.h"
#include "platform/platform.h"

namespace roster {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string Reason(int error) { return error != 0 ? std::strerror(error) : "cannot open"; }

// Appends what is left of an open stream to `bytes`; false on a read error.
bool AppendRest(std::FILE* file, std::string& bytes, std::string* error) {
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  if (!std::ferror(file)) return true;
  if (error) *error = std::strerror(errno != 0 ? errno : EIO);
  return false;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& name, std::string* error) {
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(native::OpenForReading(name));
  if (!file) {
    if (error) *error = Reason(errno);
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
  bytes.resize(std::fread(bytes.data(), 1, expected, file.get()));
  // Whatever the size said, read on to the end (a file that grew, a pipe).
  if (!AppendRest(file.get(), bytes, error)) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadStandardInput(std::string* error) {
  native::UseBinaryMode(stdin);
  std::string bytes;
  if (!AppendRest(stdin, bytes, error)) return std::nullopt;
  return bytes;
}

bool WriteStandardOutput(std::string_view bytes) {
  native::UseBinaryMode(stdout);
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

std::optional<FileReplacement> FileReplacement::Begin(const std::string& name, std::string* error) {
  std::string target = native::FinalName(name);
  std::string temporary;
  std::FILE* file = native::CreateTemporaryBeside(target, temporary, error);
  if (file == nullptr) return std::nullopt;
  return FileReplacement(std::move(target), std::move(temporary), file);
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)),
      file_(std::exchange(other.file_, nullptr)) {}

FileReplacement::~FileReplacement() { Abandon(); }

void FileReplacement::Abandon() {
  if (file_ == nullptr) return;
  std::fclose(std::exchange(file_, nullptr));
  native::RemoveFile(temporary_);
}

bool FileReplacement::Write(std::string_view bytes, std::string* error) {
  if (file_ == nullptr) return false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size()) return true;
  if (error) *error = std::strerror(errno != 0 ? errno : EIO);
  Abandon();
  return false;
}

bool FileReplacement::Commit(std::string* error) {
  if (file_ == nullptr) return false;
  errno = 0;
  if (std::fflush(file_) != 0) {
    if (error) *error = std::strerror(errno != 0 ? errno : EIO);
    Abandon();
    return false;
  }
  if (!native::FlushToDisk(file_, error)) {
    Abandon();
    return false;
  }
  const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
  if (!closed || !native::RenameOver(temporary_, target_, error)) {
    if (!closed && error) *error = std::strerror(errno != 0 ? errno : EIO);
    native::RemoveFile(temporary_);
    return false;
  }
  return true;
}

bool ReplaceFileContents(const std::string& name, std::string_view bytes, std::string* error) {
  std::optional<FileReplacement> replacement = FileReplacement::Begin(name, error);
  return replacement && replacement->Write(bytes, error) && replacement->Commit(error);
}

std::optional<InputText> InputText::FromFile(const std::string& name, std::string* error) {
  InputText text;
  if (native::MapFile(name, text.mapped_, text.mappedSize_)) {
    text.view_ = std::string_view(static_cast<const char*>(text.mapped_), text.mappedSize_);
    return text;
  }
  std::optional<std::string> bytes = ReadFileBytes(name, error);
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
  view_ = mapped_ != nullptr ? other.view_ : std::string_view(owned_);
  other.view_ = {};
  return *this;
}

void InputText::ReleasePart(std::string_view part) const {
  if (mapped_ != nullptr && !part.empty()) native::ReleaseMappedPages(part.data(), part.size());
}

void InputText::Release() {
  if (mapped_ != nullptr) native::UnmapFile(mapped_, mappedSize_);
  mapped_ = nullptr;
  mappedSize_ = 0;
  std::string().swap(owned_);
  view_ = {};
}

namespace {

std::size_t WholeSteps(std::size_t bytes) {
  return (bytes + LargePageMemory::kStep - 1) / LargePageMemory::kStep * LargePageMemory::kStep;
}

}  // namespace

void* LargePageMemory::do_allocate(std::size_t bytes, std::size_t alignment) {
  if (bytes < kStep) return ::operator new(bytes, std::align_val_t{alignment});
  void* data = ::operator new(WholeSteps(bytes), std::align_val_t{std::max(alignment, kStep)});
  PreferLargePages(data, WholeSteps(bytes));
  return data;
}

void LargePageMemory::do_deallocate(void* data, std::size_t bytes, std::size_t alignment) {
  ::operator delete(data, std::align_val_t{bytes < kStep ? alignment : std::max(alignment, kStep)});
}

}  // namespace roster
