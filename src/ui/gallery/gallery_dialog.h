// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dialog holding one of every drawn control in each of its states, laid out as a reference
// sheet of the toolkit and its skins.

#include "ui/dlg_base.h"

#include <memory>

namespace ferrox::gallery {

class GalleryDialog : public CDlgBase {
public:
    static constexpr int DesignWidth = 1420;
    static constexpr int DesignHeight = 760;

    GalleryDialog();

    // Where the gallery menu is shown over the sheet, in client coordinates.
    QPoint MenuOrigin() const;

protected:
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;

private:
    void addToggles();
    void addHeadersAndButtons();
    void addCombosAndTabs();
    void addSlidersAndLinks();
    void addPowerAndBattery();
    void addDpiSection();
    void addReportRate();
    void addListsAndPictures();
    void label(int x, int y, int width, const wchar_t* text, unsigned format = 0);

    QImage panel_;
};

} // namespace ferrox::gallery
