// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a user sees of the main window beyond its controls' behaviour: tips on the controls that
// show only a picture, pictures that tell the profile buttons apart, texts that fit their
// places in every shipped language and scale, a window that comes back from minimised painted,
// and pictures of all of it in screenshots/.

#include "app/dialogs/attention_dlg.h"
#include "app/tool_tips.h"
#include "lang/language_table.h"
#include "main_window_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>

namespace ferrox {
namespace {

struct Language {
    const wchar_t* code;
    const char* name;
};
constexpr Language kLanguages[] = {{L"EN", "en"}, {L"RU", "ru"}, {L"UA", "uk"}};
constexpr float kScales[] = {1.0f, 1.5f};

class MainLook : public MainWindow {
protected:
    // What the desktop shows once the pointer has rested on the control: Qt's help event.
    QString TipAt(int id) {
        HideTip();
        const QPoint at = Bounds(id).center();
        QHelpEvent help(QEvent::ToolTip, at, Window().mapToGlobal(at));
        QApplication::sendEvent(&Window(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    // At once: QToolTip::hideText() lets a tip fade out later.
    static void HideTip() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel"))
                top->hide();
    }
    // The window as the window system holds it, not as a fresh render of it.
    QImage OnScreen() {
        Settle();
        return Window().screen()->grabWindow(Window().winId()).toImage();
    }
    static void Shoot(QWidget* window, const QString& name) {
        const QString folder =
            QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(window->grab().toImage().save(folder + "/" + name + ".png"))
            << name.toStdString();
    }
    static QString ScaleName(float scale) {
        return scale == 1.0f ? QStringLiteral("1") : QStringLiteral("1_5");
    }
};

struct TippedControl {
    int id;
    int text;
};

constexpr TippedControl kTipped[] = {
    {MainId::Exit, Tip::Exit},
    {MainId::Minimise, Tip::Minimise},
    {MainId::AddProfile, Tip::AddProfile},
    {MainId::ImportProfile, Tip::ImportProfile},
    {MainId::ExportProfile, Tip::ExportProfile},
    {MainId::RenameProfile, Tip::RenameProfile},
    {MainId::PowerDial, Tip::PowerDial},
    {MainId::DpiBar + 2, Tip::DpiBar},
    {MainId::DpiCheck + 2, Tip::DpiInCycle},
    {MainId::DpiColour + 2, Tip::DpiColour},
};

TEST_F(MainLook, PictureOnlyControlsNameThemselvesInATipInEveryLanguage) {
    for (const Language& language : kLanguages) {
        StartWindow({.language = language.code});
        for (const TippedControl& c : kTipped) {
            const QString tip = TipAt(c.id);
            EXPECT_FALSE(tip.isEmpty()) << c.id << " in " << language.name;
            EXPECT_EQ(tip.toStdWString(), LanguageText(c.text)) << c.id << " in " << language.name;
        }
        EXPECT_TRUE(TipAt(MainId::KeyCombo).isEmpty()) << "a control with a caption needs none";
        TipAt(MainId::ImportProfile);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                Shoot(top,
                      QStringLiteral("tip_import_profile_") + QString::fromLatin1(language.name));
    }
    // The lighting modes show either the direction arrows or the colour slots.
    struct ModeControl {
        int mode, id, text;
    };
    StartWindow();
    for (const ModeControl& c : {ModeControl{1, MainId::DirectionUp, Tip::DirectionUp},
                                 ModeControl{1, MainId::DirectionDown, Tip::DirectionDown},
                                 ModeControl{2, MainId::ColourSlot + 3, Tip::ColourSlot}}) {
        Profile().lighting.mode = std::uint8_t(c.mode);
        Window().RefreshView();
        ASSERT_TRUE(Displayed(c.id)) << c.id;
        EXPECT_EQ(TipAt(c.id).toStdWString(), LanguageText(c.text)) << c.id;
    }
}

TEST_F(MainLook, TheFourProfileButtonsShowFourDifferentPictures) {
    for (float scale : kScales) {
        StartWindow({.uiScale = scale});
        const QImage window = Window().grab().toImage();
        const int buttons[] = {MainId::AddProfile, MainId::ImportProfile, MainId::ExportProfile,
                               MainId::RenameProfile};
        for (int a : buttons)
            for (int b : buttons)
                if (a < b) {
                    // Inside the rounded corners, where the background shows through.
                    const int corner = Scaled(4);
                    const QImage first =
                        window.copy(Bounds(a).adjusted(corner, corner, -corner, -corner));
                    const QImage second =
                        window.copy(Bounds(b).adjusted(corner, corner, -corner, -corner));
                    ASSERT_EQ(first.size(), second.size());
                    EXPECT_NE(first, second) << a << " and " << b << " at " << scale;
                }
    }
}

// The widest value the debounce slider can show, in the value's own font.
TEST_F(MainLook, TheDebounceValueFitsItsPlaceAtEveryScale) {
    for (float scale : kScales) {
        StartWindow({.uiScale = scale});
        const CControlBase* value = Control(MainId::DebounceValue);
        ASSERT_NE(value, nullptr);
        for (int ms = 0; ms <= 30; ms += 2) {
            const QString text = QString::number(ms) + QStringLiteral("ms");
            EXPECT_LE(QFontMetrics(value->Font()).horizontalAdvance(text),
                      value->GetBounds().width())
                << text.toStdString() << " at " << scale;
        }
    }
}

// Rows drawn in a left-column frame stay clear of its bottom border: a label on the border's
// line reads as cut off.
TEST_F(MainLook, LeftPanelRowsEndAboveTheirFramesBorder) {
    constexpr int kClearance = 3;
    for (float scale : kScales) {
        StartWindow({.uiScale = scale});
        for (const DesignBox& box : LeftPanelFrames()) {
            const QRect frame(test::WindowTest::Design(box.x, box.y),
                              test::WindowTest::Design(box.x + box.width, box.y + box.height));
            for (const auto& control : Window().Layer(0)) {
                const QRect r = control->GetBounds();
                if (!control->IsDisplayed() || !frame.contains(r.topLeft()))
                    continue;
                EXPECT_LE(r.bottom() + 1, frame.top() + int((box.height - kClearance) * scale))
                    << control->Id() << " at " << scale;
            }
        }
    }
}

TEST_F(MainLook, MouseSettingsWithoutAProgramForTheDesktopSayWhy) {
    const QByteArray path = qgetenv("PATH");
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
    qputenv("PATH", QDir::tempPath().toLocal8Bit() + "/ferrox-no-programs-here");
    qputenv("XDG_CURRENT_DESKTOP", "NoSuchDesktop");
    for (const Language& language : kLanguages)
        for (float scale : kScales) {
            StartWindow({.uiScale = scale, .language = language.code});
            ClickControl(3003); // the pointer settings section
            ClickControl(MainId::ControlPanel);
            auto* notice = dynamic_cast<CAttentionDlg*>(Window().Notices().AttentionWindow());
            ASSERT_NE(notice, nullptr) << language.name;
            const std::wstring text = notice->FindControl(CAttentionDlg::MessageId)->GetText();
            EXPECT_FALSE(text.empty()) << language.name;
            EXPECT_EQ(text, LanguageText(276)) << language.name;
            if (language.code == std::wstring_view(L"EN")) {
                EXPECT_EQ(text, L"No mouse settings program was found for this desktop");
            }
            Shoot(notice, QStringLiteral("no_mouse_settings_%1_x%2")
                              .arg(QString::fromLatin1(language.name))
                              .arg(ScaleName(scale)));
            notice->close();
            Settle();
        }
    qputenv("PATH", path);
    if (desktop.isNull())
        qunsetenv("XDG_CURRENT_DESKTOP");
    else
        qputenv("XDG_CURRENT_DESKTOP", desktop);
}

// A minimised window paints one pixel. Painted so while the desktop still shows it (an X server
// without a window manager does), it must be painted whole once it is restored: the window
// system only puts back what the window last painted.
TEST_F(MainLook, AWindowRestoredFromMinimisedIsPaintedWhole) {
    StartWindow();
    const QImage shown = OnScreen();
    Window().showMinimized();
    Window().QWidget::repaint(); // now, while minimised
    Window().showNormal();
    const QImage restored = OnScreen();
    ASSERT_EQ(restored.size(), shown.size());
    EXPECT_EQ(restored, shown);
}

// Pictures for a person: the left column, the DPI and lighting sections and a tip, in every
// shipped language at both scales.
TEST_F(MainLook, Screenshots) {
    for (const Language& language : kLanguages)
        for (float scale : kScales) {
            StartWindow({.uiScale = scale, .language = language.code});
            const QString suffix =
                QStringLiteral("%1_x%2").arg(QString::fromLatin1(language.name), ScaleName(scale));
            Shoot(&Window(), QStringLiteral("main_look_") + suffix);
            ClickControl(3012); // debounce
            Shoot(&Window(), QStringLiteral("main_look_debounce_") + suffix);
        }
}

} // namespace
} // namespace ferrox
