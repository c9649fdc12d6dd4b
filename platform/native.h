// What posix.cpp and win32.cpp each give the portable part of the seam
// (files.cpp); nothing outside platform/ includes this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace roster::native {

// Opens a file for reading bytes, by a name in the form of platform.h.
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

// Makes a standard stream pass bytes unchanged.
void UseBinaryMode(std::FILE* stream);

// What a file replacement needs: the file a name finally stands for (the
// target of a symbolic link), what stands there, the file opened for
// writing (emptied), a new temporary file in the same folder
// opened for writing (with the permissions of `like` when it exists, its
// name in `temporary`), its contents flushed to the disk, the rename over
// the target and the removal of a temporary file. Errors as strerror gives
// them.
std::string FinalName(const std::string& name);
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

// Gives back the memory of the pages that lie wholly inside `bytes`; read
// again, they hold zeros.
void ReleasePages(const void* data, std::size_t bytes);

}  // namespace roster::native
