// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's tests share this: the real window on the virtual mouse, with its controls
// found by identifier and clicked in their middle, and the frames the mouse received.

#include "app/main_window/main_layout.h"
#include "app/main_window/section_column.h"
#include "settings/dpi_levels.h"
#include "ui/ui_scale.h"
#include "window_fixture.h"

#include <optional>

namespace ferrox {

class MainWindow : public test::WindowTest {
protected:
    CControlBase* Control(int id) { return Window().FindControl(id); }
    template <typename Kind> Kind* As(int id) { return dynamic_cast<Kind*>(Control(id)); }
    QRect Bounds(int id) {
        CControlBase* control = Control(id);
        return control ? control->GetBounds() : QRect();
    }
    // A click in the middle of a control, through the window system.
    void ClickControl(int id, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint c = Bounds(id).center();
        ClickAt(int((c.x() + 0.5) / UiScale), int((c.y() + 0.5) / UiScale), button);
    }
    void DoubleClickControl(int id) {
        const QPoint c = Bounds(id).center();
        DoubleClickAt(int((c.x() + 0.5) / UiScale), int((c.y() + 0.5) / UiScale));
    }
    bool Displayed(int id) {
        CControlBase* control = Control(id);
        return control && control->IsDisplayed();
    }
    // The last frame of a command the mouse received.
    std::optional<Frame> LastFrame(uint8_t command) {
        std::optional<Frame> found;
        for (const Frame& frame : ReceivedFrames())
            if (frame[2] == command)
                found = frame;
        return found;
    }
    int CountFrames(uint8_t command) {
        int n = 0;
        for (const Frame& frame : ReceivedFrames())
            n += frame[2] == command;
        return n;
    }
    // A sensor with the long DPI table, which has the lift-off section.
    void UseLongTable() {
        SetSensor(0x3335);
        BuildDpiStepTable();
        Window().RefreshView();
    }
    // Nothing of an open section passes the bottom edge or lies over a control of layer 0.
    void ExpectColumnClear() {
        for (int layer = 1; layer < CDlgBase::ControlLayerCount; ++layer)
            for (const auto& content : Window().Layer(layer)) {
                if (!content->IsDisplayed())
                    continue;
                const QRect r = content->GetBounds();
                EXPECT_LE(r.bottom(), Window().height() - 1) << content->Id();
                for (const auto& fixed : Window().Layer(0)) {
                    if (fixed->IsDisplayed()) {
                        EXPECT_FALSE(r.intersects(fixed->GetBounds()))
                            << content->Id() << " over " << fixed->Id();
                    }
                }
            }
    }
};

} // namespace ferrox
