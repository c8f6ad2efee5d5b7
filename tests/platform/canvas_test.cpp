// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/canvas.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace ferrox {
namespace {

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

TEST(Canvas, NearestScalingKeepsHardEdgesSmoothBlends) {
    // Left half red, right half blue: any blending would produce purple at the seam.
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 0, 255));

    for (auto mode : {Interpolation::Nearest, Interpolation::Smooth}) {
        QImage target = Blank(20, 10);
        {
            QPainter painter(&target);
            Canvas(painter).DrawImage(source, QRect(0, 0, 20, 10), mode);
        }
        const QColor seamLeft = target.pixelColor(9, 5);
        const QColor seamRight = target.pixelColor(10, 5);
        if (mode == Interpolation::Nearest) {
            EXPECT_EQ(seamLeft, QColor(255, 0, 0));
            EXPECT_EQ(seamRight, QColor(0, 0, 255));
        } else {
            EXPECT_GT(seamLeft.blue(), 0);
        }
    }
}

TEST(Canvas, SourceRectanglePicksOneFrameOfAStrip) {
    QImage strip(90, 4, QImage::Format_ARGB32);
    strip.fill(qRgb(10, 10, 10));
    QPainter(&strip).fillRect(QRect(60, 0, 30, 4), QColor(0, 200, 0));
    QImage target = Blank(30, 4);
    {
        QPainter painter(&target);
        Canvas(painter).DrawImage(strip, QRect(60, 0, 30, 4), target.rect());
    }
    EXPECT_EQ(target.pixelColor(0, 0), QColor(0, 200, 0));
    EXPECT_EQ(target.pixelColor(29, 3), QColor(0, 200, 0));
}

TEST(Canvas, NullImageAndEmptyTextDrawNothing) {
    QImage target = Blank(8, 8);
    const QImage before = target;
    {
        QPainter painter(&target);
        Canvas canvas(painter);
        canvas.DrawImage(QImage(), target.rect());
        canvas.DrawText(QString(), target.rect(), DT_SINGLELINE, 0xFFFFFF, QFont());
    }
    EXPECT_EQ(target, before);
}

TEST(Canvas, TextStaysInsideItsRectangle) {
    QImage target = Blank(200, 40);
    const QRect box(20, 10, 60, 20);
    {
        QPainter painter(&target);
        QFont font;
        font.setPixelSize(16);
        Canvas(painter).DrawText(QStringLiteral("A caption far too long for its box"), box,
                                 DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS, 0xFFFFFF, font);
    }
    bool inside = false;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            if (target.pixelColor(x, y) != QColor(Qt::black)) {
                ASSERT_TRUE(box.contains(x, y)) << x << "," << y;
                inside = true;
            }
    EXPECT_TRUE(inside);
}

TEST(Canvas, ColourKeepsRedInTheLowByte) {
    EXPECT_EQ(ToQColor(0xDEA035), QColor(0x35, 0xA0, 0xDE));
    EXPECT_EQ(Rgb(0x35, 0xA0, 0xDE), 0xDEA035u);
    EXPECT_EQ(FromQColor(QColor(1, 2, 3)), Rgb(1, 2, 3));
}

} // namespace
} // namespace ferrox
