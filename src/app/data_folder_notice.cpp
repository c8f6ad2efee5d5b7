// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/data_folder_notice.h"

#include "app/dialogs/attention_dlg.h"
#include "base/log_sink.h"
#include "base/path_text.h"
#include "base/text_file.h"
#include "lang/language_table.h"

#include <QPointer>
#include <QTimer>

namespace ferrox {

namespace {

struct NoticeText {
    int index;
    const wchar_t* english; // for a language file that has no such text yet
};

constexpr NoticeText kKeptIn{319, L"Ferrox keeps its settings in this folder:"};
constexpr NoticeText kOldLeft{320, L"An older settings folder was found beside it and left as it "
                                   L"is; remove it when you no longer need it:"};
constexpr NoticeText kNotMoved{321, L"The settings folder could not be moved to its new place, "
                                    L"so it is used where it is:"};
constexpr NoticeText kTitle{150, L"Attention"};

std::wstring Text(const NoticeText& text) {
    const std::wstring own = LanguageText(text.index);
    return own.empty() ? std::wstring(text.english) : own;
}

} // namespace

std::wstring DataFolderNoticeText(const DataFolderMove& move) {
    switch (move.result) {
    case DataFolderMove::Result::Failed:
        return Text(kNotMoved) + L"\n" + PathText(move.oldFolder) + L"\n→ " +
               PathText(move.newFolder) + L": " + FromUtf8(move.error.message());
    case DataFolderMove::Result::BothThere:
        if (!move.firstTime)
            return {};
        return Text(kKeptIn) + L"\n" + PathText(move.newFolder) + L"\n\n" + Text(kOldLeft) +
               L"\n" + PathText(move.oldFolder);
    case DataFolderMove::Result::Nothing:
    case DataFolderMove::Result::Moved:
        break;
    }
    return {};
}

void TellDataFolderMove(QWidget& window, const DataFolderMove& move) {
    if (move.result == DataFolderMove::Result::Moved)
        Log(LogLevel::Info, LogCategory::Files,
            "moved the data folder " + move.oldFolder.string() + " to " + move.newFolder.string());
    if (const std::string said = DescribeDataFolderMove(move); !said.empty())
        Log(LogLevel::Warning, LogCategory::Files, said);
    if (DataFolderNoticeText(move).empty())
        return;
    // Worded once the window has loaded its language.
    QTimer::singleShot(0, &window, [target = QPointer<QWidget>(&window), move] {
        if (target)
            CAttentionDlg::Show(target, Text(kTitle), DataFolderNoticeText(move),
                                CAttentionDlg::Mode::ModelessTopMost);
    });
}

} // namespace ferrox
