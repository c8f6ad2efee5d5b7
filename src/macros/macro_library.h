// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro library: a fixed tree of 60 slots per node over three levels (60 + 3,600 +
// 216,000 = 219,660 slots). Every slot exists for the library's whole life and keeps its
// location; storage for a sibling group is only allocated once something is put into it, so an
// empty library costs one group. Folders live at levels 0 and 1; level 2 holds macros.

#include "macros/macro_types.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace ferrox {

inline constexpr int MacroGroupSize = 60;
inline constexpr int MacroLibrarySlotCount = MacroGroupSize + MacroGroupSize * MacroGroupSize +
                                             MacroGroupSize * MacroGroupSize * MacroGroupSize;

enum class MacroAddResult {
    Added,       // selection now names the new node
    NameExists,  // a sibling bears the name; nothing changed
    NotAdded,    // no free slot, no level for a folder, or no key index left; nothing changed
    InvalidName, // empty, or holds a line break the library file could not keep
};

// The code the manager's callers expect: 1 for a duplicate name, 0 otherwise.
inline int MacroAddResultCode(MacroAddResult r) {
    return r == MacroAddResult::NameExists;
}

class MacroLibrary {
public:
    MacroLibrary();
    ~MacroLibrary();
    MacroLibrary(const MacroLibrary&) = delete;
    MacroLibrary& operator=(const MacroLibrary&) = delete;
    // A deep copy of every slot and the counter, as a save writes it while this one changes on.
    std::unique_ptr<MacroLibrary> Copy() const;
    // Trades contents with other: a library read elsewhere takes this one's place at once.
    void Swap(MacroLibrary& other) noexcept {
        root_.swap(other.root_);
        std::swap(nextKeyIndex_, other.nextKeyIndex_);
    }

    // The slot at the location, or null for a stage outside 0..2 or an index outside 0..59.
    // The const form returns a shared free item for slots of groups never used.
    const MacroItem* NodeAt(const MacroLocation& location) const;
    MacroItem* NodeAt(const MacroLocation& location);

    MacroAddResult AddMacro(const std::wstring& name, MacroLocation& selection);
    MacroAddResult AddFolder(const std::wstring& name, MacroLocation& selection);
    // Whether a sibling of the location's level already bears exactly this name.
    bool NameExists(const std::wstring& name, const MacroLocation& location) const;
    // Gives the node, and the macro it holds, the name (the file gives a macro its node's
    // name, so both must agree for the library in memory to be what its file holds). A
    // sibling of the same name is the caller's to refuse. False, and nothing changed, for a
    // free slot, a location outside the tree or a name the file could not keep.
    bool RenameItem(const MacroLocation& location, const std::wstring& name);
    // Empties the node and its subtree and moves the later siblings (with their subtrees) one
    // slot earlier. False for a location outside the tree.
    bool DeleteItem(const MacroLocation& location);
    // Empties every slot, also those a file placed behind gaps. The key-index counter stays.
    void Clear();

    // Put a node at an exact location (used by the file readers); false and nothing placed for
    // a location outside the tree or an empty name.
    bool PlaceMacro(const std::wstring& name, const MacroLocation& location,
                    std::unique_ptr<MacroKey> macro);
    bool PlaceFolder(const std::wstring& name, const MacroLocation& location, bool open);

    // Flattened view shown by the tree lists: used top-level slots in order, each open folder
    // followed by its used children (and an open child folder by its own).
    int VisibleRowCount() const;
    MacroLocation LocationOfRow(int row) const;
    int RowOfLocation(const MacroLocation& location) const;

    void CollapseAll();
    bool SubtreeHoldsMacro(std::int32_t keyIndex, const MacroLocation& location) const;

    // The macro with this key index, searched level by level and group by group; every slot is
    // looked at, also those a file placed behind a gap. The first match wins; null when none.
    const MacroKey* FindMacro(std::int32_t keyIndex, MacroLocation* where = nullptr) const;

    // Every used slot of one level in location order (i0, then i1, then i2), including slots
    // behind gaps and below non-folders that a file placed there.
    void ForEachUsed(int stage,
                     const std::function<void(const MacroLocation&, const MacroItem&)>& fn) const;

    std::int32_t NextKeyIndex() const { return nextKeyIndex_; }
    void SetNextKeyIndex(std::int32_t next) { nextKeyIndex_ = next; }

private:
    struct Group;

    const Group* FindGroup(const MacroLocation& location) const;
    Group& EnsureGroup(const MacroLocation& location);
    // Where a new node goes for the selection: the folder's group or the top level.
    MacroLocation ParentFor(const MacroLocation& selection, bool forFolder, bool& refused) const;
    MacroAddResult AddNode(const std::wstring& name, MacroLocation& selection, bool folder);
    template <typename Visit> bool VisitVisible(Visit&& visit) const;

    std::unique_ptr<Group> root_;
    std::int32_t nextKeyIndex_ = 1;
};

// A location that names a slot of the tree: stage 0..2 and the indexes it uses in 0..59.
bool IsValidMacroLocation(const MacroLocation& location);
// The index of the location's own level (stage0Index, stage1Index or stage2Index).
int SlotIndex(const MacroLocation& location);
// Slot `slot` of the location's own sibling group.
MacroLocation SiblingLocation(MacroLocation location, int slot);
// Slot `slot` of the group below parent; a parent of stage -1 stands for the top level.
MacroLocation ChildLocation(const MacroLocation& parent, int slot);

} // namespace ferrox
