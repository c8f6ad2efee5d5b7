// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped skins and compiled-in images: every name the program loads exists at the size
// its control is drawn at, the resources reach a program that links ferrox_resources, and
// the images whose content the program relies on (palette ground, battery fill rows, state
// looks) hold to it.

#include "skingen/skin_table.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

using skingen::kSkinTable;
using skingen::Place;
using skingen::SkinEntry;

QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString locationOf(const SkinEntry& entry) {
    return entry.place == Place::Resource
               ? QStringLiteral(":/res/") + qstr(entry.path)
               : QStringLiteral(FERROX_OUTPUT_DIR "/skins/") + qstr(entry.path);
}

QImage load(std::string_view path) {
    for (const SkinEntry& entry : kSkinTable) {
        if (entry.path == path)
            return QImage(locationOf(entry)).convertToFormat(QImage::Format_ARGB32);
    }
    ADD_FAILURE() << "not in the skin table: " << path;
    return {};
}

TEST(ShippedSkins, EveryImageLoadsAtItsTableSize) {
    std::vector<std::string> problems;
    for (const SkinEntry& entry : kSkinTable) {
        const QImage image(locationOf(entry));
        if (image.isNull())
            problems.push_back(locationOf(entry).toStdString() + ": does not load");
        else if (image.width() != entry.width || image.height() != entry.height)
            problems.push_back(locationOf(entry).toStdString() + ": wrong size");
        else if (entry.width % entry.frames != 0)
            problems.push_back(locationOf(entry).toStdString() + ": frames of unequal width");
    }
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();
}

// Looks of one control (or one value of the power dial) must all differ from each other.
TEST(ShippedSkins, LooksOfOneControlAreDistinct) {
    const std::vector<std::vector<std::string_view>> groups = {
        {"check_nr.png", "check_ov.png", "check_dn.png"},
        {"radio_nr.png", "radio_ov.png", "radio_dn.png"},
        {"check_button_dpi_nr.png", "check_button_dpi_ov.png", "check_button_dpi_dn.png"},
        {"up_nr.png", "up_ov.png", "up_check.png"},
        {"header_nr.png", "header_ov.png"},
        {"combo2_nr.png", "combo2_ov.png"},
        {"button2_nr.png", "button2_ov.png"},
        {"menu_nr.png", "menu_ov.png", "menusub_nr.png", "menusub_ov.png"},
        {"profile_slot_nr.png", "profile_slot_ov.png", "profile_slot_nr2.png",
         "profile_slot_ov2.png"},
        {"125hz_nr.png", "125hz_dn.png"},
        {"power_manage_3min.png", "power_manage_4min.png", "power_manage_5min.png",
         "power_manage_6min.png", "power_manage_7min.png", "power_manage_8min.png",
         "power_manage_9min.png", "power_manage_10min.png"},
        {"battery_empty.png", "battery_full.png", "battery_charging.png"},
        // The profile bar's add, import, export and rename buttons, each in both looks.
        {"add_nr.png", "add_ov.png", "profile_import_nr.png", "profile_import_ov.png",
         "profile_export_nr.png", "profile_export_ov.png", "profile_rename_nr.png",
         "profile_rename_ov.png"},
    };
    for (const auto& group : groups) {
        for (size_t a = 0; a < group.size(); ++a) {
            for (size_t b = a + 1; b < group.size(); ++b)
                EXPECT_NE(load(group[a]), load(group[b])) << group[a] << " vs " << group[b];
        }
    }
    // Strips: the three frames of each differ too.
    for (const char* strip : {"187.png", "188.png", "dpi_value.png"}) {
        const QImage image = load(strip);
        const int w = image.width() / 3;
        for (int a = 0; a < 3; ++a) {
            for (int b = a + 1; b < 3; ++b) {
                EXPECT_NE(image.copy(a * w, 0, w, image.height()),
                          image.copy(b * w, 0, w, image.height()))
                    << strip << " frames " << a << " and " << b;
            }
        }
    }
}

