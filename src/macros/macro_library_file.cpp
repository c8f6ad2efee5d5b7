// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_library_file.h"

#include "base/text_file.h"
#include "macros/macro_action_text.h"

#include <algorithm>
#include <climits>
#include <cwctype>
#include <optional>

namespace ferrox {
namespace {

constexpr std::wstring_view kHeader = L"[MacroLibrary]";

std::wstring LocationText(const MacroLocation& l) {
    return L"stage=" + std::to_wstring(l.stage) + L";stage0Index=" +
           std::to_wstring(l.stage0Index) + L";stage1Index=" + std::to_wstring(l.stage1Index) +
           L";stage2Index=" + std::to_wstring(l.stage2Index) + L";";
}

// The value after the first "="; none when the line has no "=" or ends with it.
std::optional<std::wstring_view> ValueOf(std::wstring_view line) {
    std::size_t eq = line.find(L'=');
    if (eq == std::wstring_view::npos || eq + 1 == line.size())
        return std::nullopt;
    return line.substr(eq + 1);
}

// A decimal number from the start of the text, as the C runtime reads it: leading blanks, an
// optional sign, digits; anything else ends it and no digits give 0. Saturates instead of
// overflowing.
long long LeadingNumber(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
        value = value > (LLONG_MAX - 9) / 10 ? LLONG_MAX : value * 10 + (text[i] - L'0');
    return negative ? -value : value;
}

// 32-bit fields keep the low 32 bits, so a negative index written as "%u" reads back as itself.
std::int32_t Low32(long long v) {
    return std::int32_t(std::uint32_t(std::uint64_t(v)));
}

// "stage=..;stage0Index=..;stage1Index=..;stage2Index=..;": the four texts between each "="
// and the following ";".
std::optional<MacroLocation> ParseLocation(std::wstring_view line) {
    std::int32_t fields[4];
    std::size_t pos = 0;
    for (std::int32_t& field : fields) {
        std::size_t eq = line.find(L'=', pos);
        if (eq == std::wstring_view::npos || eq + 1 == line.size())
            return std::nullopt;
        std::size_t semi = line.find(L';', eq + 1);
        std::size_t end = semi == std::wstring_view::npos ? line.size() : semi;
        field = Low32(LeadingNumber(line.substr(eq + 1, end - eq - 1)));
        pos = end;
    }
    return MacroLocation{fields[0], fields[1], fields[2], fields[3]};
}

void AppendBlock(std::wstring& out, const MacroLocation& l, const MacroItem& item) {
    const std::wstring indent(std::size_t(l.stage), L'\t');
    auto line = [&](std::wstring_view text) {
        out += indent;
        out += text;
        out += L'\n';
    };
    // A line feed inside a name would end the line and make the rest of the file unreadable.
    std::wstring name = item.MacroItemName;
    std::replace(name.begin(), name.end(), L'\n', L' ');
    line(L"++++++++MacroItemName=" + name);
    line(L"MacroItemLocation:" + LocationText(l));
    line(L"MacroItemIsFolder=" + std::to_wstring(item.MacroItemIsFolder));
    line(L"MacroItemFolderIsOpen=" + std::to_wstring(item.MacroItemFolderIsOpen));
    if (item.MacroItemIsFolder != 0 || !item.macro)
        return;
    const MacroKey& key = *item.macro;
    line(L"MacroKeyIndex=" + std::to_wstring(std::uint32_t(key.MacroKeyIndex)));
    line(L"MacroKeyLoopType=" + std::to_wstring(key.MacroKeyLoopType));
    line(L"MacroKeyLoopNum=" + std::to_wstring(key.MacroKeyLoopNum));
    line(L"MacroActionNum=" + std::to_wstring(key.MacroActionNum));
    line(L"MacroCommandActionNum=" + std::to_wstring(key.MacroCommandActionNum));
    line(L"AllAction=" + FormatMacroActions(key.actions));
}

// Reads lines and values for one file, remembering the largest key index placed so the
// counter can be kept ahead of it.
class LibraryReader {
public:
    LibraryReader(const MacroLineSource& next, MacroLibrary& target)
        : next_(next), target_(target) {}

    bool Run(MacroLocation& selection) {
        target_.Clear();
        bool clean = ReadAll(selection);
        KeepCounterAhead();
        return clean;
    }

private:
    bool Next() { return next_(line_); }
    std::optional<std::wstring_view> NextValue() {
        if (!Next())
            return std::nullopt;
        return ValueOf(line_);
    }
    std::optional<long long> NextNumber() {
        auto value = NextValue();
        return value ? std::optional<long long>(LeadingNumber(*value)) : std::nullopt;
    }

    bool ReadAll(MacroLocation& selection) {
        if (!Next() || line_ != kHeader)
            return false;
        auto counter = NextNumber();
        if (!counter || !Next())
            return false;
        auto sel = ParseLocation(line_);
        if (!sel)
            return false;
        selection = *sel;
        target_.SetNextKeyIndex(Low32(*counter));
        while (Next())
            if (!ReadItem())
                return false;
        return true;
    }

