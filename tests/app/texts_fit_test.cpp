// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the language files that the window, its dialogs and its menus draw fits the
// place it is drawn in, in English, Russian and Ukrainian at each interface scale: measured
// from the font and rectangle each text is set in, not read from pixels. Names the user typed
// may still be cut, but the walk gives none that would be.

#include "app/dialogs/attention_dlg.h"
#include "app/dialogs/color_palette_dlg.h"
#include "app/dialogs/dpi_value_dlg.h"
#include "app/dialogs/fire_key_dlg.h"
#include "app/dialogs/firmware_reset_dlg.h"
#include "app/dialogs/profile_name_dialog.h"
#include "app/dialogs/progress_bar_dlg.h"
#include "app/dialogs/shortcut_dlg.h"
#include "app/macro_dialogs/action_editors.h"
#include "app/macro_dialogs/macro_confirm_dialog.h"
#include "app/macro_dialogs/macro_manager_dlg.h"
#include "app/macro_dialogs/macro_popups.h"
#include "app/macro_dialogs/macro_select_dlg.h"
#include "app/macro_dialogs/name_dialogs.h"
#include "app/main_window/bottom_bar.h"
#include "app/main_window/main_window_parts.h"
#include "app/main_window/section_column.h"
#include "app/menus/function_menus.h"
#include "app/menus/list_popups.h"
#include "lang/language_table.h"
#include "macros/macro_library.h"
#include "platform/text_fit.h"
#include "settings/dpi_table.h"
#include "dialog_test.h"
#include "window_fixture.h"

#include <QFontMetrics>

#include <algorithm>
#include <functional>
#include <set>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace ferrox {
namespace {

class TextsFit : public test::WindowTest {
protected:
    void SetUp() override {
        SetTextDrawProbe([this](const QString& text, const QRect& rect, const FittedText& f) {
            check(text, rect, f);
        });
    }
    void TearDown() override {
        SetTextDrawProbe({});
        WindowTest::TearDown();
    }

    // Each text is measured again here, in the font and with the flags it was drawn with.
    void check(const QString& text, const QRect& rect, const FittedText& fitted) {
        const QRect needed = QFontMetrics(fitted.font).boundingRect(rect, fitted.flags, text);
        const bool cut = fitted.shown != text;
        const bool outside = needed.width() > rect.width() || needed.height() > rect.height();
        if (!cut && !outside)
            return;
        std::ostringstream fault;
        fault << place_ << ": \"" << text.toStdString() << "\" " << (cut ? "cut" : "outside")
              << ": needs " << needed.width() << "x" << needed.height() << " at "
              << fitted.font.pixelSize() << " px, has " << rect.width() << "x" << rect.height();
        if (seen_.insert(fault.str()).second)
            faults_.push_back(fault.str());
    }

    void at(const std::string& what) {
        place_ = language_ + " x" + std::to_string(UiScale).substr(0, 3) + " " + what;
    }

    // Pictures of the translated window for a person to look at, at scale 1.
    void shoot(const QImage& image, const std::string& what) {
        if (UiScale != 1 || language_ == "EN")
            return;
        std::string name = "texts_" + language_ + "_" + what;
        std::replace(name.begin(), name.end(), ' ', '_');
        test::SaveScreenshot(image, QString::fromStdString(name));
    }

    void drawWindow(const std::string& what) {
        at(what);
        shoot(Window().grab().toImage(), what);
    }

