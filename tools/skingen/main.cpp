// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// skingen: draws the program's skins and compiled-in images.
//
//   skingen --skins <dir> --resources <dir> [--manifest <file>] [--contact-sheet <file>]
//   skingen --icons <hicolor dir> --icon-name <name>    the icon for the desktop's icon theme
//
// Runs at build time on machines without a display: the offscreen platform is forced
// before the application object exists.

#include "app_icon.h"
#include "contact_sheet.h"
#include "families.h"
#include "skin_sink.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void drawEverything(skingen::SkinSink& sink) {
    using namespace skingen;
    drawButtons(sink);
    drawChecks(sink);
    drawSliders(sink);
    drawDpiLevels(sink);
    drawReportRate(sink);
    drawBattery(sink);
    drawPowerDial(sink);
    drawMenus(sink);
    drawMousePicture(sink);
    drawFrames(sink);
    drawBackground(sink);
    drawPalette(sink);
    drawAppIcon(sink);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Build machines often have no session runtime folder; give Qt a private one so the
    // build log stays free of its complaint.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the skin images."));
    parser.addHelpOption();
    const QCommandLineOption skins(QStringLiteral("skins"), QStringLiteral("Skin folder."),
                                   QStringLiteral("dir"));
    const QCommandLineOption resources(QStringLiteral("resources"),
                                       QStringLiteral("Folder of compiled-in images."),
                                       QStringLiteral("dir"));
    const QCommandLineOption manifest(QStringLiteral("manifest"),
                                      QStringLiteral("List of images and sizes."),
                                      QStringLiteral("file"));
    const QCommandLineOption sheet(QStringLiteral("contact-sheet"),
                                   QStringLiteral("Review sheet of every image."),
                                   QStringLiteral("file"));
    const QCommandLineOption icons(QStringLiteral("icons"),
                                   QStringLiteral("hicolor folder for the application icon."),
                                   QStringLiteral("dir"));
    const QCommandLineOption iconName(QStringLiteral("icon-name"),
                                      QStringLiteral("File name of the application icon."),
                                      QStringLiteral("name"));
    parser.addOptions({skins, resources, manifest, sheet, icons, iconName});
    parser.process(app);
    if (parser.isSet(icons)) {
        if (!parser.isSet(iconName)) {
            std::fputs("skingen: --icons needs --icon-name\n", stderr);
            return 2;
        }
        return skingen::writeThemeIcons(parser.value(icons), parser.value(iconName)) ? 0 : 1;
    }
    if (!parser.isSet(skins) || !parser.isSet(resources)) {
        std::fputs("skingen: --skins and --resources are required\n", stderr);
        return 2;
    }

    skingen::SkinSink sink(parser.value(skins), parser.value(resources));
    drawEverything(sink);
    bool ok = sink.writeAll();
    if (parser.isSet(manifest) && !sink.writeManifest(parser.value(manifest))) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(parser.value(manifest)));
        ok = false;
    }
    if (parser.isSet(sheet) && !skingen::writeContactSheet(sink, parser.value(sheet))) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(parser.value(sheet)));
        ok = false;
    }
    for (const std::string& error : sink.errors())
        std::fprintf(stderr, "skingen: %s\n", error.c_str());
    return ok ? 0 : 1;
}