    // One block, starting with the name line already read.
    bool ReadItem() {
        auto nameValue = ValueOf(line_);
        if (!nameValue)
            return false;
        const std::wstring name(*nameValue);
        std::optional<MacroLocation> location;
        if (Next())
            location = ParseLocation(line_);
        auto folder = location ? NextNumber() : std::nullopt;
        auto open = folder ? NextNumber() : std::nullopt;
        if (!open)
            return false;
        if (*folder != 0) {
            target_.PlaceFolder(name, *location, *open != 0);
            return true;
        }
        auto macro = ReadMacro(name);
        if (!macro)
            return false;
        const std::int32_t index = macro->MacroKeyIndex;
        // Stages outside 0..2 and indexes outside 0..59 name no slot: the item is skipped.
        if (target_.PlaceMacro(name, *location, std::move(macro)))
            largestIndex_ = std::max(largestIndex_, index);
        return true;
    }

    std::unique_ptr<MacroKey> ReadMacro(const std::wstring& name) {
        long long numbers[5];
        for (long long& n : numbers) {
            auto value = NextNumber();
            if (!value)
                return nullptr;
            n = *value;
        }
        auto actions = NextValue();
        auto key = std::make_unique<MacroKey>(name);
        if (!actions || !ParseMacroActions(*actions, key->actions))
            return nullptr;
        key->MacroKeyIndex = Low32(numbers[0]);
        key->MacroKeyLoopType = std::uint8_t(numbers[1]);
        key->MacroKeyLoopNum = std::uint8_t(numbers[2]);
        // A count above the slots would index past them; the slots themselves are all kept.
        key->MacroActionNum =
            std::min<std::uint32_t>(std::uint32_t(numbers[3]), MacroActionCapacity);
        key->MacroCommandActionNum = std::uint8_t(numbers[4]);
        return key;
    }

    // A counter behind the macros already in the file would hand out their identities again,
    // and 0 means "no macro" to a button.
    void KeepCounterAhead() {
        std::int32_t next = target_.NextKeyIndex();
        if (largestIndex_ != INT32_MAX && next <= largestIndex_)
            next = largestIndex_ + 1;
        target_.SetNextKeyIndex(std::max(next, std::int32_t(1)));
    }

    const MacroLineSource& next_;
    MacroLibrary& target_;
    std::wstring line_;
    std::int32_t largestIndex_ = 0;
};

} // namespace

namespace {

// Hands the text out piece by piece (the header, then one block at a time), so a file is
// written without first building the whole text.
void EmitMacroLibrary(const MacroLibrary& library, const MacroLocation& selection,
                      const std::function<void(const std::wstring&)>& sink) {
    std::wstring piece(kHeader);
    piece += L"\nMacroKeyIndex=" + std::to_wstring(library.NextKeyIndex()) + L"\n";
    piece += L"Select Locaton:" + LocationText(selection) + L"\n";
    sink(piece);
    for (int stage = 0; stage <= 2; ++stage)
        library.ForEachUsed(stage, [&](const MacroLocation& l, const MacroItem& item) {
            piece.clear();
            AppendBlock(piece, l, item);
            sink(piece);
        });
}

} // namespace

std::wstring FormatMacroLibrary(const MacroLibrary& library, const MacroLocation& selection) {
    std::wstring out;
    EmitMacroLibrary(library, selection, [&out](const std::wstring& piece) { out += piece; });
    return out;
}

bool ParseMacroLibrary(const MacroLineSource& next, MacroLibrary& target,
                       MacroLocation& selection) {
    return LibraryReader(next, target).Run(selection);
}

bool ParseMacroLibrary(std::wstring_view text, MacroLibrary& target, MacroLocation& selection) {
    std::size_t pos = 0;
    MacroLineSource next = [&](std::wstring& line) {
        if (pos >= text.size())
            return false;
        std::size_t end = std::min(text.find(L'\n', pos), text.size());
        line.assign(text.substr(pos, end - pos));
        pos = end + 1;
        return true;
    };
    return ParseMacroLibrary(next, target, selection);
}

bool WriteMacroLibrary(const std::filesystem::path& path, const MacroLibrary& library,
                       const MacroLocation& selection) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kUnicodeWrite))
        return false;
    try {
        EmitMacroLibrary(library, selection,
                         [&file](const std::wstring& piece) { file.WriteText(piece); });
    } catch (const FileException&) {
        file.Abort();
        return false;
    }
    return file.Close();
}

bool ReadMacroLibrary(const std::filesystem::path& path, MacroLibrary& target,
                      MacroLocation& selection) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kUnicodeRead))
        return false;
    bool failed = false;
    MacroLineSource next = [&](std::wstring& line) {
        try {
            if (file.ReadLine(line))
                return true;
        } catch (const FileException&) {
            failed = true;
        }
        return false;
    };
    bool clean = ParseMacroLibrary(next, target, selection);
    return clean && !failed;
}

} // namespace ferrox
