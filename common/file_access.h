#pragma once
// Whole-file reads and safe whole-file writes. A file is replaced through a
// temporary file in the same folder, flushed to the disk and only then
// renamed over it (the folder is flushed after the rename), so a crash, a
// power cut or a full disk never leaves half a file or an empty one. The
// temporary of "<file>" is "<file>.~saving-<process id>-<n>"; the next save
// of the same file removes those whose process is gone. Data files are kept
// read-only between runs: their write permission bits are cleared.

#include <optional>
#include <string>

namespace common::fileio {

// True when the file exists and can be opened for reading.
bool canRead(const std::string& path);

// The whole file as bytes; nothing when it cannot be read.
std::optional<std::string> readAll(const std::string& path);

// How far a replaced file is pushed. Durable waits for the disk (fsync of
// the file and its folder); Visible only renames, which other processes see
// at once and which still never shows half a file, but a power cut may lose it.
enum class Durability { Durable, Visible };

// Writes bytes to path through a temporary file. The result is read-only when
// keepReadOnly is set. On failure the old file is untouched and error says why.
bool replaceFile(const std::string& path, const std::string& bytes, std::string& error,
                 bool keepReadOnly = true, Durability durability = Durability::Durable);

// Owner write permission restored (the file's "attributes cleared").
void makeWritable(const std::string& path);
// Every write permission bit cleared.
void makeReadOnly(const std::string& path);

}  // namespace common::fileio
