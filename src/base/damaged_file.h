// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file the program could not read is about to be written over with defaults or with what
// could be read of it; what it held is kept beside it first, so that it can still be repaired.
// When nothing can be kept, the file is held instead: no save of this run replaces it.

#include <filesystem>
#include <vector>

namespace ferrox {

// How many copies of one file are kept: an older one goes when a newer one would be the sixth.
inline constexpr int kDamagedCopiesKept = 5;

// Keeps the file as "<path>.damaged", or as "<path>.damaged.2", ".3" and so on when earlier
// copies are there (an existing copy is never overwritten), and removes the oldest copies
// beyond kDamagedCopiesKept. A symbolic link keeps what it points at. Saves replace files
// rather than rewrite them, so a hard link keeps the old contents without taking disk space a
// second time, however large the damaged file is; where links are impossible the file is
// copied. A copy of the same contents (the same file, or the same bytes) is not kept twice:
// true, with no new copy. False when nothing was kept: there is no such file, or it could not be kept (for
// lack of permission, say), in which case it is held.
bool KeepDamagedFile(const std::filesystem::path& path);

// Holds a file the program could not read, so that no save of this run replaces it.
void HoldFile(const std::filesystem::path& path);
// Whether a save to path must leave the file alone, because it could not be kept.
bool IsHeldFile(const std::filesystem::path& path);
// The files held so far, in the order they were met, for telling the user.
std::vector<std::filesystem::path> HeldFiles();
// Forgets them (a fresh start-up; tests).
void ReleaseHeldFiles();

} // namespace ferrox
