// What posix.cpp and win32.cpp each give the portable part of the seam
// (files.cpp); nothing outside platform/ includes this.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace roster::native {

// Opens a file for reading bytes, by a name in the form of platform.h.
std::FILE* OpenForReading(const std::string& name);

// Makes a standard stream pass bytes unchanged.
void UseBinaryMode(std::FILE* stream);

// What a file replacement needs: the file a name finally stands for (the
// target of a symbolic link), a new temporary file in the same folder
// opened for writing (with the permissions of `like` when it exists, its
// name in `temporary`), its contents flushed to the disk, the rename over
// the target and the removal of a temporary file. Errors as strerror gives
// them.
std::string FinalName(const std::string& name);
std::FILE* CreateTemporaryBeside(const std::string& like, std::string& temporary, std::string* error);
bool FlushToDisk(std::FILE* file, std::string* error);
bool RenameOver(const std::string& from, const std::string& to, std::string* error);
void RemoveFile(const std::string& name);

// Maps a regular, non-empty file read-only; false when the file is of
// another kind or the platform maps nothing (the caller then reads it).
bool MapFile(const std::string& name, void*& mapped, std::size_t& size);
void UnmapFile(void* mapped, std::size_t size);
// Drops the pages that lie wholly inside `bytes` of a mapping from memory.
void ReleaseMappedPages(const void* data, std::size_t bytes);

}  // namespace roster::native
