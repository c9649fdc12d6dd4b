// The seam on POSIX systems: files by their byte names; the terminal takes
// UTF-8 as it is.
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "encoding/encoding.h"

namespace roster {
std::FILE* OpenForReading(const std::string& name) { return std::fopen(name.c_str(), "rb"); }

namespace {

FileStamp StampOfDescriptor(int descriptor) {
  struct stat info {};
  if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) return {};
  return {static_cast<std::size_t>(info.st_size),
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

}  // namespace

FileStamp StampOf(std::FILE* file) { return StampOfDescriptor(fileno(file)); }

bool ReadAt(std::FILE* file, std::uint64_t offset, char* data, std::size_t size, std::size_t& got, std::string* error) {
  got = 0;
  while (got < size) {
    const ssize_t read = pread(fileno(file), data + got, size - got, static_cast<off_t>(offset + got));
    if (read == 0) break;
    if (read < 0) {
      if (errno == EINTR) continue;
      if (error) *error = std::strerror(errno);
      return false;
    }
    got += static_cast<std::size_t>(read);
  }
  return true;
}

void UseBinaryMode(std::FILE*) {}

namespace {

// The mapped files' ranges, for the SIGBUS handler: the one piece of state
// that the whole process shares outside the shell. A file cut while mapped
// faults on the pages past its new end; the handler puts zeros there and
// marks the range, where a longjmp would skip destructors.
struct MappedRange {
  std::atomic<bool> taken{false};
  std::atomic<std::uintptr_t> begin{0}, end{0};  // begin 0: none
  std::atomic<bool> cut{false};
};
MappedRange mappedRanges[16];
struct sigaction busActionBefore {};
std::uintptr_t mappedPage = 4096;  // the page size, read before the handler stands

void FaultInMapping(int signal, siginfo_t* info, void*) {
  const auto at = reinterpret_cast<std::uintptr_t>(info->si_addr);
  for (MappedRange& range : mappedRanges) {
    const std::uintptr_t begin = range.begin.load();
    const std::uintptr_t end = range.end.load();
    if (begin == 0 || at < begin || at >= end) continue;
    // Zeros from the page that faulted to the end, in one go: the rest of
    // the cut faults no more.
    const std::uintptr_t page = at & ~(mappedPage - 1);
    void* zeros = mmap(reinterpret_cast<void*>(page), end - page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros == MAP_FAILED) break;
    range.cut = true;
    return;
  }
  // Not a mapped file's fault: the signal does what it did before.
  sigaction(signal, &busActionBefore, nullptr);
  raise(signal);
}

int KeepRange(const void* data, std::size_t bytes) {
  static const bool installed = [] {
    mappedPage = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    struct sigaction action {};
    action.sa_sigaction = FaultInMapping;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_SIGINFO;
    return sigaction(SIGBUS, &action, &busActionBefore) == 0;
  }();
  if (!installed) return -1;
  for (MappedRange& range : mappedRanges) {
    bool free = false;
    if (!range.taken.compare_exchange_strong(free, true)) continue;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    range.cut = false;
    range.end = (begin + bytes + mappedPage - 1) & ~(mappedPage - 1);
    range.begin = begin;
    return static_cast<int>(&range - mappedRanges);
  }
  return -1;
}

}  // namespace

std::optional<FileMapping> FileMapping::Of(std::FILE* file) {
  const FileStamp stamp = StampOf(file);
  if (stamp.size == 0) return std::nullopt;
  const int descriptor = dup(fileno(file));
  if (descriptor < 0) return std::nullopt;
  void* data = mmap(nullptr, stamp.size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
  const int range = data == MAP_FAILED ? -1 : KeepRange(data, stamp.size);
  if (range < 0) {
    if (data != MAP_FAILED) munmap(data, stamp.size);
    close(descriptor);
    return std::nullopt;
  }
  return FileMapping(static_cast<const char*>(data), stamp.size, descriptor, range, stamp);
}

bool FileMapping::Intact() const {
  return range_ < 0 || (!mappedRanges[range_].cut && StampOfDescriptor(descriptor_) == stamp_);
}

void FileMapping::Unmap() {
  if (range_ < 0) return;
  MappedRange& range = mappedRanges[range_];
  range.begin = 0;
  range.end = 0;
  munmap(const_cast<char*>(data_), size_);
  range.taken = false;
  close(descriptor_);
  data_ = nullptr;
  size_ = 0;
  descriptor_ = range_ = -1;
}

// Link after link, as the system would follow them (40 at the most, as
// Linux does), to the name of a file that may not exist yet: a link to
// none has its target created.
std::string FinalName(const std::string& name) {
  std::string final = name;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (lstat(final.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) break;
    std::string target(4096, '\0');
    const ssize_t length = readlink(final.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) break;
    target.resize(static_cast<std::size_t>(length));
    const std::size_t slash = final.rfind('/');
    final = target.front() == '/' || slash == std::string::npos ? target : final.substr(0, slash + 1) + target;
  }
  return final;
}

const char* const kFolderSeparators = "/";

std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  const std::string name = folder != nullptr && *folder != '\0' ? folder : "/tmp";
  return name.back() == '/' ? name : name + "/";
}

FileKind KindOf(const std::string& name) {
  struct stat info {};
  FileKind kind;
  if (stat(name.c_str(), &info) != 0) return kind;
  kind.exists = true;
  kind.plain = S_ISREG(info.st_mode);
  kind.writable = access(name.c_str(), W_OK) == 0;
  kind.links = static_cast<std::size_t>(info.st_nlink);
  return kind;
}

std::FILE* OpenForWriting(const std::string& name, std::string* error) {
  std::FILE* file = std::fopen(name.c_str(), "wb");
  if (file == nullptr && error) *error = std::strerror(errno);
  return file;
}

std::FILE* CreateTemporaryBeside(const std::string& like, std::string& temporary, std::string* error) {
  const std::size_t slash = like.rfind('/');
  std::string pattern = (slash == std::string::npos ? std::string() : like.substr(0, slash + 1)) + ".roster-XXXXXX";
  // A signal that ends the program removes the file from the moment it
  // stands: none is taken in between.
  sigset_t ending, before;
  sigemptyset(&ending);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&ending, signal);
  pthread_sigmask(SIG_BLOCK, &ending, &before);
  const int fd = mkstemp(pattern.data());
  if (fd >= 0) OnEndingSignal(pattern, "");
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
  if (fd < 0) {
    if (error) *error = std::strerror(errno);
    return nullptr;
  }
  // mkstemp makes the file private; it takes the mode (and, for root, the
  // owner) of the file it replaces, or a new file's usual mode.
  struct stat info {};
  if (stat(like.c_str(), &info) == 0) {
    fchmod(fd, info.st_mode & 07777);
    if (fchown(fd, info.st_uid, info.st_gid) != 0) {
      // Only root may give a file away; anyone else's file stays theirs.
    }
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
  }
  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    if (error) *error = std::strerror(errno);
    close(fd);
    unlink(pattern.c_str());
    OnEndingSignal("", "");
    return nullptr;
  }
  temporary = std::move(pattern);
  return file;
}

