// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_table.h"
#include "ui/check_button.h"
#include "ui/dlg_base.h"
#include "ui/image_button.h"
#include "ui/skin_images.h"
#include "ui/ui_font.h"
#include "ui/ui_scale.h"
#include "ui_test_support.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

TEST(SkinImages, StripFramesAreAThirdOfTheWidthAndDrawnFromTheirOffset) {
    SkinFolder skins;
    QImage strip(90, 10, QImage::Format_ARGB32);
    strip.fill(Qt::red);
    QPainter(&strip).fillRect(QRect(30, 0, 30, 10), Qt::green);
    QPainter(&strip).fillRect(QRect(60, 0, 30, 10), Qt::blue);
    skins.Write("skins/strip.png", strip);

    CImageButton button(nullptr, 1, 0, 0, 30, 10);
    ASSERT_TRUE(button.LoadStripImage("skins/strip.png"));
    EXPECT_EQ(button.FrameWidth(), 30);
    EXPECT_EQ(button.FrameHeight(), 10);
    // Pressed shows frame 2, which starts at x = 60.
    button.OnMouseMove(5, 5);
    button.OnLButtonDown(5, 5);
    const QImage drawn = Render(button, QSize(30, 10));
    EXPECT_EQ(drawn.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(drawn.pixelColor(29, 9), QColor(Qt::blue));
}

TEST(SkinImages, SmallIconAtScaleTwoCoversFourPixelsEachWithoutSmoothing) {
    SkinFolder skins;
    QImage checker(10, 10, QImage::Format_ARGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            checker.setPixelColor(x, y, (x + y) % 2 ? QColor(Qt::white) : QColor(Qt::black));
    skins.Write("skins/icon_nr.png", checker);

    CCheckButton icon(nullptr, 1, 4, 4, 24, 24); // 10 x 10 design at UiScale 2
    ASSERT_TRUE(icon.LoadImages("skins/icon"));
    const QImage drawn = Render(icon, QSize(30, 30), Qt::red);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(drawn.pixelColor(4 + x, 4 + y), checker.pixelColor(x / 2, y / 2))
                << x << "," << y;
    EXPECT_EQ(drawn.pixelColor(24, 24), QColor(Qt::red)) << "nothing drawn past the rectangle";
}

TEST(SkinImages, MissingOrBrokenFilesGiveNullImages) {
    SkinFolder skins;
    EXPECT_TRUE(LoadSkinFile("skins/none.png").isNull());
    QFile broken(QString::fromStdString((ProgramFolder / "broken.png").string()));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG\r\n\x1a\n garbage");
    broken.close();
    EXPECT_TRUE(LoadSkinFile("broken.png").isNull());
    EXPECT_TRUE(LoadPngResource(99999).isNull());
    CCheckButton button(nullptr, 1, 0, 0, 10, 10);
    EXPECT_FALSE(button.LoadImages("skins/none"));
    EXPECT_EQ(CentreColour(button), QColor(Qt::black));
}

// Inside a building scope a skin is decoded once; after it, a changed file is read again.
TEST(SkinImages, ADecodeScopeReadsEachFileOnceAndOnlyWhileItLives) {
    SkinFolder skins;
    skins.WriteSolid("skins/a.png", Qt::red);
    QImage first;
    {
        const SkinDecodeScope scope;
        first = LoadSkinFile("skins/a.png");
        skins.WriteSolid("skins/a.png", Qt::blue);
        const QImage again = LoadSkinFile("skins/a.png");
        EXPECT_EQ(again.cacheKey(), first.cacheKey());
        EXPECT_TRUE(LoadSkinFile("skins/none.png").isNull());
    }
    EXPECT_EQ(first.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(LoadSkinFile("skins/a.png").pixelColor(0, 0), QColor(Qt::blue));
}

TEST(SkinImages, FrameImagesComposeOverOpaqueBlack) {
    SkinFolder skins;
    QImage half(2, 1, QImage::Format_ARGB32);
    half.setPixelColor(0, 0, QColor(255, 255, 255, 0));
    half.setPixelColor(1, 0, QColor(200, 100, 50));
    skins.Write("skins/Frame_test.png", half);
    const QImage frame = LoadFrameImage("skins/Frame_test.png");
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(frame.pixelColor(1, 0), QColor(200, 100, 50));
}

TEST(SkinImages, AverageColourDividesEachChannelByThePixelCount) {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixelColor(0, 0, QColor(10, 20, 30));
    image.setPixelColor(1, 0, QColor(21, 41, 61));
    EXPECT_EQ(AverageColour(image), Rgb(15, 30, 45));
    EXPECT_EQ(AverageColour(QImage()), 0u);
}

TEST(SkinImages, FramePreparationSetsInsetAndBackground) {
    SkinFolder skins;
    skins.WriteSolid("skins/Frame_small.png", QColor(30, 60, 90), QSize(230, 82));
    skins.WriteSolid("skins/Frame_big.png", QColor(30, 60, 90), QSize(500, 400));
    RecordingDialog dialog; // 400 x 300 at UiScale 1
    EXPECT_EQ(dialog.BackgroundColour(), CDlgBase::DefaultBackground);
    ASSERT_TRUE(dialog.LoadFrameImage("skins/Frame_small.png"));
    EXPECT_EQ(dialog.FrameInset(), 82);
    EXPECT_EQ(dialog.FrameSize(), QSize(230, 82));
    EXPECT_EQ(dialog.BackgroundColour(), Rgb(30, 60, 90));
    ASSERT_TRUE(dialog.LoadFrameImage("skins/Frame_big.png"));
    EXPECT_EQ(dialog.FrameInset(), 0);
    EXPECT_FALSE(dialog.LoadFrameImage("skins/Frame_missing.bmp"));
    EXPECT_EQ(dialog.FrameSize(), QSize(500, 400)) << "a failed load keeps the previous frame";
}

TEST(SkinImages, ScaledUpWindowGetsItsWholeFrameStretchedOverIt) {
    const float saved = UiScale;
    UiScale = 2.0f;
    SkinFolder skins;
    QImage halves(1127, 740, QImage::Format_RGB32); // the full frame source, at design size
    halves.fill(Qt::red);
    QPainter(&halves).fillRect(QRect(564, 0, 563, 740), Qt::blue);
    skins.Write("skins/Frame_halves.png", halves);
    RecordingDialog dialog;
    dialog.SetDesignSize(1127, 740);
    dialog.resize(2254, 1480);
    ASSERT_TRUE(dialog.LoadFrameImage("skins/Frame_halves.png"));
    EXPECT_EQ(dialog.FrameInset(), 0);
    const QImage drawn = dialog.grab().toImage();
    EXPECT_EQ(drawn.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(2250, 1476), QColor(Qt::blue)) << "cut off at the frame's size";
    UiScale = saved;
}

TEST(UiFont, NamedFacesAreSubstitutedByInstalledOnes) {
    const QStringList families = QFontDatabase::families();
    for (const wchar_t* face : {L"Tahoma", L"宋体"})
        EXPECT_TRUE(families.contains(InstalledFace(face))) << InstalledFace(face).toStdString();
}

TEST(UiFont, PositiveHeightIsTheCellNegativeTheCharacterHeight) {
    for (int cell : {12, 16, 24, 32}) {
        const QFont font = MakeFont(L"Tahoma", cell);
        const QFontMetrics metrics(font);
        EXPECT_LE(metrics.ascent() + metrics.descent(), cell);
        EXPECT_GE(metrics.ascent() + metrics.descent(), cell - 2) << cell;
        EXPECT_LT(font.pixelSize(), cell) << "a cell holds more than the characters";
    }
    EXPECT_EQ(MakeFont(L"Tahoma", -13).pixelSize(), 13);
    EXPECT_EQ(MakeFont(L"Tahoma", -13, 600).weight(), QFont::DemiBold);
}

TEST(UiFont, ControlsTakeTheLanguageFont) {
    const std::wstring face = LanguageFontFace;
    const int size = LanguageFontSize;
    LanguageFontFace = L"Tahoma";
    LanguageFontSize = 32;
    const QFont font = ControlFont();
    EXPECT_EQ(font.family(), InstalledFace(L"Tahoma"));
    EXPECT_EQ(CCheckButton(nullptr, 1, 0, 0, 1, 1).Font(), font);
    EXPECT_LE(QFontMetrics(font).ascent() + QFontMetrics(font).descent(), 32);
    LanguageFontFace = face;
    LanguageFontSize = size;
}

TEST(UiFont, DialogFontIsTenPointsScaledWithTheWindow) {
    const float saved = UiScale;
    UiScale = 1.0f;
    EXPECT_EQ(DialogFont(96).pixelSize(), 13);
    UiScale = 2.0f;
    EXPECT_EQ(DialogFont(96).pixelSize(), 26);
    UiScale = saved;
}

} // namespace
} // namespace ferrox
