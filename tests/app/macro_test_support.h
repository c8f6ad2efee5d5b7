// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the macro window tests share: the shipped skins and English texts, a library to work
// on, a stand-in for the user's answers, real key events and screenshots.

#include "app/macro_dialogs/macro_prompts.h"
#include "dialog_test.h"
#include "base/app_globals.h"
#include "lang/language_loader.h"
#include "macros/macro_library.h"
#include "ui/open_dialog_table.h"
#include "ui/ui_scale.h"
#include "ui/ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>

namespace ferrox::test {

// Answers the manager's questions from a script and records its notices.
struct ScriptedPrompts : MacroManagerPrompts {
    std::deque<std::optional<std::wstring>> names;
    bool confirm = true;
    // Each editor call takes the next answer: a value to store (true) or a cancel (nullopt).
    std::deque<std::optional<MacroAction>> edits;
    std::optional<std::filesystem::path> path;
    std::vector<int> notices;
    std::function<void()> onNotice;
    std::function<void()> duringEdit; // runs while an editor is "open"

    std::optional<std::wstring> AskNewName(bool) override { return next(names); }
    std::optional<std::wstring> AskRename(const std::wstring& current) override {
        auto name = next(names);
        return name && *name == current ? std::nullopt : name;
    }
    bool ConfirmDelete() override { return confirm; }
    bool EditDelay(MacroAction& a) override { return edit(a); }
    bool EditKey(MacroAction& a) override { return edit(a); }
    bool EditMove(MacroAction& a, int) override { return edit(a); }
    std::optional<std::filesystem::path> AskOpenPath(const MacroFileKind&) override {
        return path;
    }
    std::optional<std::filesystem::path> AskSavePath(const MacroFileKind&,
                                                     const std::wstring&) override {
        return path;
    }
    void Notice(int textIndex, const wchar_t*) override {
        notices.push_back(textIndex);
        if (onNotice)
            onNotice();
    }

private:
    template <typename T> static std::optional<T> next(std::deque<std::optional<T>>& q) {
        if (q.empty())
            return std::nullopt;
        auto v = q.front();
        q.pop_front();
        return v;
    }
    bool edit(MacroAction& a) {
        if (duringEdit)
            duringEdit();
        auto v = next(edits);
        if (v)
            a = *v;
        return v.has_value();
    }
};

class MacroWindowTest : public test::DialogTest {
protected:
    static void Settle() { QApplication::processEvents(); }
    // A key pressed or released as the desktop delivers it, with the evdev scan code when it
    // matters (0: the Qt key decides).
    static void SendKey(QWidget* w, QEvent::Type type, int qtKey, bool autoRepeat = false,
                        quint32 scanCode = 0) {
        QKeyEvent event(type, qtKey, Qt::NoModifier, scanCode, 0, 0, QString(), autoRepeat);
        QApplication::sendEvent(w, &event);
        QCoreApplication::sendPostedEvents();
    }
    static void Shoot(QWidget* w, const std::string& name) {
        DialogTest::Shoot(w, QString::fromStdString(name));
    }
    static QPoint Centre(const CDlgBase& dlg, int id) {
        return dlg.FindControl(id)->GetBounds().center();
    }

};

} // namespace ferrox::test
