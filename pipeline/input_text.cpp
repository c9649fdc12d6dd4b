// The text of one run, mapped or read into memory of its own, over the few
// file calls of platform.h.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

#include "pipeline/input_text.h"
#include "pipeline/large_page_memory.h"
#include "platform/platform.h"

namespace roster {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// A file of this size or more is read in two parts, or mapped.
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
  mapping_ = std::exchange(other.mapping_, std::nullopt);
  changed_ = std::exchange(other.changed_, false);
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
    if (error) *error = IoFailure();
    size_ = start;
    return false;
  }
}

void InputText::Own(std::size_t keep) {
  if (!mapping_) return;
  const std::string_view mapped = mapping_->View().substr(0, keep);
  Reserve(mapped.size() + 2);
  if (!mapped.empty()) std::memcpy(data_, mapped.data(), mapped.size());
  size_ = mapped.size();
  changed_ = changed_ || !mapping_->Intact();
  mapping_.reset();
}

bool InputText::AppendFile(const std::string& name, std::string* error, const RunParts& runParts) {
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(OpenForReading(name));
  if (!file) {
    if (error) *error = OpenFailure();
    return false;
  }
  const FileStamp before = StampOf(file.get());
  const std::size_t expected = before.size;
  // Mapped, a large roster is read where it lies: no fresh memory to fill.
  if (expected >= kPartsFrom && size_ == 0 && !mapping_ && (mapping_ = FileMapping::Of(file.get()))) return true;
  Own(std::string_view::npos);
  const std::size_t start = size_;
  if (expected < kPartsFrom) {
    if (!AppendStream(file.get(), expected, error)) return false;
  } else if (!ReadInParts(file.get(), expected, error, runParts)) {
    size_ = start;
    return false;
  }
  return KeptUnchanged(StampOf(file.get()) == before && (expected == 0 || size_ - start == expected), start, error);
}

// A file that an editor cuts or rewrites while it is read gives bytes of no
// one state: it is named, not read, and the text is as before.
bool InputText::KeptUnchanged(bool unchanged, std::size_t start, std::string* error) {
  if (unchanged) return true;
  if (error) *error = kChangedWhileRead;
  size_ = start;
  return false;
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
      part.read = ReadAt(file, part.offset, data_ + start + part.offset, part.size, part.got, &part.error);
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
  UseBinaryMode(stdin);
  Own(std::string_view::npos);
  // Standard input redirected from a file is told changed as a named file
  // is (a pipe has no stamp).
  const FileStamp before = StampOf(stdin);
  const std::size_t start = size_;
  return AppendStream(stdin, before.size, error) && KeptUnchanged(StampOf(stdin) == before, start, error);
}

void InputText::Append(std::string_view bytes) {
  Own(std::string_view::npos);
  Reserve(size_ + bytes.size());
  if (!bytes.empty()) std::memcpy(data_ + size_, bytes.data(), bytes.size());
  size_ += bytes.size();
}

void InputText::ReplaceFrom(std::size_t from, std::string_view bytes) {
  Own(from);
  size_ = std::min(from, size_);
  Append(bytes);
}

void InputText::ReleasePart(std::string_view part) const {
  if (!part.empty()) ReleasePages(part.data(), part.size());
}

void InputText::LetMappedPagesGo() const {
  if (mapping_) ReleasePart(mapping_->View());
}

void InputText::Release() {
  mapping_.reset();
  if (data_ != nullptr) InputMemory().deallocate(data_, capacity_, 1);
  data_ = nullptr;
  size_ = capacity_ = 0;
}

}  // namespace roster
