// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: guarantees one running instance, then runs the main window until it
// closes; the program ends with it.

#include <memory>
#include <string>
#include <vector>

namespace ferrox {

class CFerroxDlg;

// How the program ends once its main window has closed: the window goes (a pending deferred
// save is written, frames still queued are sent), then the macro library's saves, written on a
// thread of their own, reach the file, and so do the settings saved on theirs.
void EndMainWindow(std::unique_ptr<CFerroxDlg> window);

class CFerroxApp {
public:
    // The whole life of the program; returns the exit status.
    int Run(int argc, char** argv);
};

} // namespace ferrox
