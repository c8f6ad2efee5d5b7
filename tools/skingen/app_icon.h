// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application icon for the desktop's icon theme.

#include <QString>

namespace skingen {

// Writes <hicolorDir>/<N>x<N>/apps/<iconName>.png at the usual theme sizes and
// <hicolorDir>/scalable/apps/<iconName>.svg. False, with a line on stderr, when a file
// cannot be written.
bool writeThemeIcons(const QString& hicolorDir, const QString& iconName);

} // namespace skingen
