// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's lists and the profile context menu: their rows and what choosing one
// reports, driven through the window system as a user would; and their pictures.

#include "app/menus/list_popups.h"
#include "app/menus/profile_popup.h"
#include "app/profile_bar.h"
#include "base/app_globals.h"
#include "desktop_events.h"
#include "dialog_test.h"
#include "lang/language_loader.h"
#include "lang/language_table.h"
#include "ui/dlg_base.h"

#include <gtest/gtest.h>

#include <QDir>

#include <vector>

namespace ferrox {
namespace {

struct Report {
    unsigned message;
    WParam wParam;
    LParam lParam;
    std::wstring text;
    int code = -1;
};

class ParentDialog : public CDlgBase {
public:
    ParentDialog() {
        SetDesignSize(400, 300);
        for (unsigned m : {0x46Fu, 0x479u, 0x48Cu})
            bindMessage(m, [this, m](WParam w, LParam l) {
                const auto* result = reinterpret_cast<const PopupResult*>(l);
                reports.push_back({m, w, l, result->text, result->code[0]});
                return 0;
            });
        bindMessage(ProfileBarMessage::ListResult, [this](WParam w, LParam l) {
            reports.push_back({ProfileBarMessage::ListResult, w, l, {}});
            return 0;
        });
    }
    std::vector<Report> reports;
};

class MainPopupsTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(parent.Create());
    }
    void TearDown() override {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        DialogTest::TearDown();
    }
    template <typename Popup> Popup* Open(Popup* popup, unsigned message, int owner) {
        popup->Create(&parent, QRect(parent.mapToGlobal(QPoint(20, 20)), QSize(300, 300)),
                      message, owner);
        QApplication::processEvents();
        return popup;
    }
    static void Click(CWndPopup* popup, int row, Qt::MouseButton button = Qt::LeftButton) {
        test::DesktopClick(popup, popup->items[std::size_t(row)].rect.center(), button);
        QApplication::processEvents();
    }
    static void Shoot(CWndPopup* popup, const QString& name) {
        test::SaveScreenshot(popup->RenderedImage(), name);
    }

    ParentDialog parent;
};

TEST_F(MainPopupsTest, ListsReportTheirRowsCodes) {
    struct Case {
        MenuPopup* popup;
        unsigned message;
        int row;
        std::wstring text;
        int code;
    };
    const Case cases[] = {
        {new CComboPollingRatePopup, 0x46F, 3, L"1000Hz", 3},
        {new CComboPollingRatePopup, 0x46F, 0, L"125Hz", 0},
        {new CComboLightingPopup, 0x479, 6, LanguageText(108), 9},
        {new CComboLightingPopup, 0x479, 7, LanguageText(109), 0}, // the last mode is 0
        {new CProfileRKeyPopup, 0x48C, 3, LanguageText(93), 3},
    };
    for (const Case& c : cases) {
        parent.reports.clear();
        Click(Open(c.popup, c.message, 2051), c.row);
        ASSERT_EQ(parent.reports.size(), 1u);
        EXPECT_EQ(parent.reports[0].message, c.message);
        EXPECT_EQ(parent.reports[0].wParam, 2051u);
        EXPECT_EQ(parent.reports[0].text, c.text);
        EXPECT_EQ(parent.reports[0].code, c.code);
        c.popup->close();
    }
}

TEST_F(MainPopupsTest, ProfileListChoosesOnlyProfilesAndAdd) {
    ProfileListRows rows{{L"Work", L"Play", L"", L"", L""}, 2};
    auto* list = Open(new CComboProfilePopup(rows, "skins/header2_nr.png"),
                      ProfileBarMessage::ListResult, ProfileBarId::Chooser);
    ASSERT_EQ(list->items.size(), 7u);
    EXPECT_EQ(list->items[0].rect, QRect(0, 1, 230, 25));
    Click(list, 0); // header
    Click(list, 3); // an empty row
    EXPECT_TRUE(parent.reports.empty());
    Click(list, 1);
    Click(list, 6);
    Click(list, 2, Qt::RightButton);
    Click(list, 3, Qt::RightButton); // empty: no menu
    ASSERT_EQ(parent.reports.size(), 3u);
    EXPECT_EQ(parent.reports[0].wParam, 2u);
    EXPECT_EQ(parent.reports[0].lParam, 2);
    EXPECT_EQ(parent.reports[1].lParam, 7);
    EXPECT_EQ(parent.reports[2].wParam, 11u);
    EXPECT_EQ(parent.reports[2].lParam, 3);
}

TEST_F(MainPopupsTest, Pictures) {
    for (double scale : {1.0, 2.0}) {
        UiScale = scale;
        const QString suffix = scale == 1.0 ? QStringLiteral("_1x") : QStringLiteral("_2x");
        ProfileListRows rows{{L"Work", L"Play", L"Shooter", L"", L""}, 2};
        CWndPopup* popups[] = {
            Open(new CComboProfilePopup(rows, "skins/header2_nr.png"), 0x465, 3502),
            Open(new CProfileRKeyPopup, 0x48C, 2049),
            Open(new CComboLightingPopup, 0x479, 3120),
            Open(new CComboPollingRatePopup, 0x46F, 3110),
        };
        const char* names[] = {"popup_profile_list", "popup_profile_menu", "popup_lighting",
                               "popup_report_rate"};
        for (int i = 0; i < 4; ++i) {
            test::DesktopMove(popups[i], popups[i]->items[1].rect.center());
            QApplication::processEvents();
            Shoot(popups[i], QString::fromLatin1(names[i]) + suffix);
            EXPECT_FALSE(popups[i]->RenderedImage().isNull());
            popups[i]->close();
        }
    }
}

} // namespace
} // namespace ferrox
