// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report-rate section of the right column: four radios, one per rate, and the text of the
// chosen one. The rate menu stays hidden; its list still works for whoever shows it.

#include "app/main_window/window_part.h"

namespace ferrox {

namespace MainId {
enum : int {
    RateMenu = 3110,
    Rate125 = 3030,  // ..3033
    RateText = 3142, // ..3145
};
}

inline constexpr unsigned RateMenuMessage = 1134;

class RateSection : public WindowPart {
public:
    using WindowPart::WindowPart;

    void Bind() override;
    void Refresh(const ProfileSettings& profile) override;

private:
    void choose(int rate, std::array<std::uint8_t, 2> spare);
};

} // namespace ferrox
