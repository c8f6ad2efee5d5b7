// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An edit field as the skinned dialogs use it: a platform line edit placed in design units ×
// UiScale, text centred, black on white, in the interface face at a pixel size. Whatever
// enters it — typed, pasted, dropped — passes one filter first, so a digits-only field never
// holds a letter. The user's edits notify the dialog with the field's ID as the message and
// NotifyValueChanged; text the dialog sets itself does not.

#include "ui/control_spec.h"

#include <QLineEdit>

#include <functional>
#include <string>
#include <string_view>

namespace ferrox {

class WindowBase;

// Takes the text the field would hold and returns what it may hold.
using EditFilter = std::function<std::wstring(std::wstring_view)>;

// Keeps the digits, at most maxLength of them.
EditFilter DigitsOnly(std::size_t maxLength);
// Drops control characters (line breaks, tabs) and keeps at most maxLength characters.
EditFilter PlainText(std::size_t maxLength);

class EditField : public QLineEdit {
public:
    // 10 points at 96 dots per inch, scaled with the window.
    static constexpr double DesignPixelSize = 100.0 * 96 / 720;

    EditField(WindowBase& dialog, int id, const DesignRect& rect);

    int Id() const { return id_; }
    void SetFilter(EditFilter filter);
    std::wstring GetText() const { return text().toStdWString(); }
    // Sets the text without notifying; the filter does not apply to the dialog's own text.
    void SetText(const std::wstring& text);

private:
    int id_;
    bool settingText_ = false;
    QString lastText_; // the text the dialog last heard of or set
};

} // namespace ferrox
