#pragma once
// A file the program could not read is about to be written over with defaults or with what
// could be read of it; what it held is kept beside it first, so that it can still be repaired.

#include <filesystem>

namespace ferrox {

// Keeps the file as "<path>.damaged" (an older one there is replaced); a symbolic link keeps
// what it points at. Saves replace files rather than rewrite them, so a hard link keeps the old
// contents without taking disk space a second time, however large the damaged file is; where
// links are impossible the file is copied. False when nothing could be kept.
bool KeepDamagedFile(const std::filesystem::path& path);

} // namespace ferrox