// The palette dialog ignores clicks on exactly 0x0F0F0F and picks any other pixel.
TEST(ColourPalette, OffersHuesAndGreysOnTheIgnoredGround) {
    const QImage palette = load("287.png");
    ASSERT_FALSE(palette.isNull());
    const QRgb ground = qRgb(0x0F, 0x0F, 0x0F);
    EXPECT_EQ(palette.pixel(10, 150), ground) << "ground left of the grid";
    EXPECT_EQ(palette.pixel(480, 120), ground) << "ground right of the spectrum";

    const QRect areas[] = {QRect(QPoint(18, 26), QPoint(221, 269)),
                           QRect(QPoint(244, 26), QPoint(472, 189))};
    // Seams of ground between cells are fine; a colour that happens to equal the ground
    // (a ground pixel whose row and column are not seams) could never be picked.
    auto seamRow = [&](const QRect& area, int y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (palette.pixel(x, y) != ground)
                return false;
        }
        return true;
    };
    auto seamColumn = [&](const QRect& area, int x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (palette.pixel(x, y) != ground && !seamRow(area, y))
                return false;
        }
        return true;
    };
    std::set<int> hueBins, greys;
    int unpickable = 0;
    for (const QRect& area : areas) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = palette.pixelColor(x, y);
                if (c.rgb() == ground && !seamRow(area, y) && !seamColumn(area, x))
                    ++unpickable;
                if (c.red() == c.green() && c.green() == c.blue())
                    greys.insert(c.red() / 16);
                else if (c.hsvSaturationF() > 0.8 && c.valueF() > 0.8)
                    hueBins.insert(c.hsvHue() / 30);
            }
        }
    }
    EXPECT_EQ(hueBins.size(), 12u) << "saturated colours in every 30 degree band of hue";
    EXPECT_EQ(greys.size(), 16u) << "grey levels from black to white";
    EXPECT_EQ(unpickable, 0) << "colours equal to the ignored ground";
}

// The gauge fills rows 7..56 from the bottom: the fill images must hold their fill in
// exactly those rows, and the charging overlay must leave them visible.
TEST(BatteryGauge, FillImagesMatchTheFillRows) {
    for (const char* name : {"battery_full.png", "battery_charging.png"}) {
        const QImage fill = load(name);
        const QImage empty = load("battery_empty.png");
        for (int y : {7, 30, 56})
            EXPECT_NE(fill.pixel(15, y), empty.pixel(15, y)) << name << " row " << y;
        for (int y : {5, 58})
            EXPECT_EQ(fill.pixel(15, y), empty.pixel(15, y)) << name << " row " << y;
    }
    const QImage overlay = load("battery_lighting.png");
    EXPECT_EQ(qAlpha(overlay.pixel(7, 10)), 0);
    EXPECT_EQ(qAlpha(overlay.pixel(22, 52)), 0);
    EXPECT_GT(qAlpha(overlay.pixel(15, 32)), 200) << "the bolt crosses the middle";
}

// The progress dialog copies rows 66..77 of the filled frame over the empty one, growing
// from the left: the filled bar must lie in exactly those rows, over the empty track.
TEST(ProgressFrames, FilledBarLiesInTheCopiedRows) {
    const QImage empty = load("Frame_progress_nr.bmp");
    const QImage filled = load("Frame_progress_ov.bmp");
    ASSERT_EQ(empty.size(), filled.size());
    int differingOutside = 0, differingInside = 0;
    for (int y = 0; y < empty.height(); ++y) {
        for (int x = 0; x < empty.width(); ++x) {
            const bool differs = empty.pixel(x, y) != filled.pixel(x, y);
            (y >= 66 && y < 78 ? differingInside : differingOutside) += differs ? 1 : 0;
        }
    }
    EXPECT_EQ(differingOutside, 0);
    EXPECT_GT(differingInside, 300 * 10) << "a bar across most of the width";
}

// The dial's click regions are wedges around (70, 78), 22.5 degrees each from the left:
// image N must light exactly the segments 3..N along those wedges.
TEST(PowerDial, LitSegmentsFollowTheClickWedges) {
    constexpr double kPi = 3.14159265358979323846;
    for (int minutes = 3; minutes <= 10; ++minutes) {
        const QImage dial = load("power_manage_" + std::to_string(minutes) + "min.png");
        ASSERT_FALSE(dial.isNull());
        for (int k = 0; k < 8; ++k) {
            const double angle = kPi * (1.0 - (k + 0.5) / 8.0);
            const QColor c =
                dial.pixelColor(int(70 + 55 * std::cos(angle)), int(78 - 55 * std::sin(angle)));
            const bool lit = c.blue() > c.red() + 60;
            EXPECT_EQ(lit, k + 3 <= minutes) << minutes << " minutes, segment " << k;
        }
    }
}

} // namespace
