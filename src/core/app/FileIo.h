#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zicalc {

// The outcome of a file operation: empty `error` means it worked; otherwise a short English
// description of what failed (the operation and the system's reason), for the window to wrap in
// its own message.
struct FileStatus final {
    std::string error;
    bool ok() const { return error.empty(); }
};

// Reads a whole file as bytes. Nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Replaces `path` with `bytes` so that a crash, a kill or a full disk never leaves a half-written
// file: a temporary file in the same directory takes every byte (each write's length checked),
// is flushed and fsynced, renamed over the old file, and the directory is fsynced. On any failure
// the old file is left byte for byte as it was, the temporary file is removed, and the error is
// returned.
FileStatus WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Appends `bytes` to `path` (creating it), checking the full length and syncing it. Used where a
// format grows by whole lines; a failure is returned, never ignored.
FileStatus AppendToFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace zicalc
