// Renders the toolkit's reference sheet to PNG files at UiScale 1, 1.5 and 2:
//   ferrox_gallery [--out DIR]
// Skins are read from the skins/ folder beside the program.

#include "lang/language_table.h"
#include "settings/app_globals.h"
#include "ui/gallery/gallery_dialog.h"
#include "ui/gallery/gallery_menu.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

namespace {

using namespace ferrox;

bool RenderAt(float scale, const QDir& out) {
    UiScale = scale;
    const LanguageFont font = FontForLanguage(L"English", scale);
    LanguageFontFace = font.face;
    LanguageFontSize = font.size;
    LanguageCharset = font.charset;
    gallery::GalleryDialog dialog;
    dialog.Create();
    QImage sheet = dialog.grab().toImage();

    auto* menu = new gallery::GalleryMenu;
    dialog.SetPopup(0, menu);
    const QPoint origin = dialog.MenuOrigin();
    menu->Create(&dialog, QRect(dialog.mapToGlobal(origin), QSize(1, 1)), 0x403, 2013);
    const QPoint onSecond = menu->items.at(1).rect.center();
    QMouseEvent move(QEvent::MouseMove, QPointF(onSecond), QPointF(menu->mapToGlobal(onSecond)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(menu, &move);
    const QImage popup = menu->RenderedImage();
    QPainter(&sheet).drawImage(origin, popup);
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
