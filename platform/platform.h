// Every operating-system call outside the Win32 shell: files, code-page
// conversion, the command line and the terminal. posix.cpp and win32.cpp
// implement it; nothing else in the portable code touches the system.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

// ---- File names and files -------------------------------------------------
//
// A file name is bytes on POSIX systems and UTF-8 on Windows, which the
// platform turns into the UTF-16 name Windows opens; either way it is the
// form CommandLineArguments gives.

// The names under which a file named `utf8Name` (with "/" between folders)
// may be found: on Windows the name itself; elsewhere the UTF-8 name, then
// the CP932 bytes of it, as a Windows archive unpacks them.
std::vector<std::string> NativeFileNames(std::string_view utf8Name);

// Whether anything (a file, a folder) stands under the name.
bool FileExists(const std::string& name);

// The folder of the running program, and the folders where an installed
// program's data lies ($XDG_DATA_DIRS, else /usr/local/share and
// /usr/share; none on Windows), each ending in its separator; empty when
// unknown.
std::string ExecutableFolder();
std::vector<std::string> DataFolders();

// The file's whole contents; nothing, with `error` (when given) the reason,
// when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& name, std::string* error = nullptr);

// Standard input read to its end, as bytes.
std::optional<std::string> ReadStandardInput(std::string* error = nullptr);

// A text to work on: a regular file mapped into memory where the platform
// allows it (no copy, no zero-filled buffer of the file's size), anything
// else held in a string. Release gives the memory back at once.
class InputText {
 public:
  static std::optional<InputText> FromFile(const std::string& name, std::string* error = nullptr);
  static InputText FromString(std::string text);

  InputText(InputText&& other) noexcept;
  InputText& operator=(InputText&& other) noexcept;
  InputText(const InputText&) = delete;
  InputText& operator=(const InputText&) = delete;
  ~InputText() { Release(); }

  std::string_view View() const { return view_; }
  void Release();
  // Gives back the memory of a part of a mapped file that will not be read
  // again (read again, it comes back from the file); nothing for a string.
  // Safe to call from several threads at once.
  void ReleasePart(std::string_view part) const;

 private:
  InputText() = default;

  std::string owned_;
  void* mapped_ = nullptr;  // a mapping of mappedSize_ bytes, or null
  std::size_t mappedSize_ = 0;
  std::string_view view_;
};

// A file replaced only once its new contents are written whole: they go to
// a temporary file in the same folder, which is flushed to the disk and then
// renamed over the file. On any failure, or when the replacement ends
// without Commit, the file is as it was and the temporary file is gone. A
// file that is a symbolic link has its target replaced; an existing file's
// permissions are kept.
class FileReplacement {
 public:
  static std::optional<FileReplacement> Begin(const std::string& name, std::string* error = nullptr);

  FileReplacement(FileReplacement&& other) noexcept;
  FileReplacement& operator=(FileReplacement&&) = delete;
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  ~FileReplacement();

  // False, with the system's reason, when the bytes could not be written;
  // the replacement is then abandoned.
  bool Write(std::string_view bytes, std::string* error = nullptr);
  bool Commit(std::string* error = nullptr);

 private:
  FileReplacement(std::string target, std::string temporary, std::FILE* file)
      : target_(std::move(target)), temporary_(std::move(temporary)), file_(file) {}
  void Abandon();

  std::string target_;     // the file replaced (a link's target)
  std::string temporary_;  // the new contents, until renamed
  std::FILE* file_;        // open on temporary_ until Commit or Abandon
};

// The whole of `bytes` as the file's new contents, as FileReplacement does.
bool ReplaceFileContents(const std::string& name, std::string_view bytes, std::string* error = nullptr);

// ---- Memory ---------------------------------------------------------------

// Memory that a run is about to fill whole (a table, a long list): the
// system may back it with large pages, which take far fewer page faults
// than small ones. Only a hint; nothing changes where the system has none.
void PreferLargePages(void* data, std::size_t bytes);

// Memory for one run's long lists and tables. An allocation of 2 MiB or
// more starts on a 2 MiB boundary, fills whole steps of 2 MiB and carries
// the large-page hint, so that large pages can back all of it (a list that
// starts anywhere has its first and last steps in small pages, each page a
// fault of its own); a smaller one comes from the heap as usual.
class LargePageMemory final : public std::pmr::memory_resource {
 public:
  static constexpr std::size_t kStep = std::size_t{2} << 20;

 private:
  void* do_allocate(std::size_t bytes, std::size_t alignment) override;
  void do_deallocate(void* data, std::size_t bytes, std::size_t alignment) override;
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }
};

// ---- Code pages -------------------------------------------------------------
//
// Code page 932 to and from UTF-16 (the text of Windows controls; wchar_t
// elsewhere holds UTF-32 and the same functions convert to it) and UTF-8.
// Nothing is converted silently into something else: a character with no
// form in the target becomes a replacement ("?" in CP932, U+FFFD in Unicode),
// never a look-alike, and is counted in `loss` (when given). The one
// exception, the same on every platform: nine characters that other systems
// write for JIS characters (〜 − ‖ — ¢ £ ¬ ¥ ‾) are those characters.

struct ConversionLoss {
  std::size_t count = 0;     // characters replaced
  std::size_t firstAt = 0;   // offset in the input of the first, in its units
  std::size_t firstLength = 0;  // its length in those units
};

std::wstring WideFromCp932(std::string_view cp932, ConversionLoss* loss = nullptr);
std::string Cp932FromWide(std::wstring_view wide, ConversionLoss* loss = nullptr);
std::string Utf8FromCp932(std::string_view cp932, ConversionLoss* loss = nullptr);
std::string Cp932FromUtf8(std::string_view utf8, ConversionLoss* loss = nullptr);

// ---- Text files in any encoding ---------------------------------------------
//
// A file the user gives (a roster, a dropped file, the catalogue) may be
// written in CP932, UTF-8 or UTF-16. The one detector: a UTF-8 byte-order
// mark, or text that is valid UTF-8 and holds a byte beyond ASCII, is UTF-8;
// a UTF-16 byte-order mark is UTF-16; anything else is CP932.

enum class TextEncoding { kCp932, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

struct TextForm {
  TextEncoding encoding = TextEncoding::kCp932;
  std::size_t byteOrderMark = 0;  // bytes of the mark at the start; 0: none

  friend bool operator==(const TextForm&, const TextForm&) = default;
};

TextForm DetectTextForm(std::string_view bytes);

// `bytes`, written in `form`, as CP932 without the byte-order mark. A
// character without a CP932 form becomes "?" and is counted in `loss`, its
// offsets in bytes of `bytes` (the mark included).
std::string Cp932FromText(std::string_view bytes, TextForm form, ConversionLoss* loss = nullptr);

// ---- Command line and terminal -------------------------------------------

// The program's arguments after its name: UTF-8 on Windows (read from the
// wide command line, whatever the console's code page), the bytes as given
// elsewhere.
std::vector<std::string> CommandLineArguments(int argc, char** argv);
bool CommandLineIsUtf8();

// Writes bytes to standard output unchanged; false when they could not all
// be written.
bool WriteStandardOutput(std::string_view bytes);

// Writes UTF-8 text meant for a person to standard error: as it is on a
// POSIX terminal, through the wide console API on a Windows console (so it
// reads right whatever the console's code page).
void WriteMessage(std::string_view utf8);

}  // namespace roster
