// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-screen display: three lines on a purple square in the corner of the screen, shown
// for a moment when the mouse itself changes its DPI level or report rate. It never takes the
// focus: a game in the foreground keeps the keyboard and the mouse.

#include "app/osd/osd_texts.h"

#include <QFont>
#include <QWidget>

namespace ferrox {

class COSDDialog : public QWidget {
public:
    static constexpr int DesignWidth = 180;
    static constexpr int DesignHeight = 140;

    COSDDialog();

    // Frameless, on top, half transparent where a compositor runs, at the bottom-right of the
    // work area; shown without being activated.
    void ShowAt(const QRect& workArea);
    void SetTexts(const OsdTexts& texts);
    const OsdTexts& Texts() const { return texts_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OsdTexts texts_;
    QFont bold_;
    QFont large_;
};

} // namespace ferrox
