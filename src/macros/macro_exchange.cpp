// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_exchange.h"

#include "base/stale_temp_files.h"
#include "macros/macro_library_file.h"

#include <algorithm>
#include <vector>

namespace ferrox {
namespace {

bool IsMacroNode(const MacroItem* item) {
    return item && !item->IsFree() && item->MacroItemIsFolder == 0 && item->macro;
}

bool IsFolderNode(const MacroItem* item) {
    return item && !item->IsFree() && item->MacroItemIsFolder == 1;
}

std::wstring FileNameFrom(std::wstring name, const wchar_t* extension) {
    std::replace(name.begin(), name.end(), L'/', L'_');
    return name + extension;
}

// Where add macro and add folder put new nodes for this selection: the selected folder, or
// the top level (stage -1).
MacroLocation DestinationFor(const MacroLibrary& library, const MacroLocation& selection) {
    const MacroItem* node = selection.stage >= 0 ? library.NodeAt(selection) : nullptr;
    return IsFolderNode(node) && selection.stage <= 1 ? selection : MacroLocation{};
}

void OpenFolder(MacroLibrary& library, const MacroLocation& folder) {
    if (folder.stage >= 0)
        library.NodeAt(folder)->MacroItemFolderIsOpen = 1;
}

// The exchange file, read into a scratch library. The selection is checked before use: it
// must be "nothing" (-1) or name a slot of the tree.
struct ExchangeFile {
    MacroLibrary scratch;
    MacroLocation selection;
    bool readable = false;

