// The text that roster-extract works on: a regular file is mapped into
// memory where the platform allows it (no copy, no zero-filled buffer of the
// file's size), anything else is read into a string. Either way the text
// can be released as soon as its characters are collected.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace roster {

class InputText {
 public:
  // The file at `path` (bytes of its name); nothing, with `error`, when it
  // cannot be read.
  static std::optional<InputText> FromFile(const std::string& path, std::string& error);
  static InputText FromString(std::string text);

  InputText(InputText&& other) noexcept;
  InputText& operator=(InputText&& other) noexcept;
  InputText(const InputText&) = delete;
  InputText& operator=(const InputText&) = delete;
  ~InputText() { Release(); }

  std::string_view View() const { return view_; }
  void Release();

 private:
  InputText() = default;

  std::string owned_;
  void* mapped_ = nullptr;  // a mapping of mappedSize_ bytes, or null
  std::size_t mappedSize_ = 0;
  std::string_view view_;
};

}  // namespace roster
