// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the two sets of settings of save_states.h in turn, for ever, into the data folder
// given as its argument; the kill test ends it with SIGKILL at random moments.

#include "reliability/save_states.h"
#include "base/app_globals.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_loop DATA_FOLDER\n");
        return 2;
    }
    ferrox::DataFolder = argv[1];
    static ferrox::MacroLibrary library;
    for (int which = 1;; which = 1 - which) {
        ferrox::test::MakeSaveState(which, library);
        if (!ferrox::test::SaveEverything(library)) {
            std::fprintf(stderr, "save_loop: a save failed\n");
            return 1;
        }
    }
}
