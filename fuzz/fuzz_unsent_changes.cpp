// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record of changes saved but not yet delivered to the mouse (config/unsent.txt).
// Property: the groups read write back and read again to the same groups.

#include "device/protocol/unsent_changes.h"
#include "fuzz/fuzz_support.h"

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ResetScratch();
    WriteBytes(UnsentChangesPath(), data, size);
    const unsigned groups = ReadUnsentChanges(UnsentChangesPath());
    const fs::path copy = ScratchFolder() / "unsent.txt";
    Check(WriteUnsentChanges(copy, groups), "the record is written");
    Check(ReadUnsentChanges(copy) == groups, "the record reads back the same");
    return 0;
}
