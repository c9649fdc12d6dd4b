// The text of one run, read into memory of its own.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "report/sort_order.h"

namespace roster {

// The text of one run, read into memory of its own: files are read with
// read(), never mapped, so a file that an editor truncates or extends
// while it is read gives the bytes that were there, never a signal. The
// memory is allocated once at a file's size (on large pages when large) and
// not zero-filled, so a large roster is touched once.
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

  // Appends a file read to its end (a file of a megabyte or more in two
  // parts, each into memory of its own, through `runParts`: one after
  // another when none is given), or standard input ("-" is not special
  // here); false, with the reason in `error`, when it cannot be opened or
  // read, or changed while it was read (the text is then as before).
  bool AppendFile(const std::string& name, std::string* error = nullptr, const RunParts& runParts = {});
  bool AppendStandardInput(std::string* error = nullptr);
  void Append(std::string_view bytes);
  // Replaces the text from byte `from` on, as when a file just appended is
  // converted to CP932.
  void ReplaceFrom(std::size_t from, std::string_view bytes);

  std::string_view View() const { return {data_, size_}; }
  // Gives back the memory of a part of the text that will not be read
  // again (read again, it holds zeros); safe from several threads at once.
  void ReleasePart(std::string_view part) const;
  void Release();

 private:
  bool AppendStream(std::FILE* file, std::size_t expected, std::string* error);
  bool ReadInParts(std::FILE* file, std::size_t expected, std::string* error, const RunParts& runParts);
  void Reserve(std::size_t capacity);

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace roster
