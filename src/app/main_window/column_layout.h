// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The right column's layout: which sections are open, where their headers and contents sit,
// and the frames drawn round the open sections and the left column's panels.

#include "app/main_window/section_column.h"
#include "app/main_window/window_part.h"

#include <QImage>

namespace ferrox {

class Canvas;

class ColumnLayout : public WindowPart {
public:
    using WindowPart::WindowPart;

    void Bind() override;
    // A sensor with another step table gains or loses the lift-off section.
    void Refresh(const ProfileSettings& profile) override;
    // Once the controls exist: the frame image loaded, the sections placed.
    void Create();
    void DrawFrames(Canvas& canvas);
    const OpenSections& Open() const { return open_; }

private:
    void onHeaderClicked(Section section);
    // Headers follow the open sections; each section's contents go to its content origin and
    // are shown with it.
    void place();

    OpenSections open_ = StartSections();
    bool placedLongTable_ = true;
    QImage frame_; // loaded once, drawn for every frame of the two columns
};

} // namespace ferrox
