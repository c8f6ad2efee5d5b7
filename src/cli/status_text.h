// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The charge state in the words ferroxctl status prints and the desktop bus reports.

#include "device/protocol/status_answer.h"

namespace ferrox {

const char* ChargeText(ChargeState charge);

} // namespace ferrox
