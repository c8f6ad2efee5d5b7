// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual mouse's state file (ferroxctl --simulate-state). Property: a state that parses
// writes back to a text that parses to the same state.

#include "device/virtual/virtual_mouse_state.h"
#include "fuzz/fuzz_support.h"

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    VirtualMouseState state = VirtualMouseState::Defaults();
    if (!state.parse(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    const std::string text = state.serialize();
    VirtualMouseState again = VirtualMouseState::Defaults();
    Check(again.parse(text), "a written state parses");
    Check(again.serialize() == text, "a written state reads back the same");
    return 0;
}