bool FlushToDisk(std::FILE* file, std::string* error) {
  if (fsync(fileno(file)) == 0 || errno == EINVAL) return true;  // EINVAL: nothing to flush there
  if (error) *error = std::strerror(errno);
  return false;
}

bool RenameOver(const std::string& from, const std::string& to, std::string* error) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  if (error) *error = std::strerror(errno);
  return false;
}

void RemoveFile(const std::string& name) { unlink(name.c_str()); }

namespace {

// What the handler does, in memory of its own: it may come while the
// program is anywhere, even inside malloc. `armed` is cleared while the
// rest changes.
volatile std::sig_atomic_t armed = 0;
char removed[4096];
char noted[4096];
std::size_t notedLength = 0;

void EndingSignal(int signal) {
  if (armed) {
    if (removed[0] != '\0') unlink(removed);
    if (notedLength > 0 && write(STDERR_FILENO, noted, notedLength) < 0) {
      // Nothing more can be done for the message.
    }
  }
  raise(signal);  // the handler was reset: the signal now ends the program
}

}  // namespace

void OnEndingSignal(const std::string& remove, const std::string& note) {
  static const bool installed = [] {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction action {};
      // A signal the program was started to ignore (nohup) stays ignored.
      if (sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) continue;
      action.sa_handler = EndingSignal;
      sigemptyset(&action.sa_mask);
      action.sa_flags = SA_RESETHAND | SA_NODEFER;
      sigaction(signal, &action, nullptr);
    }
    return true;
  }();
  (void)installed;
  armed = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  const bool fits = remove.size() < sizeof removed && note.size() <= sizeof noted;
  std::memcpy(removed, remove.c_str(), fits ? remove.size() + 1 : 1);
  if (!fits) removed[0] = '\0';
  notedLength = fits ? note.size() : 0;
  std::memcpy(noted, note.data(), notedLength);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  armed = !remove.empty() || notedLength > 0;
}

