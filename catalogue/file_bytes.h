// Reading a whole file as bytes, given its name as bytes. On Windows the
// name is CP932 and is converted to UTF-16 explicitly, so the result does not
// depend on the process code page; elsewhere the bytes are the file name.
#pragma once

#include <optional>
#include <string>

namespace roster {

// The file's contents, or nothing when it cannot be opened or read; `error`
// (when given) then receives the reason.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error = nullptr);

}  // namespace roster
