// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's data loaded for a ferroxctl command, and told of: what could not be read or saved
// goes to standard error, each line naming the file.

#include "cli/cli_context.h"
#include "startup/startup_load.h"

#include <string>

namespace ferrox {

// For a command that only reads: loads and tells. The exit status the command ends with when
// all else goes well: failure when nothing of the user's could be read (what it prints is
// defaults only).
int LoadToRead(CliContext& context, const std::string& command, UserDataLoad* load = nullptr);

// For a command that saves the configuration, profiles or macro library: loads and tells; false,
// having said that nothing was changed, when one of them is there but could not be read (a save
// would replace what the user may still have).
[[nodiscard]] bool LoadToChange(CliContext& context, const std::string& command,
                                UserDataLoad* load = nullptr);

} // namespace ferrox
