// Every operating-system call outside the Win32 shell: files, code-page
// conversion, the command line and the terminal. posix.cpp and win32.cpp
// implement it; nothing else in the portable code touches the system.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory_resource>
#include <optional>
#include <span>
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
std::string WorkingFolder();
std::vector<std::string> DataFolders();

// The file's whole contents; nothing, with `error` (when given) the reason,
// when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& name, std::string* error = nullptr);

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

  // How the parts of a large file are read: one after another when none is
  // given; the caller may run them at once, each on a thread of its own
  // (each part reads into memory of its own).
  using RunParts = std::function<void(std::span<const std::function<void()>> parts)>;

  // Appends a file read to its end (a file of a megabyte or more in two
  // parts, through `runParts`), or standard input ("-" is not special
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

// A file replaced only once its new contents are written whole: they go to
// a temporary file in the same folder, which is flushed to the disk and then
// renamed over the file. On any failure, or when the replacement ends
// without Commit, the file is as it was and the temporary file is gone. A
// file that is a symbolic link has its target replaced; an existing file's
// permissions are kept, and one that may not be written is refused, as
// writing it would be. A file with other hard links is written in place
// once the whole of it stands beside it, so the links keep seeing it. A
// device or a pipe (not a plain file) is written to directly.
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
  enum class Way { kRename, kCopyBack, kDirect };
  FileReplacement(std::string target, std::string temporary, std::FILE* file, Way way)
      : target_(std::move(target)), temporary_(std::move(temporary)), file_(file), way_(way) {}
  void Abandon();

  std::string target_;     // the file replaced (a link's target)
  std::string temporary_;  // the new contents, until renamed or copied back; empty when written directly
  std::FILE* file_;        // open until Commit or Abandon
  Way way_;
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

// Why bytes that the detector reads as CP932 look like something else, and
// where that shows: UTF-8 with a damaged byte (valid UTF-8 Japanese up to
// it), or UTF-16 without a byte-order mark (zero bytes between the
// characters). Reading such bytes as CP932 would garble every character.
struct TextDoubt {
  std::string what;  // "UTF-8 with a damaged byte", ...
  std::size_t at;    // the byte that gives it away
};
std::optional<TextDoubt> DoubtAboutCp932(std::string_view bytes);

// `bytes`, written in `form`, as CP932 without the byte-order mark. A
// character without a CP932 form becomes "?" and is counted in `loss`, its
// offsets in bytes of `bytes` (the mark included).
std::string Cp932FromText(std::string_view bytes, TextForm form, ConversionLoss* loss = nullptr);

// CP932 text written in `form`, without a byte-order mark; bytes that are no
// CP932 character become U+FFFD and are counted in `loss`.
std::string TextFromCp932(std::string_view cp932, TextForm form, ConversionLoss* loss = nullptr);

// ---- Command line and terminal -------------------------------------------

// The program's arguments after its name: UTF-8 on Windows (read from the
// wide command line, whatever the console's code page), the bytes as given
// elsewhere.
std::vector<std::string> CommandLineArguments(int argc, char** argv);
bool CommandLineIsUtf8();

// Writes bytes to standard output unchanged; false, with the system's
// reason, when they could not all be written.
bool WriteStandardOutput(std::string_view bytes, std::string* error = nullptr);

// Whether standard output is a terminal (a console on Windows), and UTF-8
// text written to it so that it reads right (through the wide console API
// on Windows, whatever the console's code page).
bool StandardOutputIsTerminal();
bool WriteTerminal(std::string_view utf8, std::string* error = nullptr);

// A write to a closed pipe or past the file-size limit fails with its
// reason instead of ending the process with a signal.
void IgnoreInputOutputSignals();

// Writes UTF-8 text meant for a person to standard error: as it is on a
// POSIX terminal, through the wide console API on a Windows console (so it
// reads right whatever the console's code page).
void WriteMessage(std::string_view utf8);

}  // namespace roster
