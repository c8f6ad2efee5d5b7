// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a ferroxctl command runs when the window carries it out: the window's own settings
// (already loaded, unsaved changes included) and its session with the mouse. The commands
// then load nothing and open no device of their own, and print what they would print on their
// own, so the same command gives the same answer either way.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace ferrox {

class SyncSession;

class CommandHost {
public:
    using Trace = std::function<void(char direction, std::span<const uint8_t> report)>;
    virtual ~CommandHost() = default;

    virtual SyncSession& session() = 0;
    // An explicit command is the user's own action: its changes go to the mouse even while the
    // window rests hidden, and without the window's progress notice.
    virtual void beginSend() = 0;
    virtual void endSend() = 0;
    // The command's frames are queued. The window does not wait for them: it answers once
    // they are on the wire, with their --trace lines at this point of the command's output.
    virtual void framesQueued(size_t outputAt) = 0;
};

} // namespace ferrox
