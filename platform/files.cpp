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

// Why a read or write just failed: errno, or a plain I/O error where the
// C library set none.
std::string IoReason() { return std::strerror(errno != 0 ? errno : EIO); }

// Appends what is left of an open stream to `bytes`; false on a read error.
bool AppendRest(std::FILE* file, std::string& bytes, std::string* error) {
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  if (!std::ferror(file)) return true;
  if (error) *error = IoReason();
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
  // neither copied through a buffer nor held twice while the string grows;
  // whatever the size said, it is read on to the end (a file that grew).
  std::string bytes(native::StampOf(file.get()).size, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  if (!AppendRest(file.get(), bytes, error)) return std::nullopt;
  return bytes;
}

bool WriteStandardOutput(std::string_view bytes, std::string* error) {
  native::UseBinaryMode(stdout);
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0) return true;
  if (error) *error = IoReason();
  return false;
}

std::optional<FileReplacement> FileReplacement::Begin(const std::string& name, std::string* error) {
  std::string target = native::FinalName(name);
  const native::FileKind kind = native::KindOf(target);
  if (kind.exists && !kind.plain) {
    std::FILE* file = native::OpenForWriting(target, error);
    if (file == nullptr) return std::nullopt;
    return FileReplacement(std::move(target), {}, file, Way::kDirect);
  }
  if (kind.exists && !kind.writable) {
    if (error) *error = std::strerror(EACCES);
    return std::nullopt;
  }
  std::string temporary;
  std::FILE* file = native::CreateTemporaryBeside(target, temporary, error);
  if (file == nullptr) return std::nullopt;
  return FileReplacement(std::move(target), std::move(temporary), file, kind.links > 1 ? Way::kCopyBack : Way::kRename);
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)),
      file_(std::exchange(other.file_, nullptr)), way_(other.way_) {}

FileReplacement::~FileReplacement() { Abandon(); }

void FileReplacement::Abandon() {
  if (file_ == nullptr) return;
  std::fclose(std::exchange(file_, nullptr));
  if (way_ != Way::kDirect) native::RemoveFile(temporary_);
}

bool FileReplacement::Write(std::string_view bytes, std::string* error) {
  if (file_ == nullptr) return false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size()) return true;
  if (error) *error = IoReason();
  Abandon();
  return false;
}

namespace {

// The whole of an open file written over `target`, in place.
bool CopyBack(std::FILE* from, const std::string& target, std::string* error) {
  std::unique_ptr<std::FILE, FileCloser> to(native::OpenForWriting(target, error));
  if (!to) return false;
  std::rewind(from);
  char buffer[1 << 16];
  std::size_t got;
  errno = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, from)) > 0) {
    if (std::fwrite(buffer, 1, got, to.get()) != got) break;
  }
  if (std::ferror(from) || std::ferror(to.get()) || std::fflush(to.get()) != 0) {
    if (error) *error = IoReason();
    return false;
  }
  return native::FlushToDisk(to.get(), error);
}

}  // namespace

bool FileReplacement::Commit(std::string* error) {
  if (file_ == nullptr) return false;
  errno = 0;
  if (std::fflush(file_) != 0) {
    if (error) *error = IoReason();
    Abandon();
    return false;
  }
  if (way_ == Way::kDirect) {
    const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
    if (!closed && error) *error = IoReason();
    return closed;
  }
  if (!native::FlushToDisk(file_, error)) {
    Abandon();
    return false;
  }
  if (way_ == Way::kCopyBack) {
    // Should the copy fail, the whole report still stands beside the file.
    std::string reason;
    const bool copied = CopyBack(file_, target_, &reason);
    std::fclose(std::exchange(file_, nullptr));
    if (copied) {
      native::RemoveFile(temporary_);
    } else if (error) {
      *error = reason + "; the whole of it is in " + temporary_;
    }
    return copied;
  }
  const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
  if (!closed || !native::RenameOver(temporary_, target_, error)) {
    if (!closed && error) *error = IoReason();
    native::RemoveFile(temporary_);
    return false;
  }
  return true;
}

bool ReplaceFileContents(const std::string& name, std::string_view bytes, std::string* error) {
  std::optional<FileReplacement> replacement = FileReplacement::Begin(name, error);
  return replacement && replacement->Write(bytes, error) && replacement->Commit(error);
}

namespace {

constexpr const char* kChanged = "it changed while it was read (read it again once it is saved)";

// A file of this size or more is read in two parts.
constexpr std::size_t kPartsFrom = std::size_t{1} << 20;
// Room that a stream is read into beyond what it said it holds.
constexpr std::size_t kGrowth = std::size_t{1} << 16;

// The input's memory: large pages where a text is large (LargePageMemory),
// never zero-filled.
LargePageMemory& InputMemory() {
  static LargePageMemory memory;
  return memory;
}

}  // namespace

