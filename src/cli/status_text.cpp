// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/status_text.h"

namespace ferrox {

const char* ChargeText(ChargeState charge) {
    switch (charge) {
    case ChargeState::Charging:
        return "charging";
    case ChargeState::Full:
        return "fully charged";
    case ChargeState::OnBattery:
        break;
    }
    return "on battery";
}

} // namespace ferrox
