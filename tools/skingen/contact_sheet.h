// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A review sheet of every drawn image on a dark ground, labelled with its name. It is for
// people looking at the artwork; the program never loads it.

#include <QString>

namespace skingen {

class SkinSink;

bool writeContactSheet(const SkinSink& sink, const QString& file);

} // namespace skingen
