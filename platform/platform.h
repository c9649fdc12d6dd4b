// Every operating-system call outside the Win32 shell: files, memory, the
// command line and the terminal. posix.cpp and win32.cpp implement it
// (files.cpp the part that the C library gives both); nothing else in the
// portable code touches the system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// Whether anything (a file, a folder) stands under the name, and the size
// of a plain file (nothing for anything else).
bool FileExists(const std::string& name);
std::optional<std::uint64_t> FileSize(const std::string& name);

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

// ---- Open files ---------------------------------------------------------
//
// What the readers and writers above are made of.

// Opens a file for reading bytes, by a name in the form above.
std::FILE* OpenForReading(const std::string& name);

// An open regular file's size and when it was last changed (in the
// system's own ticks), taken together to tell that it changed while it was
// read; both 0 for anything else (a pipe, a folder).
struct FileStamp {
  std::size_t size = 0;
  std::int64_t changed = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(std::FILE* file);

// Reads up to `size` bytes at `offset` of an open file, without moving its
// position, so that several threads may read one file at once; fewer only
// at the file's end. False, with the reason, on an error.
bool ReadAt(std::FILE* file, std::uint64_t offset, char* data, std::size_t size, std::size_t& got, std::string* error);

// An open regular file mapped read-only, its pages read in at once, so that
// a run reads the file where it lies instead of copying it. A file that
// another program cuts while it is mapped never ends the program with a
// signal: what lies past its new end reads as zeros from then on, and
// Intact() says so. While a mapping stands, the process's one handler for
// such faults (SIGBUS on POSIX systems) knows its range.
class FileMapping {
 public:
  // All of an open regular file; nothing where the system maps none (on
  // Windows, which reads files instead; a pipe, an empty file).
  static std::optional<FileMapping> Of(std::FILE* file);

  FileMapping(FileMapping&& other) noexcept { *this = std::move(other); }
  FileMapping& operator=(FileMapping&& other) noexcept {
    if (this == &other) return *this;
    Unmap();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    descriptor_ = std::exchange(other.descriptor_, -1);
    range_ = std::exchange(other.range_, -1);
    stamp_ = other.stamp_;
    return *this;
  }
  FileMapping(const FileMapping&) = delete;
  FileMapping& operator=(const FileMapping&) = delete;
  ~FileMapping() { Unmap(); }

  std::string_view View() const { return {data_, size_}; }
  // Whether all that was read of it is the file as it was mapped: nothing
  // was read past a new end, and its size and time of change are as they
  // were.
  bool Intact() const;

 private:
  FileMapping(const char* data, std::size_t size, int descriptor, int range, FileStamp stamp)
      : data_(data), size_(size), descriptor_(descriptor), range_(range), stamp_(stamp) {}
  void Unmap();

  const char* data_ = nullptr;
  std::size_t size_ = 0;
  int descriptor_ = -1;  // the file, kept open to tell its stamp
  int range_ = -1;       // where the fault handler keeps the mapping's range
  FileStamp stamp_;
};

// Makes a standard stream pass bytes unchanged.
void UseBinaryMode(std::FILE* stream);

// What a file replacement needs: the file a name finally stands for (the
// target of a symbolic link, which need not exist), what stands there, the file opened for
// writing (emptied), a new temporary file in the same folder
// opened for writing (with the permissions of `like` when it exists, its
// name in `temporary`), its contents flushed to the disk, the rename over
// the target and the removal of a temporary file. Errors as strerror gives
// them. A signal that ends the program removes the temporary file
// (OnEndingSignal) from the moment it stands.
std::string FinalName(const std::string& name);
// The folder for temporary files of the system or the user, ending in its
// separator, and the separators of a file name's folders.
std::string TemporaryFolder();
extern const char* const kFolderSeparators;
struct FileKind {
  bool exists = false, plain = false, writable = false;
  std::size_t links = 0;
};
FileKind KindOf(const std::string& name);
std::FILE* OpenForWriting(const std::string& name, std::string* error);
std::FILE* CreateTemporaryBeside(const std::string& like, std::string& temporary, std::string* error);
bool FlushToDisk(std::FILE* file, std::string* error);
bool RenameOver(const std::string& from, const std::string& to, std::string* error);
void RemoveFile(const std::string& name);

// What a signal that ends the program (SIGINT, SIGTERM, SIGHUP; Ctrl+C or
// a closed console on Windows) does first, prepared in advance so that the
// handler only calls what is safe there: removes the file `remove` and
// writes `note` to standard error (either empty: nothing). The program then
// ends as the signal would. One file at a time: a call replaces the last.
void OnEndingSignal(const std::string& remove, const std::string& note);

// Why an open just failed (errno's reason), and why a read or a write just
// failed (errno, or a plain I/O error where the C library set none).
std::string OpenFailure();
std::string IoFailure();

// ---- Memory ---------------------------------------------------------------

// Memory that a run is about to fill whole (a table, a long list): the
// system may back it with large pages, which take far fewer page faults
// than small ones. Only a hint; nothing changes where the system has none.
void PreferLargePages(void* data, std::size_t bytes);

// Gives back the memory of the pages that lie wholly inside `bytes`; read
// again, they hold zeros (the file's bytes, in a FileMapping).
void ReleasePages(const void* data, std::size_t bytes);

// ---- Command line and terminal -------------------------------------------

// The program's arguments after its name: UTF-8 on Windows (read from the
// wide command line, whatever the console's code page), the bytes as given
// elsewhere.
std::vector<std::string> CommandLineArguments(int argc, char** argv);
bool CommandLineIsUtf8();

// Writes bytes to standard output unchanged; false, with the system's
// reason, when they could not all be written.
bool WriteStandardOutput(std::string_view bytes, std::string* error = nullptr);

// Whether the user's locale writes text in Shift_JIS (code page 932 on
// Windows, a locale whose character set is one of its names elsewhere).
bool LocaleIsShiftJis();

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