    void drawDialog(const std::string& what, CDlgBase& dialog) {
        at(what);
        ASSERT_TRUE(dialog.Create()) << what;
        const QImage image = dialog.grab().toImage();
        if (what == "macro manager")
            shoot(image, what);
        dialog.SendMessage(WM_CLOSE);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Created against the window, which draws it at once; then closed by its owner.
    void drawPopup(const std::string& what, CWndPopup* popup) {
        at(what);
        popup->Create(&Window(), QRect(Window().mapToGlobal(QPoint(20, 20)), QSize(10, 10)),
                      0x7FF0, 0);
        if (what == "function menu" || what.starts_with("submenu"))
            shoot(popup->RenderedImage(), what);
        popup->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void walkMainWindow() {
        for (const SectionInfo& info : kSections) {
            if (!IsOpen(Window().Parts().column.Open(), info.section)) {
                const QPoint c = Window().FindControl(info.headerId)->GetBounds().center();
                ClickAt(int(c.x() / UiScale), int(c.y() / UiScale));
            }
            drawWindow("main window, section " + std::to_string(info.headerId));
        }
        const QPoint chooser = Window().FindControl(MainId::ProfileChooser)->GetBounds().center();
        ClickAt(int(chooser.x() / UiScale), int(chooser.y() / UiScale));
        at("profile list");
        if (CWndPopup* list = ActivePopup()) {
            list->Render();
            list->close();
        } else {
            ADD_FAILURE() << place_ << ": the profile list did not open";
        }
    }

    void walkMenus() {
        drawPopup("function menu", new CComboPopup);
        for (PopupKind kind : {PopupKind::DpiMenu, PopupKind::MultimediaMenu, PopupKind::OfficeMenu,
                               PopupKind::WindowsMenu, PopupKind::DpiLockMenu})
            drawPopup("submenu " + std::to_string(int(kind)), new FunctionSubmenu(kind));
        drawPopup("lighting list", new CComboLightingPopup);
        drawPopup("report rate list", new CComboPollingRatePopup);
        drawPopup("profile menu", new CProfileRKeyPopup);
        drawPopup("insert-action menu", new CComboActionInsertPopup);
        for (int mode : {CMacroListPopup::NothingSelected, CMacroListPopup::MacroSelected,
                         CMacroListPopup::FolderSelected})
            drawPopup("macro list menu " + std::to_string(mode), new CMacroListPopup(mode));
    }

    void walkDialogs() {
        Colour colour = 0x123456;
        DpiStepTable steps;
        MacroAction key = MacroAction::MakeKey(0x41, false);
        MacroAction delay = MacroAction::MakeDelay(250);
        MacroAction move{0xE5, 0, 0, 0x0A};
        MacroLibrary library;
        MacroLocation at;
        ASSERT_EQ(library.AddFolder(L"Games", at), MacroAddResult::Added);
        MacroLocation selection;
        struct Case {
            const char* what;
            std::function<std::unique_ptr<CDlgBase>()> make;
        };
        QWidget* parent = &Window();
        const Case cases[] = {
            {"shortcut", [&] { return std::make_unique<CShortcutDlg>(parent); }},
            {"fire key", [] { return std::make_unique<CFireKeyDlg>(); }},
            {"DPI value", [&] { return std::make_unique<CDPIValueSettingDlg>(0, steps); }},
            {"palette", [&] { return std::make_unique<CColorPaletteDlg>(colour); }},
            {"firmware reset", [] { return std::make_unique<CFirmwareResetDlg>(); }},
            {"add profile", [] { return std::make_unique<CAddProfileDlg>(); }},
            {"rename profile", [] { return std::make_unique<CEditProfileDlg>(L"Work"); }},
            {"progress",
             [&] { return std::make_unique<CProgressBarDlg>(LanguageText(146), parent); }},
            {"macro manager",
             [&] { return std::make_unique<CMacroManagerDlg>(library, selection, parent); }},
            {"macro selection",
             [&] { return std::make_unique<CMacroSelectDlg>(library, selection); }},
            {"key editor", [&] { return std::make_unique<CActionKeyModifyDlg>(key); }},
            {"delay editor", [&] { return std::make_unique<CActionTimeModifyDlg>(delay); }},
            {"movement editor", [&] { return std::make_unique<CActionXYModifyDlg>(move, 5); }},
            {"macro name",
             [] {
                 return std::make_unique<CMacroKeyOrFolderNameDlg>(
                     CMacroKeyOrFolderNameDlg::Mode::Macro);
             }},
            {"folder name",
             [] {
                 return std::make_unique<CMacroKeyOrFolderNameDlg>(
                     CMacroKeyOrFolderNameDlg::Mode::Folder);
             }},
            {"macro rename", [] { return std::make_unique<CMacroKeyRenameDlg>(L"Burst"); }},
        };
        for (const Case& c : cases) {
            auto dialog = c.make();
            drawDialog(c.what, *dialog);
        }
        // The notices: every message of the language files that a notice shows.
        for (int text : {145, 147, 151, 152, 153, 154, 155, 156, 157, 158, 174, 175, 176}) {
            CAttentionDlg notice(LanguageText(150), LanguageText(text), parent);
            drawDialog("notice " + std::to_string(text), notice);
        }
        for (int text = 232; text <= 257; ++text) {
            MacroConfirmDialog question(150, text);
            drawDialog("macro question " + std::to_string(text), question);
        }
    }

    std::string language_;
    std::string place_;
    std::set<std::string> seen_;
    std::vector<std::string> faults_;
};

TEST_F(TextsFit, EveryWindowDialogAndMenuInEachLanguageAndScale) {
    for (const wchar_t* code : {L"EN", L"RU", L"UA"})
        for (float scale : {1.0f, 1.5f, 2.0f}) {
            language_ = QString::fromWCharArray(code).toStdString();
            UiScale = scale;
            at("start");
            StartWindow({.uiScale = scale, .language = code});
            walkMainWindow();
            walkMenus();
            walkDialogs();
        }
    std::string all;
    for (const std::string& fault : faults_)
        all += fault + "\n";
    EXPECT_TRUE(faults_.empty()) << faults_.size() << " texts do not fit:\n" << all;
}

} // namespace
} // namespace ferrox
