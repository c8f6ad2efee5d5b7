// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hand edits of a macro: ready-made inserts, deleting a step, the delay and movement values
// typed into the editors, the loop count and macro names. Each keeps the macro's command count
// (what the mouse stores as separate commands) in step with its actions and refuses what would
// pass the mouse's limits.

#include "macros/macro_types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ferrox {

// The insert-action menu's entries, in menu order.
enum class MacroInsertKind : int {
    LeftClick = 0,
    RightClick = 1,
    MiddleClick = 2,
    Delay = 3,
    KeyPair = 4,
    MoveLeft = 5,
    MoveRight = 6,
    MoveUp = 7,
    MoveDown = 8,
};
inline constexpr int MacroInsertKindCount = 9;

// Where an insert goes: after the selected row, or at the end with no selection.
std::uint32_t MacroInsertPosition(const MacroKey& macro, int selectedRow);

// Whether the insert fits both limits (336 actions, 168 commands). A delay right after a delay
// always fits: the existing one is edited instead.
bool MacroInsertFits(const MacroKey& macro, MacroInsertKind kind, std::uint32_t position);
// For a delay: the row of the delay before position that is edited in place, or -1.
int MacroDelayToEdit(const MacroKey& macro, std::uint32_t position);

// Puts the kind's ready-made actions at position (a click or key pair: press, 50 ms, release;
// a move of 1; a 100 ms delay) and returns how many went in; the command count is left to
// CommitMacroInsert, so an edit the user cancels is undone with RemoveMacroActions alone.
// 0 when they do not fit.
std::uint32_t InsertReadyMade(MacroKey& macro, MacroInsertKind kind, std::uint32_t position);
void RemoveMacroActions(MacroKey& macro, std::uint32_t position, std::uint32_t count);
// Counts the confirmed insert's commands (a delay counts through AdjustForDelayEdit).
void CommitMacroInsert(MacroKey& macro, MacroInsertKind kind);
// The row selected after the insert: the release of a pair, the move, the delay.
int MacroRowAfterInsert(MacroInsertKind kind, std::uint32_t position);

// A delay edited from oldMs to newMs counts one command while it is above 127 ms. False, and
// nothing changes, when the edit would pass the command limit. The count never goes below 0.
bool AdjustForDelayEdit(MacroKey& macro, std::uint32_t oldMs, std::uint32_t newMs);

// Deletes the step at row and returns the row selected afterwards: the same row, the one above
// when the last row went, -1 when the macro is empty or the row did not exist.
int DeleteMacroActionAt(MacroKey& macro, int row);

// Steps whose code is a mouse button, move or wheel have no editor.
bool IsEditableKeyAction(const MacroAction& action);
// Codes the key editor takes: keyboard keys only (below 8 reads as a delay; 0xE0..0xE7 are
// mouse codes).
bool IsRecordableKeyCode(unsigned code);

// Numbers as the editors read them: the leading decimal digits (none: 0), saturating.
std::uint64_t LeadingDigits(std::wstring_view text);
// The delay editor's value in milliseconds, 0..15,300,000.
inline constexpr std::uint32_t MacroDelayEditMax = 15'300'000;
std::uint32_t DelayFromText(std::wstring_view text);
// The movement editor's step: direction 5 left, 6 right, 7 up, 8 (or other) down; the distance
// is 1..127.
inline constexpr int MacroMoveLeft = 5, MacroMoveRight = 6, MacroMoveUp = 7, MacroMoveDown = 8;
MacroAction MoveFromText(int direction, std::wstring_view text);
// The distance shown for a movement step (always positive).
int MoveDistance(const MacroAction& action);

// The loop count box: 0 and empty read 1, 256 and more read 255.
std::uint8_t LoopCountFromText(std::wstring_view text);

// Names of macros and folders: control characters removed, at most 60 characters.
inline constexpr std::size_t MacroNameMaxLength = 60;
std::wstring CleanMacroName(std::wstring_view typed);
// Empty or only blanks.
bool IsBlankMacroName(std::wstring_view name);

} // namespace ferrox
