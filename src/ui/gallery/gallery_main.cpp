// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the toolkit's reference sheet to PNG files at UiScale 1, 1.5 and 2:
//   ferrox_gallery [--out DIR]
// Skins are read from the skins/ folder beside the program.

#include "base/app_globals.h"
#include "lang/language_table.h"
#include "ui/gallery/gallery_dialog.h"
#include "ui/gallery/gallery_menu.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

namespace {

using namespace ferrox;

// Opens the menu at a point of the dialog, rests the pointer on one row and returns its look.
QImage ShowMenu(gallery::GalleryDialog& dialog, int slot, gallery::GalleryMenu* menu,
                const QPoint& origin, int hoverRow, CWndPopup* openedFrom = nullptr) {
    dialog.SetPopup(slot, menu);
    menu->Create(&dialog, QRect(dialog.mapToGlobal(origin), QSize(1, 1)), 0x403, 2013,
                 openedFrom);
    const QPoint onRow = menu->items.at(hoverRow).rect.center();
    QMouseEvent move(QEvent::MouseMove, QPointF(onRow), QPointF(menu->mapToGlobal(onRow)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(menu, &move);
    return menu->RenderedImage();
}

bool RenderAt(float scale, const QDir& out) {
    UiScale = scale;
    const LanguageFont font = FontForLanguage(L"English", scale);
    LanguageFontFace = font.face;
    LanguageFontSize = font.size;
    LanguageCharset = font.charset;
    gallery::GalleryDialog dialog;
    dialog.Create();
    QImage sheet = dialog.grab().toImage();

    // The function menu with the pointer on its DPI row, and that row's submenu opened to the
    // left, as menus do at the right edge of the screen.
    auto* menu = new gallery::GalleryMenu;
    const QPoint origin = dialog.MenuOrigin();
    const QImage popup = ShowMenu(dialog, 0, menu, origin, gallery::GalleryMenu::DpiSwitchRow);
    auto* submenu = new gallery::GalleryMenu(gallery::GalleryMenu::Rows::DpiSubmenu);
    const QImage subPopup = ShowMenu(dialog, 1, submenu, origin, 0, menu);
    // Its first row lines up with the row that opened it (the popup's own rows start at s).
    const QRect row = menu->items.at(gallery::GalleryMenu::DpiSwitchRow).rect;
    const QPoint subOrigin =
        origin + QPoint(-submenu->width(), row.top() - submenu->items.at(0).rect.top());
    QPainter painter(&sheet);
    painter.drawImage(origin, popup);
    painter.drawImage(subOrigin, subPopup);
    painter.end();
    dialog.ClosePopup(1);
    dialog.ClosePopup(0);

    const QString suffix = QString::number(scale, 'f', 1).replace('.', '_');
    const bool ok = sheet.save(out.filePath(QStringLiteral("gallery_%1.png").arg(suffix))) &&
                    popup.save(out.filePath(QStringLiteral("gallery_menu_%1.png").arg(suffix)));
    if (!ok)
        std::fprintf(stderr, "ferrox_gallery: cannot write into %s\n",
                     qPrintable(out.absolutePath()));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString outDir = QStringLiteral("gallery");
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size()) {
            outDir = args[++i];
        } else {
            std::fprintf(stderr, "usage: ferrox_gallery [--out DIR]\n");
            return 2;
        }
    }
    ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    QDir out(outDir);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "ferrox_gallery: cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    for (float scale : {1.0f, 1.5f, 2.0f})
        if (!RenderAt(scale, out))
            return 1;
    std::printf("gallery written to %s\n", qPrintable(out.absolutePath()));
    return 0;
}
