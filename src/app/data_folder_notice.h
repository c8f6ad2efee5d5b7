// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window says about the data folder's move (data_folder_move.h): a log line, and a
// notice once the window is up, when the move failed or the older folder was found beside
// the new one for the first time.

#include "base/data_folder_move.h"

#include <string>

class QWidget;

namespace ferrox {

// In the interface language; empty when there is nothing to tell.
std::wstring DataFolderNoticeText(const DataFolderMove& move);
// Logs the move and, as soon as window's event loop runs, shows the notice over it.
void TellDataFolderMove(QWidget& window, const DataFolderMove& move);

} // namespace ferrox
