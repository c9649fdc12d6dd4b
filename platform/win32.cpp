// The seam on Windows: files by their UTF-8 names opened as UTF-16 names;
// messages to a console through the wide API.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/platform.h"

namespace roster {
namespace {

// UTF-8 (a name, a message) appended as UTF-16; false when a byte is no
// character.
bool WideOfUtf8(std::string_view in, std::wstring& out) {
  if (in.empty()) return true;
  const int size = static_cast<int>(in.size());
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
  if (length <= 0) return false;
  const std::size_t used = out.size();
  out.resize(used + static_cast<std::size_t>(length));
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, in.data(), size, out.data() + used, length);
  return true;
}

std::string Utf8OfWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), length, nullptr, nullptr);
  return out;
}

std::wstring WideName(const std::string& name) {
  std::wstring wide;
  WideOfUtf8(name, wide);
  return wide;
}

std::string SystemReason(DWORD code) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring reason = text != nullptr ? text : L"error " + std::to_wstring(code);
  LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L'.')) reason.pop_back();
  return Utf8OfWide(reason);
}

}  // namespace

// Large pages on Windows need a privilege that users seldom have.
void PreferLargePages(void*, std::size_t) {}

std::vector<std::string> NativeFileNames(std::string_view utf8Name) {
  std::string name(utf8Name);
  std::replace(name.begin(), name.end(), '/', '\\');
  return {name};
}

bool FileExists(const std::string& name) {
  std::wstring wide;
  return WideOfUtf8(name, wide) && GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::uint64_t> FileSize(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(WideName(name).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ExecutableFolder() {
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) return {};
  path.resize(length);
  return Utf8OfWide(path.substr(0, path.find_last_of(L"\\/") + 1));
}

std::string WorkingFolder() {
  std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
  folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
  if (folder.empty()) return {};
  return Utf8OfWide(folder.back() == L'\\' ? folder : folder + L"\\");
}

// Windows programs keep their data beside them.
std::vector<std::string> DataFolders() { return {}; }

std::vector<std::string> CommandLineArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8OfWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

bool CommandLineIsUtf8() { return true; }

namespace {

// The console standard output or error is, or null when it is a file or a
// pipe.
HANDLE Console(DWORD stream) {
  HANDLE handle = GetStdHandle(stream);
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

// Bytes that are no UTF-8 are shown as U+FFFD: a message is never dropped.
bool WriteConsoleText(HANDLE console, std::string_view utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(std::max(
      0, MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                             static_cast<int>(wide.size())))));
  for (std::size_t done = 0; done < wide.size();) {
    DWORD written = 0;
    const auto piece = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 1 << 14));
    if (!WriteConsoleW(console, wide.data() + done, piece, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

bool LocaleIsShiftJis() { return GetACP() == 932; }

bool StandardOutputIsTerminal() { return Console(STD_OUTPUT_HANDLE) != nullptr; }

bool WriteTerminal(std::string_view utf8, std::string* error) {
  HANDLE console = Console(STD_OUTPUT_HANDLE);
  if (console == nullptr) return WriteStandardOutput(utf8, error);
  if (WriteConsoleText(console, utf8)) return true;
  if (error) *error = SystemReason(GetLastError());
  return false;
}

// Windows ends no process for a failed write.
void IgnoreInputOutputSignals() {}

void WriteMessage(std::string_view utf8) {
  if (HANDLE console = Console(STD_ERROR_HANDLE); console != nullptr && WriteConsoleText(console, utf8)) return;
  UseBinaryMode(stderr);
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
}

std::FILE* OpenForReading(const std::string& name) {
  std::wstring wide;
  if (!WideOfUtf8(name, wide)) return nullptr;
  return _wfopen(wide.c_str(), L"rb");
}

// The size as the C library sees it; the time to the system's 100 ns.
FileStamp StampOf(std::FILE* file) {
  FileStamp stamp;
  struct _stat64 info {};
  if (_fstat64(_fileno(file), &info) == 0 && (info.st_mode & _S_IFREG) != 0) {
    stamp.size = static_cast<std::size_t>(info.st_size);
  }
  FILETIME written = {};
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (GetFileType(handle) == FILE_TYPE_DISK && GetFileTime(handle, nullptr, nullptr, &written)) {
    stamp.changed =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(written.dwHighDateTime) << 32) | written.dwLowDateTime);
  }
  return stamp;
}

bool ReadAt(std::FILE* file, std::uint64_t offset, char* data, std::size_t size, std::size_t& got, std::string* error) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  got = 0;
  while (got < size) {
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset + got);
    at.OffsetHigh = static_cast<DWORD>((offset + got) >> 32);
    DWORD read = 0;
    const auto piece = static_cast<DWORD>(std::min<std::size_t>(size - got, 1u << 30));
    if (!ReadFile(handle, data + got, piece, &read, &at)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      if (error) *error = SystemReason(GetLastError());
      return false;
    }
    if (read == 0) break;
    got += read;
  }
  return true;
}

