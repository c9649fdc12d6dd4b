// Reading a whole file as bytes, given its name as bytes. On Windows the
// name is CP932 and is converted to UTF-16 explicitly, so the result does not
// depend on the process code page; elsewhere the bytes are the file name.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace roster {

// The file's contents, or nothing when it cannot be opened or read; `error`
// (when given) then receives the reason.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error = nullptr);

// Appends what is left of an open stream (a file, standard input) to
// `bytes`; false on a read error, with `error` (when given) the reason.
bool AppendRest(std::FILE* file, std::string& bytes, std::string* error = nullptr);

}  // namespace roster