    explicit ExchangeFile(const std::filesystem::path& path) {
        bool clean = ReadMacroLibrary(path, scratch, selection);
        bool anything = false;
        scratch.ForEachUsed(0, [&](const MacroLocation&, const MacroItem&) { anything = true; });
        // A damaged file still offers the complete items before the damage.
        readable = clean || anything;
    }
    bool SelectionUsable() const {
        return selection.stage == -1 || IsValidMacroLocation(selection);
    }
};

// Adds a copy of the source node (and, for a folder, its used children) below the parent
// selection. Returns where it went, or stage -1 when it could not be placed.
MacroLocation CopyNode(const MacroLibrary& source, const MacroLocation& from, MacroLibrary& target,
                       const MacroLocation& parent) {
    const MacroItem* item = source.NodeAt(from);
    MacroLocation placed = parent;
    if (IsMacroNode(item)) {
        if (target.AddMacro(item->MacroItemName, placed) != MacroAddResult::Added)
            return {};
        CopyMacroContents(*target.NodeAt(placed)->macro, *item->macro);
        return placed;
    }
    if (!IsFolderNode(item) || from.stage >= 2 ||
        target.AddFolder(item->MacroItemName, placed) != MacroAddResult::Added)
        return {};
    for (int i = 0; i < MacroGroupSize; ++i) {
        const MacroLocation child = ChildLocation(from, i);
        if (!source.NodeAt(child)->IsFree())
            CopyNode(source, child, target, placed);
    }
    return placed;
}

// The file's items to import, in order.
std::vector<MacroLocation> SourceItems(const ExchangeFile& file) {
    std::vector<MacroLocation> items;
    const MacroLocation& sel = file.selection;
    if (sel.stage == -1) {
        file.scratch.ForEachUsed(
            0, [&](const MacroLocation& l, const MacroItem&) { items.push_back(l); });
        return items;
    }
    const MacroItem* node = file.scratch.NodeAt(sel);
    if (IsFolderNode(node)) {
        items.push_back(sel);
        return items;
    }
    if (!IsMacroNode(node))
        return items;
    // The macro and the used siblings after it, up to the first free slot.
    for (int slot = SlotIndex(sel); slot < MacroGroupSize; ++slot) {
        const MacroLocation sibling = SiblingLocation(sel, slot);
        if (file.scratch.NodeAt(sibling)->IsFree())
            break;
        items.push_back(sibling);
    }
    return items;
}

} // namespace

void CopyMacroContents(MacroKey& target, const MacroKey& source) {
    const std::int32_t identity = target.MacroKeyIndex;
    target = source;
    target.MacroKeyIndex = identity;
    target.MacroActionNum = std::min(target.MacroActionNum, MacroActionCapacity);
}

std::wstring ProposedMacroFileName(const MacroLibrary& library, const MacroLocation& selection) {
    const MacroItem* node = library.NodeAt(selection);
    return FileNameFrom(node ? node->MacroItemName : std::wstring(), L".mkf");
}

std::wstring ProposedSetFileName(const MacroLibrary& library, const MacroLocation& selection) {
    const MacroItem* node = library.NodeAt(selection);
    if (selection.stage < 0 || !node || node->IsFree())
        return L"AllMacroKey.mbf";
    return FileNameFrom(node->MacroItemName, L".mbf");
}

bool ExportMacro(const MacroLibrary& library, const MacroLocation& selection,
                 const std::filesystem::path& path) {
    if (!IsMacroNode(library.NodeAt(selection)))
        return false;
    RemoveStaleTempFilesBeside(path);
    return WriteMacroLibrary(path, library, selection);
}

bool ExportMacroSet(const MacroLibrary& library, const MacroLocation& selection,
                    const std::filesystem::path& path) {
    // A selection that names no item exports everything, as the proposed file name says.
    const MacroItem* node = library.NodeAt(selection);
    const bool selected = selection.stage >= 0 && node && !node->IsFree();
    RemoveStaleTempFilesBeside(path);
    return WriteMacroLibrary(path, library, selected ? selection : MacroLocation{});
}

MacroImportResult ImportMacro(MacroLibrary& library, MacroLocation& selection,
                              const std::filesystem::path& path) {
    ExchangeFile file(path);
    if (!file.readable)
        return {MacroImportStatus::Unreadable};
    const MacroItem* source =
        file.SelectionUsable() ? file.scratch.NodeAt(file.selection) : nullptr;
    if (!IsMacroNode(source))
        return {MacroImportStatus::NothingToImport};
    const MacroLocation destination = DestinationFor(library, selection);
    MacroLocation placed = selection;
    switch (library.AddMacro(source->MacroItemName, placed)) {
    case MacroAddResult::Added:
        break;
    case MacroAddResult::NameExists:
        return {MacroImportStatus::NameExists};
    default:
        return {MacroImportStatus::NotAdded};
    }
    OpenFolder(library, destination);
    CopyMacroContents(*library.NodeAt(placed)->macro, *source->macro);
    selection = placed;
    return {MacroImportStatus::Imported, 1};
}

MacroImportResult ImportMacroSet(MacroLibrary& library, MacroLocation& selection,
                                 const std::filesystem::path& path) {
    ExchangeFile file(path);
    if (!file.readable)
        return {MacroImportStatus::Unreadable};
    const std::vector<MacroLocation> items =
        file.SelectionUsable() ? SourceItems(file) : std::vector<MacroLocation>{};
    if (items.empty())
        return {MacroImportStatus::NothingToImport};
    const MacroLocation destination = DestinationFor(library, selection);
    // Names are looked up in the destination group: inside the folder, or the top level.
    MacroLocation group = destination;
    if (group.stage >= 0)
        ++group.stage;
    for (const MacroLocation& item : items)
        if (library.NameExists(file.scratch.NodeAt(item)->MacroItemName, group))
            return {MacroImportStatus::NameExists};

    MacroImportResult result{MacroImportStatus::NotAdded};
    MacroLocation last;
    for (const MacroLocation& item : items) {
        MacroLocation placed = CopyNode(file.scratch, item, library, destination);
        if (placed.stage < 0)
            continue;
        last = placed;
        ++result.itemsAdded;
    }
    if (result.itemsAdded == 0)
        return result;
    OpenFolder(library, destination);
    selection = last;
    result.status = MacroImportStatus::Imported;
    return result;
}

} // namespace ferrox
