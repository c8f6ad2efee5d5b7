// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the user library's saving thread busy with a save of its own until released, so that
// the saves asked for meanwhile wait their turn and nothing of theirs is told yet.

#include "macros/macro_user_library.h"

#include <future>

namespace ferrox::test {

class HeldSaves {
public:
    HeldSaves() {
        std::promise<void> started;
        UserMacroLibrarySaves().Save(MacroLibrary(),
                                     [&started, released = released_](const MacroLibrary&) {
                                         started.set_value();
                                         released.wait();
                                         return true;
                                     });
        started.get_future().wait();
    }
    HeldSaves(const HeldSaves&) = delete;
    HeldSaves& operator=(const HeldSaves&) = delete;
    ~HeldSaves() { Release(); }
    void Release() {
        if (!releasedOnce_)
            release_.set_value();
        releasedOnce_ = true;
    }

private:
    std::promise<void> release_;
    std::shared_future<void> released_ = release_.get_future().share();
    bool releasedOnce_ = false;
};

} // namespace ferrox::test
