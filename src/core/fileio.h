#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velnorix {

enum class ReadResult { Read, CannotOpen, TooLarge };

// Reads a regular file of at most maxBytes into content. A larger file is
// refused by its size before anything is read or allocated. CannotOpen: the
// file is missing, not a regular readable file, or a read fails.
ReadResult ReadFile(const std::string &path, std::size_t maxBytes, std::string &content);

// The whole content of a file, or nothing when it is missing, not a regular
// readable file, or a read fails.
std::optional<std::string> ReadWholeFile(const std::string &path);

bool FileExists(const std::string &path);

// Creates the folder and its missing parents; a failure shows when a file is
// then written there.
void CreateFolders(const std::string &folder);

enum class WriteResult { Written, CannotCreate, WriteFailed };

// Replaces the file's content without ever leaving it half-written: the bytes
// go to a temporary file in the target's folder, which is then renamed over
// the target. A symbolic link is followed, so the link stays and the file it
// names is replaced; an existing file keeps its permission bits. On failure
// the old file is untouched and no temporary file is left behind.
WriteResult WriteFileAtomically(const std::string &path, std::string_view bytes);

} // namespace velnorix
