// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up notice of files the window could not use: which could not be read (defaults
// stand in for them) and which were left as they are instead of being saved over, each named
// with what was found in its place.

#include "base/file_problems.h"

#include <string>
#include <vector>

namespace ferrox {

// Empty when there is nothing to tell.
std::wstring FileProblemsText(const std::vector<FileProblem>& problems);
// Two parts of a notice, a blank line between them when both have something.
std::wstring JoinParagraphs(const std::wstring& first, const std::wstring& second);

} // namespace ferrox
