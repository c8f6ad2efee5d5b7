// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_library.h"

#include <utility>

#include <algorithm>

namespace ferrox {

struct MacroLibrary::Group {
    std::array<MacroItem, MacroGroupSize> items;
    // Sibling groups below each slot; level-2 groups never have any.
    std::array<std::unique_ptr<Group>, MacroGroupSize> children;

    void Empty(int slot) {
        items[slot].Clear();
        children[slot].reset();
    }
    int FirstFree() const {
        for (int i = 0; i < MacroGroupSize; ++i)
            if (items[i].IsFree())
                return i;
        return -1;
    }
    std::unique_ptr<Group> Copy() const {
        auto copy = std::make_unique<Group>();
        for (int i = 0; i < MacroGroupSize; ++i) {
            const MacroItem& from = items[i];
            MacroItem& to = copy->items[i];
            to.MacroItemName = from.MacroItemName;
            to.MacroItemIsFolder = from.MacroItemIsFolder;
            to.MacroItemFolderIsOpen = from.MacroItemFolderIsOpen;
            if (from.macro)
                to.macro = std::make_unique<MacroKey>(*from.macro);
            if (children[i])
                copy->children[i] = children[i]->Copy();
        }
        return copy;
    }
};

namespace {

const MacroItem kFreeItem{};

bool InGroupRange(std::int32_t index) {
    return index >= 0 && index < MacroGroupSize;
}

// Fields below the node's level are 0, whatever the caller passed.
MacroLocation Normalized(const MacroLocation& l) {
    MacroLocation n{l.stage, l.stage0Index, 0, 0};
    if (l.stage >= 1)
        n.stage1Index = l.stage1Index;
    if (l.stage >= 2)
        n.stage2Index = l.stage2Index;
    return n;
}

bool IsUsableName(const std::wstring& name) {
    return !name.empty() && name.find(L'\n') == std::wstring::npos;
}

} // namespace

bool IsValidMacroLocation(const MacroLocation& l) {
    if (l.stage < 0 || l.stage > 2 || !InGroupRange(l.stage0Index))
        return false;
    return (l.stage < 1 || InGroupRange(l.stage1Index)) &&
           (l.stage < 2 || InGroupRange(l.stage2Index));
}

int SlotIndex(const MacroLocation& l) {
    return l.stage <= 0 ? l.stage0Index : l.stage == 1 ? l.stage1Index : l.stage2Index;
}

MacroLocation SiblingLocation(MacroLocation l, int slot) {
    (l.stage <= 0 ? l.stage0Index : l.stage == 1 ? l.stage1Index : l.stage2Index) = slot;
    return l;
}

MacroLocation ChildLocation(const MacroLocation& parent, int slot) {
    MacroLocation child = parent.stage < 0 ? MacroLocation{-1, 0, 0, 0} : Normalized(parent);
    ++child.stage;
    return SiblingLocation(child, slot);
}

MacroLibrary::MacroLibrary() : root_(std::make_unique<Group>()) {}
MacroLibrary::~MacroLibrary() = default;

std::unique_ptr<MacroLibrary> MacroLibrary::Copy() const {
    auto copy = std::make_unique<MacroLibrary>();
    copy->root_ = root_->Copy();
    copy->nextKeyIndex_ = nextKeyIndex_;
    return copy;
}

const MacroLibrary::Group* MacroLibrary::FindGroup(const MacroLocation& l) const {
    const Group* g = root_.get();
    if (l.stage >= 1)
        g = g->children[l.stage0Index].get();
    if (g && l.stage >= 2)
        g = g->children[l.stage1Index].get();
    return g;
}

MacroLibrary::Group& MacroLibrary::EnsureGroup(const MacroLocation& l) {
    Group* g = root_.get();
    auto descend = [&g](int slot) {
        if (!g->children[slot])
            g->children[slot] = std::make_unique<Group>();
        g = g->children[slot].get();
    };
    if (l.stage >= 1)
        descend(l.stage0Index);
    if (l.stage >= 2)
        descend(l.stage1Index);
    return *g;
}

const MacroItem* MacroLibrary::NodeAt(const MacroLocation& l) const {
    if (!IsValidMacroLocation(l))
        return nullptr;
    const Group* g = FindGroup(l);
    return g ? &g->items[SlotIndex(l)] : &kFreeItem;
}

MacroItem* MacroLibrary::NodeAt(const MacroLocation& l) {
    if (!IsValidMacroLocation(l))
        return nullptr;
    return &EnsureGroup(l).items[SlotIndex(l)];
}

bool MacroLibrary::NameExists(const std::wstring& name, const MacroLocation& l) const {
    MacroLocation group = l.stage < 0 ? MacroLocation{0, 0, 0, 0} : l;
    if (name.empty() || !IsValidMacroLocation(SiblingLocation(group, 0)))
        return false;
    const Group* g = FindGroup(group);
    return g && std::any_of(g->items.begin(), g->items.end(),
                            [&](const MacroItem& i) { return i.MacroItemName == name; });
}

MacroLocation MacroLibrary::ParentFor(const MacroLocation& s, bool forFolder, bool& refused) const {
    refused = false;
    const MacroItem* node = s.stage >= 0 && s.stage <= 1 ? NodeAt(s) : nullptr;
    if (!node || node->IsFree() || node->MacroItemIsFolder != 1)
        return {0, 0, 0, 0};
    if (forFolder && s.stage == 1) {
        refused = true; // folders go no deeper than level 1
        return {};
    }
    return ChildLocation(s, 0);
}

MacroAddResult MacroLibrary::AddNode(const std::wstring& name, MacroLocation& selection,
                                     bool folder) {
    if (!IsUsableName(name))
        return MacroAddResult::InvalidName;
    bool refused = false;
    MacroLocation parent = ParentFor(selection, folder, refused);
    if (refused)
        return MacroAddResult::NotAdded;
    if (NameExists(name, parent))
        return MacroAddResult::NameExists;
    // A counter at its limit has no identity left to give; reusing one would confuse buttons.
    if (!folder && nextKeyIndex_ == INT32_MAX)
        return MacroAddResult::NotAdded;
    Group& g = EnsureGroup(parent);
    int slot = g.FirstFree();
    if (slot < 0)
        return MacroAddResult::NotAdded;
    MacroItem& item = g.items[slot];
    item.MacroItemName = name;
    item.MacroItemIsFolder = folder ? 1 : 0;
    item.MacroItemFolderIsOpen = 0;
    if (!folder) {
        item.macro = std::make_unique<MacroKey>(name);
        item.macro->MacroKeyIndex = nextKeyIndex_++;
    }
    selection = SiblingLocation(parent, slot);
    return MacroAddResult::Added;
}

MacroAddResult MacroLibrary::AddMacro(const std::wstring& name, MacroLocation& selection) {
    return AddNode(name, selection, false);
}

MacroAddResult MacroLibrary::AddFolder(const std::wstring& name, MacroLocation& selection) {
    return AddNode(name, selection, true);
}

bool MacroLibrary::RenameItem(const MacroLocation& location, const std::wstring& name) {
    // The const look-up makes no group for a location never used.
    const MacroItem* found = std::as_const(*this).NodeAt(location);
    if (!found || found->IsFree() || !IsUsableName(name))
        return false;
    MacroItem* node = NodeAt(location);
    node->MacroItemName = name;
    if (node->macro)
        node->macro->name = name;
    return true;
}

bool MacroLibrary::DeleteItem(const MacroLocation& l) {
    if (!IsValidMacroLocation(l))
        return false;
    Group* g = const_cast<Group*>(FindGroup(l));
    if (!g)
        return true; // a group never used holds nothing to delete or move
    int slot = SlotIndex(l);
    g->Empty(slot);
    // The emptied slot travels to the end; later siblings keep their subtrees as they move.
    std::rotate(g->items.begin() + slot, g->items.begin() + slot + 1, g->items.end());
    std::rotate(g->children.begin() + slot, g->children.begin() + slot + 1, g->children.end());
    return true;
}

void MacroLibrary::Clear() {
    for (int i = 0; i < MacroGroupSize; ++i)
        root_->Empty(i);
}

bool MacroLibrary::PlaceMacro(const std::wstring& name, const MacroLocation& l,
                              std::unique_ptr<MacroKey> macro) {
    // An empty name would make a free slot that still holds something.
    MacroItem* item = name.empty() ? nullptr : NodeAt(l);
    if (!item)
        return false;
    item->MacroItemName = name;
    // A macro node always holds a macro, so that its file block is complete.
    item->macro = macro ? std::move(macro) : std::make_unique<MacroKey>(name);
    item->MacroItemIsFolder = 0;
    item->MacroItemFolderIsOpen = 0;
    return true;
}

bool MacroLibrary::PlaceFolder(const std::wstring& name, const MacroLocation& l, bool open) {
    // An empty name would make a free slot that still holds something.
    MacroItem* item = name.empty() ? nullptr : NodeAt(l);
    if (!item)
        return false;
    item->MacroItemName = name;
    item->macro.reset();
    item->MacroItemIsFolder = 1;
    item->MacroItemFolderIsOpen = open ? 1 : 0;
    return true;
}

template <typename Visit> bool MacroLibrary::VisitVisible(Visit&& visit) const {
    for (int i0 = 0; i0 < MacroGroupSize; ++i0) {
        const MacroItem& top = root_->items[i0];
        if (top.IsFree())
            continue;
        if (visit(MacroLocation{0, i0, 0, 0}))
            return true;
        const Group* g1 = top.IsOpenFolder() ? root_->children[i0].get() : nullptr;
        for (int i1 = 0; g1 && i1 < MacroGroupSize; ++i1) {
            const MacroItem& mid = g1->items[i1];
            if (mid.IsFree())
                continue;
            if (visit(MacroLocation{1, i0, i1, 0}))
                return true;
            const Group* g2 = mid.IsOpenFolder() ? g1->children[i1].get() : nullptr;
            for (int i2 = 0; g2 && i2 < MacroGroupSize; ++i2)
                if (!g2->items[i2].IsFree() && visit(MacroLocation{2, i0, i1, i2}))
                    return true;
        }
    }
    return false;
}

int MacroLibrary::VisibleRowCount() const {
    int rows = 0;
    VisitVisible([&rows](const MacroLocation&) {
        ++rows;
        return false;
    });
    return rows;
}

MacroLocation MacroLibrary::LocationOfRow(int row) const {
    MacroLocation found;
    if (row < 0)
        return found;
    VisitVisible([&](const MacroLocation& l) {
        if (row-- != 0)
            return false;
        found = l;
        return true;
    });
    return found;
}

int MacroLibrary::RowOfLocation(const MacroLocation& location) const {
    if (!IsValidMacroLocation(location))
        return -1;
    const MacroLocation wanted = Normalized(location);
    int row = 0;
    bool found = VisitVisible([&](const MacroLocation& l) {
        if (l == wanted)
            return true;
        ++row;
        return false;
    });
    return found ? row : -1;
}

void MacroLibrary::CollapseAll() {
    for (int i0 = 0; i0 < MacroGroupSize; ++i0) {
        root_->items[i0].MacroItemFolderIsOpen = 0;
        if (Group* g1 = root_->children[i0].get())
            for (int i1 = 0; i1 < MacroGroupSize; ++i1)
                g1->items[i1].MacroItemFolderIsOpen = 0;
    }
}

namespace {

template <typename Group> bool GroupHoldsMacro(const Group* g, std::int32_t keyIndex) {
    for (int i = 0; g && i < MacroGroupSize; ++i) {
        const MacroItem& item = g->items[i];
        if (item.IsFree())
            continue;
        if (item.macro && item.macro->MacroKeyIndex == keyIndex)
            return true;
        if (GroupHoldsMacro(g->children[i].get(), keyIndex))
            return true;
    }
    return false;
}

} // namespace

bool MacroLibrary::SubtreeHoldsMacro(std::int32_t keyIndex, const MacroLocation& l) const {
    const MacroItem* node = NodeAt(l);
    if (!node || node->IsFree())
        return false;
    if (node->macro && node->macro->MacroKeyIndex == keyIndex)
        return true;
    // Everything below the node goes with it when it is deleted, so all of it is searched.
    const Group* g = FindGroup(l);
    return l.stage < 2 && g && GroupHoldsMacro(g->children[SlotIndex(l)].get(), keyIndex);
}

void MacroLibrary::ForEachUsed(
    int stage, const std::function<void(const MacroLocation&, const MacroItem&)>& fn) const {
    auto eachUsed = [&fn](const Group& g, MacroLocation l) {
        for (int i = 0; i < MacroGroupSize; ++i)
            if (!g.items[i].IsFree())
                fn(SiblingLocation(l, i), g.items[i]);
    };
    if (stage == 0)
        eachUsed(*root_, {0, 0, 0, 0});
    for (int i0 = 0; stage >= 1 && stage <= 2 && i0 < MacroGroupSize; ++i0) {
        const Group* g1 = root_->children[i0].get();
        if (g1 && stage == 1)
            eachUsed(*g1, {1, i0, 0, 0});
        for (int i1 = 0; g1 && stage == 2 && i1 < MacroGroupSize; ++i1)
            if (const Group* g2 = g1->children[i1].get())
                eachUsed(*g2, {2, i0, i1, 0});
    }
}

const MacroKey* MacroLibrary::FindMacro(std::int32_t keyIndex, MacroLocation* where) const {
    const MacroKey* found = nullptr;
    auto search = [&](const Group* g, MacroLocation l) {
        for (int i = 0; g && !found && i < MacroGroupSize; ++i) {
            const MacroItem& item = g->items[i];
            if (item.MacroItemIsFolder == 0 && item.macro &&
                item.macro->MacroKeyIndex == keyIndex) {
                found = item.macro.get();
                if (where)
                    *where = SiblingLocation(l, i);
            }
        }
    };
    search(root_.get(), {0, 0, 0, 0});
    for (int i0 = 0; !found && i0 < MacroGroupSize; ++i0)
        search(root_->children[i0].get(), {1, i0, 0, 0});
    for (int i0 = 0; !found && i0 < MacroGroupSize; ++i0)
        for (int i1 = 0; !found && i1 < MacroGroupSize && root_->children[i0]; ++i1)
            search(root_->children[i0]->children[i1].get(), {2, i0, i1, 0});
    return found;
}

} // namespace ferrox
