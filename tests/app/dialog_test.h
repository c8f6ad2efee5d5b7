// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of single dialogs and menus share: the shipped skins and texts as the program
// has them at run time, a scratch data folder, no dialog left over from an earlier test, the
// scale put back afterwards, and pictures for a person to look at in build/screenshots.

#include "base/app_globals.h"
#include "lang/language_loader.h"
#include "lang/language_setting.h"
#include "ui/open_dialog_table.h"
#include "ui/ui_scale.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <filesystem>

namespace ferrox::test {

inline void SaveScreenshot(const QImage& image, const QString& name) {
    const QString dir = QStringLiteral(FERROX_OUTPUT_DIR "/../screenshots");
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + "/" + name + ".png")) << name.toStdString();
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedProgram_ = ProgramFolder;
        savedScale_ = UiScale;
        ProgramFolder = FERROX_OUTPUT_DIR;
        DataFolder = ChooseDataFolder();
        UiScale = 1;
        LoadLanguage();
        ClearOpenDialogTable();
    }
    void TearDown() override {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProgramFolder = savedProgram_;
        std::error_code ignored;
        const bool otherLanguage = std::filesystem::remove(LanguageSettingPath(), ignored);
        if (UiScale != savedScale_ || otherLanguage) {
            UiScale = savedScale_;
            LoadLanguage(); // the fonts follow the scale
        }
    }
    // A shipped language, loaded as the program loads it at start (at the current UiScale);
    // TearDown goes back to the default.
    static void UseLanguage(std::wstring_view code) {
        ASSERT_TRUE(WriteLanguageSetting(LanguageSettingPath(), code));
        LoadLanguage();
    }
    static void Shoot(QWidget* w, const QString& name) { SaveScreenshot(w->grab().toImage(), name); }

private:
    std::filesystem::path savedProgram_;
    float savedScale_ = 1;
};

} // namespace ferrox::test
