// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the macro manager asks of the user: names, a confirmation, the step editors, file paths
// and notices. The manager's window runs the real dialogs (DialogMacroPrompts); a test answers
// in their place, so it can drive the manager without a nested modal loop.

#include "macros/macro_types.h"

#include <QPointer>

#include <filesystem>
#include <optional>
#include <string>

namespace ferrox {

class CDlgBase;

struct MacroFileKind {
    int titleText;          // LanguageTable index of the file dialog's title
    const char* filter;     // "mkf file (*.mkf)"
    const char* extension;  // "mkf"
};

class MacroManagerPrompts {
public:
    virtual ~MacroManagerPrompts() = default;

    // nullopt when cancelled. The name as typed (cleaned), possibly empty.
    virtual std::optional<std::wstring> AskNewName(bool folder) = 0;
    // nullopt when cancelled or left unchanged.
    virtual std::optional<std::wstring> AskRename(const std::wstring& current) = 0;
    virtual bool ConfirmDelete() = 0;
    // Edit the step in place; false when cancelled (the step is then unchanged).
    virtual bool EditDelay(MacroAction& action) = 0;
    virtual bool EditKey(MacroAction& action) = 0;
    virtual bool EditMove(MacroAction& action, int direction) = 0;
    virtual std::optional<std::filesystem::path> AskOpenPath(const MacroFileKind& kind) = 0;
    virtual std::optional<std::filesystem::path> AskSavePath(const MacroFileKind& kind,
                                                             const std::wstring& proposed) = 0;
    // A notice with LanguageTable text textIndex, or with english where textIndex is -1.
    virtual void Notice(int textIndex, const wchar_t* english = L"") = 0;
};

// The real dialogs, modal over the manager. File dialogs open in the folder last used, else
// the home folder.
class DialogMacroPrompts : public MacroManagerPrompts {
public:
    explicit DialogMacroPrompts(CDlgBase& owner);

    std::optional<std::wstring> AskNewName(bool folder) override;
    std::optional<std::wstring> AskRename(const std::wstring& current) override;
    bool ConfirmDelete() override;
    bool EditDelay(MacroAction& action) override;
    bool EditKey(MacroAction& action) override;
    bool EditMove(MacroAction& action, int direction) override;
    std::optional<std::filesystem::path> AskOpenPath(const MacroFileKind& kind) override;
    std::optional<std::filesystem::path> AskSavePath(const MacroFileKind& kind,
                                                     const std::wstring& proposed) override;
    void Notice(int textIndex, const wchar_t* english) override;

private:
    QPointer<CDlgBase> owner_;
};


} // namespace ferrox
