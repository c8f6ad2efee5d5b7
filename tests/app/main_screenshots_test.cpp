// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main window for a person to look at: at UiScale 1 and 2, with each section
// of the right column opened in turn, written to screenshots/ beside the test program.

#include "app/main_window/section_column.h"
#include "app/main_window/main_window_parts.h"
#include "window_fixture.h"

#include <QCoreApplication>
#include <QDir>

namespace ferrox {
namespace {

class MainWindowScreenshots : public test::WindowTest {};

TEST_F(MainWindowScreenshots, EachSectionOpenAtScaleOneAndTwo) {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (float scale : {1.0f, 2.0f}) {
        StartWindow({.uiScale = scale});
        for (const SectionInfo& info : kSections) {
            if (!IsOpen(Window().Parts().column.Open(), info.section)) {
                const QPoint c = Window().FindControl(info.headerId)->GetBounds().center();
                ClickAt(int(c.x() / scale), int(c.y() / scale));
            }
            MoveTo(150, 122); // over key button 2: the mouse picture shows its marker
            const QImage shot = Window().grab().toImage();
            ASSERT_EQ(shot.width(), int(CFerroxDlg::DesignWidth * scale));
            const QString name = QStringLiteral("%1/main_window_x%2_%3.png")
                                     .arg(folder)
                                     .arg(int(scale))
                                     .arg(info.headerId);
            EXPECT_TRUE(shot.save(name)) << name.toStdString();
        }
    }
}

} // namespace
} // namespace ferrox
