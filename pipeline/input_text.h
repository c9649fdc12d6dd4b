// The text of one run, read into memory of its own.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "report/sort_order.h"

namespace roster {

// Why a file's text was not taken: another program changed it while it was
// read (an editor saving it).
inline constexpr const char* kChangedWhileRead = "it changed while it was read (read it again once it is saved)";

// The text of one run. A large regular file that the text starts with is
// mapped where the system can (FileMapping), so a roster is neither copied
// nor given fresh memory; anything else (standard input, a small file, a
// file that follows another, a file that was converted) is read with read()
// into memory of its own, allocated once at a file's size (on large pages
// when large) and not zero-filled, so a large roster is touched once. A
// file that another program truncates or extends while it is read is never
// taken half, nor does it end the program with a signal: a read tells it at
// once, a mapping through Intact().
class InputText {
 public:
  InputText() = default;
  // A text already in memory (the window's box), copied.
  static InputText Of(std::string_view bytes) {
    InputText text;
    text.Append(bytes);
    return text;
  }
  InputText(InputText&& other) noexcept;
  InputText& operator=(InputText&& other) noexcept;
  InputText(const InputText&) = delete;
  InputText& operator=(const InputText&) = delete;
  ~InputText() { Release(); }

  // Appends a file (mapped, to an empty text, when large; otherwise read to
  // its end, a file of a megabyte or more in two parts, each into memory of
  // its own, through `runParts`: one after another when none is given), or
  // standard input ("-" is not special here); false, with the reason in
  // `error`, when it cannot be opened or read, or changed while it was read
  // (the text is then as before).
  bool AppendFile(const std::string& name, std::string* error = nullptr, const RunParts& runParts = {});
  bool AppendStandardInput(std::string* error = nullptr);
  void Append(std::string_view bytes);
  // Replaces the text from byte `from` on, as when a file just appended is
  // converted to CP932.
  void ReplaceFrom(std::size_t from, std::string_view bytes);

  std::string_view View() const { return mapping_ ? mapping_->View() : std::string_view(data_, size_); }
  // Whether the text is mapped from a file, whose changes Intact() tells.
  bool Mapped() const { return mapping_.has_value(); }
  // Whether all that was read of the text was its files' bytes: false once
  // a file mapped for it changed while it was read (a file read into memory
  // of its own was judged as it was read). Asked after the last read.
  bool Intact() const { return !changed_ && (!mapping_ || mapping_->Intact()); }
  // Gives back the memory of a part of the text that will not be read
  // again (read again, it holds zeros or the file's bytes); safe from
  // several threads at once.
  void ReleasePart(std::string_view part) const;
  // Lets the pages of a mapped text go from the process until they are read
  // again (from the file, unchanged), so that a scan of the whole text
  // before the walk does not hold it all beside the run's memory. A text
  // in memory of its own is kept as it is.
  void LetMappedPagesGo() const;
  void Release();

 private:
  // A mapped text that is about to change becomes memory of its own, of
  // its first `keep` bytes.
  void Own(std::size_t keep);
  bool AppendStream(std::FILE* file, std::size_t expected, std::string* error);
  // True when `unchanged`; else the text is cut back to `start` and
  // `error` says the file changed while it was read.
  bool KeptUnchanged(bool unchanged, std::size_t start, std::string* error);
  bool ReadInParts(std::FILE* file, std::size_t expected, std::string* error, const RunParts& runParts);
  void Reserve(std::size_t capacity);

  // The text is the mapping when there is one (and then none of its own).
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  std::optional<FileMapping> mapping_;
  bool changed_ = false;  // a mapping given up had not stayed intact
};

}  // namespace roster
