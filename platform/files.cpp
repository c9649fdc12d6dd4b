// Reading and replacing files through the C library, over the few calls
// that posix.cpp and win32.cpp make.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/platform.h"

namespace roster {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Appends what is left of an open stream to `bytes`; false on a read error.
bool AppendRest(std::FILE* file, std::string& bytes, std::string* error) {
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  if (!std::ferror(file)) return true;
  if (error) *error = IoFailure();
  return false;
}

}  // namespace

std::string OpenFailure() { return errno != 0 ? std::strerror(errno) : "cannot open"; }

std::string IoFailure() { return std::strerror(errno != 0 ? errno : EIO); }

std::optional<std::string> ReadFileBytes(const std::string& name, std::string* error) {
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(OpenForReading(name));
  if (!file) {
    if (error) *error = OpenFailure();
    return std::nullopt;
  }
  // The file is read straight into a string of its size, so a large file is
  // neither copied through a buffer nor held twice while the string grows;
  // whatever the size said, it is read on to the end (a file that grew).
  std::string bytes(StampOf(file.get()).size, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  if (!AppendRest(file.get(), bytes, error)) return std::nullopt;
  return bytes;
}

bool WriteStandardOutput(std::string_view bytes, std::string* error) {
  UseBinaryMode(stdout);
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0) return true;
  if (error) *error = IoFailure();
  return false;
}

std::optional<FileReplacement> FileReplacement::Begin(const std::string& name, std::string* error) {
  std::string target = FinalName(name);
  const FileKind kind = KindOf(target);
  if (kind.exists && !kind.plain) {
    std::FILE* file = OpenForWriting(target, error);
    if (file == nullptr) return std::nullopt;
    return FileReplacement(std::move(target), {}, file, Way::kDirect);
  }
  if (kind.exists && !kind.writable) {
    if (error) *error = std::strerror(EACCES);
    return std::nullopt;
  }
  std::string temporary, reason;
  Way way = kind.links > 1 ? Way::kCopyBack : Way::kRename;
  std::FILE* file = CreateTemporaryBeside(target, temporary, &reason);
  if (file == nullptr && kind.exists) {
    // A folder that takes no new file, as sort(1) does with it: the report
    // stands whole in the system's temporary folder, then is written in
    // place.
    std::string unused;
    file = CreateTemporaryBeside(TemporaryFolder() + "roster", temporary, &unused);
    way = Way::kCopyBack;
  }
  if (file == nullptr) {
    const std::size_t slash = target.find_last_of(kFolderSeparators);
    const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    if (error) *error = "cannot create a temporary file in " + folder + ": " + reason;
    return std::nullopt;
  }
  return FileReplacement(std::move(target), std::move(temporary), file, way);
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)),
      file_(std::exchange(other.file_, nullptr)), way_(other.way_) {}

FileReplacement::~FileReplacement() { Abandon(); }

void FileReplacement::Abandon() {
  if (file_ == nullptr) return;
  std::fclose(std::exchange(file_, nullptr));
  if (way_ == Way::kDirect) return;
  RemoveFile(temporary_);
  OnEndingSignal("", "");
}

bool FileReplacement::Write(std::string_view bytes, std::string* error) {
  if (file_ == nullptr) return false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size()) return true;
  if (error) *error = IoFailure();
  Abandon();
  return false;
}

namespace {

// The whole of an open file written over `target`, in place.
bool CopyBack(std::FILE* from, const std::string& target, std::string* error) {
  std::unique_ptr<std::FILE, FileCloser> to(OpenForWriting(target, error));
  if (!to) return false;
  std::rewind(from);
  char buffer[1 << 16];
  std::size_t got;
  errno = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, from)) > 0) {
    if (std::fwrite(buffer, 1, got, to.get()) != got) break;
  }
  if (std::ferror(from) || std::ferror(to.get()) || std::fflush(to.get()) != 0) {
    if (error) *error = IoFailure();
    return false;
  }
  return FlushToDisk(to.get(), error);
}

}  // namespace

bool FileReplacement::Commit(std::string* error) {
  if (file_ == nullptr) return false;
  errno = 0;
  if (std::fflush(file_) != 0) {
    if (error) *error = IoFailure();
    Abandon();
    return false;
  }
  if (way_ == Way::kDirect) {
    const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
    if (!closed && error) *error = IoFailure();
    return closed;
  }
  if (!FlushToDisk(file_, error)) {
    Abandon();
    return false;
  }
  if (way_ == Way::kCopyBack) {
    // Should the copy fail, or a signal end it, the whole report still
    // stands beside the file, and is kept.
    const std::string kept = "; the whole of it is in " + temporary_;
    OnEndingSignal("", target_ + ": interrupted while written in place" + kept + "\n");
    std::string reason;
    const bool copied = CopyBack(file_, target_, &reason);
    std::fclose(std::exchange(file_, nullptr));
    if (copied) {
      RemoveFile(temporary_);
    } else if (error) {
      *error = reason + kept;
    }
    OnEndingSignal("", "");
    return copied;
  }
  const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
  const bool renamed = closed && RenameOver(temporary_, target_, error);
  if (!renamed) {
    if (!closed && error) *error = IoFailure();
    RemoveFile(temporary_);
  }
  OnEndingSignal("", "");
  return renamed;
}

bool ReplaceFileContents(const std::string& name, std::string_view bytes, std::string* error) {
  std::optional<FileReplacement> replacement = FileReplacement::Begin(name, error);
  return replacement && replacement->Write(bytes, error) && replacement->Commit(error);
}

}  // namespace roster
