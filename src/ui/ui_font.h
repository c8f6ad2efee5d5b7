// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interface fonts. Faces are named as the language files name them ("Tahoma", "宋体") and
// substituted by installed faces; heights follow the classic convention: negative is the
// character (em) height in pixels, positive the whole cell height (ascent + descent).

#include <QFont>
#include <QString>

#include <string>

namespace ferrox {

// An installed family standing in for the named face (the face itself when installed).
QString InstalledFace(const std::wstring& face);

// weight: 0 for the default (normal), otherwise 100..900.
QFont MakeFont(const std::wstring& face, int height, int weight = 0);

// Font of the drawn controls and popups: the language's face and height (LanguageFontFace,
// LanguageFontSize), normal weight.
QFont ControlFont();
// Font of a dialog's own texts: 10 points at the given logical resolution, scaled with the
// window, weight 600.
QFont DialogFont(int logicalDpiY);

} // namespace ferrox