void UseBinaryMode(std::FILE* stream) { _setmode(_fileno(stream), _O_BINARY); }

// Windows replaces the file a name stands for; links are left to it.
std::string FinalName(const std::string& name) { return name; }

const char* const kFolderSeparators = "\\/";

std::string TemporaryFolder() {
  wchar_t folder[MAX_PATH + 2] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  return length > 0 && length <= MAX_PATH + 1 ? Utf8OfWide(std::wstring_view(folder, length)) : ".\\";
}

FileKind KindOf(const std::string& name) {
  FileKind kind;
  HANDLE file = CreateFileW(WideName(name).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kind;
  kind.exists = true;
  BY_HANDLE_FILE_INFORMATION info = {};
  if (GetFileInformationByHandle(file, &info)) {
    kind.plain = GetFileType(file) == FILE_TYPE_DISK && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    kind.writable = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
    kind.links = info.nNumberOfLinks;
  }
  CloseHandle(file);
  return kind;
}

std::FILE* OpenForWriting(const std::string& name, std::string* error) {
  std::FILE* file = _wfopen(WideName(name).c_str(), L"wb");
  if (file == nullptr && error) *error = std::strerror(errno);
  return file;
}

std::FILE* CreateTemporaryBeside(const std::string& like, std::string& temporary, std::string* error) {
  const std::size_t slash = like.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string() : like.substr(0, slash + 1);
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::string name = folder + ".roster-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(GetTickCount() + attempt) + ".tmp";
    // Never an existing file; open to being deleted, so that Ctrl+C can
    // remove it while it is written.
    HANDLE handle = CreateFileW(WideName(name).c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      if (error) *error = SystemReason(GetLastError());
      return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | _O_RDWR);
    std::FILE* file = fd < 0 ? nullptr : _fdopen(fd, "w+b");
    if (file == nullptr) {
      if (fd < 0) CloseHandle(handle);
      else _close(fd);
      DeleteFileW(WideName(name).c_str());
      if (error) *error = std::strerror(EMFILE);
      return nullptr;
    }
    OnEndingSignal(name, "");
    temporary = name;
    return file;
  }
  if (error) *error = std::strerror(EEXIST);
  return nullptr;
}

bool FlushToDisk(std::FILE* file, std::string* error) {
  if (_commit(_fileno(file)) == 0) return true;
  if (error) *error = std::strerror(errno);
  return false;
}

bool RenameOver(const std::string& from, const std::string& to, std::string* error) {
  if (MoveFileExW(WideName(from).c_str(), WideName(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  if (error) *error = SystemReason(GetLastError());
  return false;
}

void RemoveFile(const std::string& name) { DeleteFileW(WideName(name).c_str()); }

namespace {

// What the handler does, prepared in advance; it runs on a thread of its
// own while the program goes on. `armed` is cleared while the rest changes.
volatile LONG armed = 0;
wchar_t removed[32768];
char noted[4096];
DWORD notedLength = 0;

BOOL WINAPI EndingEvent(DWORD) {
  if (armed != 0) {
    if (removed[0] != L'\0') DeleteFileW(removed);
    DWORD written = 0;
    if (notedLength > 0) WriteFile(GetStdHandle(STD_ERROR_HANDLE), noted, notedLength, &written, nullptr);
  }
  return FALSE;  // the next handler, the system's, ends the program
}

}  // namespace

void OnEndingSignal(const std::string& remove, const std::string& note) {
  static const bool installed = SetConsoleCtrlHandler(EndingEvent, TRUE) != 0;
  (void)installed;
  InterlockedExchange(&armed, 0);
  const std::wstring wide = WideName(remove);
  const bool fits = wide.size() < std::size(removed) && note.size() <= sizeof noted;
  std::memcpy(removed, wide.c_str(), (fits ? wide.size() + 1 : 1) * sizeof(wchar_t));
  if (!fits) removed[0] = L'\0';
  notedLength = fits ? static_cast<DWORD>(note.size()) : 0;
  std::memcpy(noted, note.data(), notedLength);
  InterlockedExchange(&armed, !remove.empty() || notedLength > 0 ? 1 : 0);
}

// A roster is read once and released whole.
void ReleasePages(const void*, std::size_t) {}

// Windows reads files: a mapped file that another program cuts there ends
// the program with an exception that no handler here would turn to zeros.
std::optional<FileMapping> FileMapping::Of(std::FILE*) { return std::nullopt; }
bool FileMapping::Intact() const { return true; }
void FileMapping::Unmap() {}

}  // namespace roster