InputText::InputText(InputText&& other) noexcept { *this = std::move(other); }

InputText& InputText::operator=(InputText&& other) noexcept {
  if (this == &other) return *this;
  Release();
  data_ = std::exchange(other.data_, nullptr);
  size_ = std::exchange(other.size_, 0);
  capacity_ = std::exchange(other.capacity_, 0);
  return *this;
}

void InputText::Reserve(std::size_t capacity) {
  if (capacity <= capacity_) return;
  auto* data = static_cast<char*>(InputMemory().allocate(capacity, 1));
  if (size_ > 0) std::memcpy(data, data_, size_);
  if (data_ != nullptr) InputMemory().deallocate(data_, capacity_, 1);
  data_ = data;
  capacity_ = capacity;
}

// Reads to the end: into room of the expected size, then, should more come
// (a file that grew while it was read, a pipe), into room that doubles. A
// line end may follow, so two bytes more are kept free.
bool InputText::AppendStream(std::FILE* file, std::size_t expected, std::string* error) {
  const std::size_t start = size_;
  Reserve(size_ + expected + 2);
  char probe[kGrowth];
  for (;;) {
    errno = 0;
    std::size_t got = std::fread(data_ + size_, 1, capacity_ - size_ - 2, file);
    if (got == 0 && !std::ferror(file) && !std::feof(file)) {
      // The room is full: whatever comes next grows it.
      got = std::fread(probe, 1, sizeof probe, file);
      if (got > 0) {
        Reserve(std::max(capacity_ * 2, size_ + kGrowth + 2));
        std::memcpy(data_ + size_, probe, got);
      }
    }
    size_ += got;
    if (got > 0) continue;
    if (!std::ferror(file)) return true;
    if (error) *error = IoReason();
    size_ = start;
    return false;
  }
}

bool InputText::AppendFile(const std::string& name, std::string* error, const RunParts& runParts) {
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(native::OpenForReading(name));
  if (!file) {
    if (error) *error = Reason(errno);
    return false;
  }
  const std::size_t start = size_;
  const native::FileStamp before = native::StampOf(file.get());
  const std::size_t expected = before.size;
  if (expected < kPartsFrom) {
    if (!AppendStream(file.get(), expected, error)) return false;
  } else if (!ReadInParts(file.get(), expected, error, runParts)) {
    size_ = start;
    return false;
  }
  // A file that an editor cuts or rewrites while it is read gives bytes of
  // no one state: it is named, not read.
  if (native::StampOf(file.get()) != before || (expected > 0 && size_ - start != expected)) {
    if (error) *error = kChanged;
    size_ = start;
    return false;
  }
  return true;
}

// Two halves of a regular file, each read straight into its place.
bool InputText::ReadInParts(std::FILE* file, std::size_t expected, std::string* error, const RunParts& runParts) {
  const std::size_t start = size_;
  Reserve(size_ + expected + 2);
  struct Part {
    std::size_t offset, size, got;
    bool read;
    std::string error;
  };
  Part parts[2] = {{0, expected / 2, 0, false, {}}, {expected / 2, expected - expected / 2, 0, false, {}}};
  auto reader = [&](Part& part) {
    return [&] {
      part.read = native::ReadAt(file, part.offset, data_ + start + part.offset, part.size, part.got, &part.error);
    };
  };
  const std::function<void()> reads[2] = {reader(parts[0]), reader(parts[1])};
  if (runParts) {
    runParts(reads);
  } else {
    for (const std::function<void()>& read : reads) read();
  }
  for (const Part& part : parts) {
    if (part.read) continue;
    if (error) *error = part.error;
    return false;
  }
  size_ = start + parts[0].got + (parts[0].got == parts[0].size ? parts[1].got : 0);
  return true;
}

bool InputText::AppendStandardInput(std::string* error) {
  native::UseBinaryMode(stdin);
  return AppendStream(stdin, 0, error);
}

void InputText::Append(std::string_view bytes) {
  Reserve(size_ + bytes.size());
  if (!bytes.empty()) std::memcpy(data_ + size_, bytes.data(), bytes.size());
  size_ += bytes.size();
}

void InputText::ReplaceFrom(std::size_t from, std::string_view bytes) {
  size_ = std::min(from, size_);
  Append(bytes);
}

void InputText::ReleasePart(std::string_view part) const {
  if (!part.empty()) native::ReleasePages(part.data(), part.size());
}

void InputText::Release() {
  if (data_ != nullptr) InputMemory().deallocate(data_, capacity_, 1);
  data_ = nullptr;
  size_ = capacity_ = 0;
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