namespace {

// Gives `advice` for the pages that lie wholly inside `bytes` at `data`.
void AdvisePagesWithin(const void* data, std::size_t bytes, int advice) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) & ~(page - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(page - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, advice);
}

}  // namespace

void PreferLargePages(void* data, std::size_t bytes) { AdvisePagesWithin(data, bytes, MADV_HUGEPAGE); }

void ReleasePages(const void* data, std::size_t bytes) {
  AdvisePagesWithin(data, bytes, MADV_DONTNEED);
}

bool FileExists(const std::string& name) {
  struct stat info {};
  return stat(name.c_str(), &info) == 0;
}

std::optional<std::uint64_t> FileSize(const std::string& name) {
  struct stat info {};
  if (stat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(info.st_size);
}

std::string ExecutableFolder() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

std::string WorkingFolder() {
  char* folder = getcwd(nullptr, 0);
  if (folder == nullptr) return {};
  std::string name(folder);
  std::free(folder);
  return name.back() == '/' ? name : name + "/";
}

std::vector<std::string> DataFolders() {
  const char* value = std::getenv("XDG_DATA_DIRS");
  const std::string list = value != nullptr && *value != '\0' ? value : "/usr/local/share/:/usr/share/";
  std::vector<std::string> folders;
  for (std::size_t start = 0; start <= list.size();) {
    std::size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    std::string folder = list.substr(start, end - start);
    if (!folder.empty()) folders.push_back(folder.back() == '/' ? folder : folder + "/");
    start = end + 1;
  }
  return folders;
}

std::vector<std::string> NativeFileNames(std::string_view utf8Name) {
  std::vector<std::string> names = {std::string(utf8Name)};
  ConversionLoss loss;
  std::string cp932 = Cp932FromUtf8(utf8Name, &loss);
  if (loss.count == 0 && cp932 != names[0]) names.push_back(std::move(cp932));
  return names;
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

bool CommandLineIsUtf8() { return false; }

// The locale the environment names (LC_ALL, LC_CTYPE, LANG), read without
// making it the program's own: nothing else here follows it.
bool LocaleIsShiftJis() {
  const locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return false;
  std::string name;  // "Shift_JIS", "SJIS", "WINDOWS-31J" as SHIFTJIS, SJIS, WINDOWS31J
  for (const char* c = nl_langinfo_l(CODESET, locale); *c != '\0'; ++c) {
    if (std::isalnum(static_cast<unsigned char>(*c))) name.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(*c))));
  }
  freelocale(locale);
  for (const char* shiftJis : {"SJIS", "CP932", "MS932", "WINDOWS31J", "MSKANJI", "CSSHIFTJIS", "IBM943"}) {
    if (name == shiftJis) return true;
  }
  return name.starts_with("SHIFTJIS");  // and its JIS X 0213 kin
}

bool StandardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

bool WriteTerminal(std::string_view utf8, std::string* error) { return WriteStandardOutput(utf8, error); }

void IgnoreInputOutputSignals() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

void WriteMessage(std::string_view utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
}

}  // namespace roster
