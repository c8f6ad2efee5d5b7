// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_field.h"

#include "platform/window_base.h"
#include "ui/control_notify.h"
#include "ui/ui_font.h"
#include "ui/ui_scale.h"

#include <QValidator>

#include <algorithm>
#include <cwctype>

namespace ferrox {
namespace {

// QLineEdit hands every change (typing, paste, drop, insert) to its validator before it takes
// it, and takes the validator's corrected text: the one place a filter sees all input.
class FilterValidator : public QValidator {
public:
    FilterValidator(EditFilter filter, QObject* parent)
        : QValidator(parent), filter_(std::move(filter)) {}

    State validate(QString& input, int& pos) const override {
        const QString filtered = QString::fromStdWString(filter_(input.toStdWString()));
        if (filtered != input) {
            pos = std::clamp(pos - int(input.size() - filtered.size()), 0, int(filtered.size()));
            input = filtered;
        }
        return Acceptable;
    }

private:
    EditFilter filter_;
};

} // namespace

EditFilter DigitsOnly(std::size_t maxLength) {
    return [maxLength](std::wstring_view text) {
        std::wstring digits;
        for (wchar_t c : text)
            if (c >= L'0' && c <= L'9' && digits.size() < maxLength)
                digits += c;
        return digits;
    };
}

EditFilter PlainText(std::size_t maxLength) {
    return [maxLength](std::wstring_view text) {
        std::wstring plain;
        for (wchar_t c : text)
            if (!std::iswcntrl(static_cast<wint_t>(c)) && plain.size() < maxLength)
                plain += c;
        return plain;
    };
}

EditField::EditField(WindowBase& dialog, int id, const DesignRect& rect)
    : QLineEdit(&dialog), id_(id) {
    setGeometry(ScaledRect(rect));
    setAlignment(Qt::AlignCenter);
    QFont font(InstalledFace(L"Tahoma"));
    font.setPixelSize(std::max(1, Scaled(DesignPixelSize)));
    setFont(font);
    // The desktop theme must not turn the field dark: it is black on white on every skin.
    setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; "
                                 "border: 1px solid #7A7A7A; selection-background-color: #35A0DE; "
                                 "selection-color: white; }"));
    setFocusPolicy(Qt::StrongFocus);
    // Only real changes: a filtered keystroke that leaves the text as it was is no news (the
    // line edit reports the corrected text again even when it equals the old one).
    QObject::connect(this, &QLineEdit::textChanged, this, [this, &dialog](const QString& text) {
        if (text == lastText_)
            return;
        lastText_ = text;
        if (!settingText_)
            dialog.SendMessage(static_cast<unsigned>(id_), 0, NotifyValueChanged);
    });
    show();
}

void EditField::SetFilter(EditFilter filter) {
    const QValidator* old = validator();
    setValidator(filter ? new FilterValidator(std::move(filter), this) : nullptr);
    delete old; // ours: a child of this field, used by nothing else
}

void EditField::SetText(const std::wstring& text) {
    settingText_ = true;
    setText(QString::fromStdWString(text));
    settingText_ = false;
}

} // namespace ferrox
