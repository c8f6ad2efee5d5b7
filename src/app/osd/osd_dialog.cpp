// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/osd/osd_dialog.h"

#include "lang/language_table.h"
#include "ui/ui_font.h"
#include "ui/ui_scale.h"

#include <QPainter>

namespace ferrox {
namespace {

const QColor kBackground(164, 73, 164);
constexpr double kOpacity = 128.0 / 255.0;

} // namespace

COSDDialog::COSDDialog()
    // A tool-tip window: override-redirect on X11, so no window manager activates or decorates
    // it, and no platform gives it the focus when it is shown.
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("DPI"));
    setWindowOpacity(kOpacity); // ignored by an X server without a compositor: opaque then
    setFixedSize(Scaled(DesignWidth), Scaled(DesignHeight));
    // Made once: each display is a new dialog, so a changed language still shows.
    bold_ = MakeFont(LanguageFontFace, Scaled(24), 700);
    large_ = MakeFont(LanguageFontFace, Scaled(48), 400);
}

void COSDDialog::ShowAt(const QRect& workArea) {
    move(workArea.right() + 1 - width(), workArea.bottom() + 1 - height());
    show();
}

void COSDDialog::SetTexts(const OsdTexts& texts) {
    if (texts == texts_)
        return;
    texts_ = texts;
    update();
}

void COSDDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(Qt::white);
    auto line = [&](const QFont& font, int left, int top, const std::wstring& text) {
        painter.setFont(font);
        painter.drawText(QRect(Scaled(left), Scaled(top), width() - Scaled(left), height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         QString::fromStdWString(text));
    };
    line(bold_, 58, 20, texts_.title);
    line(large_, OsdValueLeft(texts_.value.size(), LanguageFontFace), 44, texts_.value);
    line(bold_, OsdRateLeft(texts_.rate.size()), 92, texts_.rate);
}

} // namespace ferrox
