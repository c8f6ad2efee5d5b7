// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ui_font.h"

#include "lang/language_table.h"
#include "ui/ui_scale.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <tuple>

namespace ferrox {

namespace {

struct FaceSubstitute {
    std::wstring_view face;
    std::array<const char*, 4> candidates;
};

// First installed candidate wins. The CJK face comes first for the Chinese UI face so that its
// glyphs and Latin text share one design.
constexpr std::array<FaceSubstitute, 2> FaceSubstitutes{{
    {L"Tahoma", {"DejaVu Sans", "Noto Sans", "Liberation Sans", "FreeSans"}},
    {L"宋体", {"Noto Sans CJK SC", "Noto Serif CJK SC", "WenQuanYi Zen Hei", "AR PL UMing CN"}},
}};

int CellHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// Largest pixel size whose cell (ascent + descent) fits the requested cell height; a face's
// cell is taller than its pixel size, so using the height directly makes text clip.
int PixelSizeForCell(QFont font, int cellHeight) {
    static std::map<std::tuple<QString, int, int>, int> cache;
    const auto key = std::make_tuple(font.family(), font.weight(), cellHeight);
    if (const auto found = cache.find(key); found != cache.end())
        return found->second;
    font.setPixelSize(cellHeight);
    const int cell = std::max(1, CellHeight(font));
    int size = std::max(1, cellHeight * cellHeight / cell + 1);
    font.setPixelSize(size);
    while (size > 1 && CellHeight(font) > cellHeight)
        font.setPixelSize(--size);
    cache.emplace(key, size);
    return size;
}

} // namespace

QString InstalledFace(const std::wstring& face) {
    const QString named = QString::fromStdWString(face);
    const QStringList families = QFontDatabase::families();
    if (families.contains(named, Qt::CaseInsensitive))
        return named;
    for (const auto& substitute : FaceSubstitutes) {
        if (substitute.face != face)
            continue;
        for (const char* candidate : substitute.candidates)
            if (families.contains(QString::fromLatin1(candidate), Qt::CaseInsensitive))
                return QString::fromLatin1(candidate);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont MakeFont(const std::wstring& face, int height, int weight) {
    QFont font(InstalledFace(face));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(weight > 0 ? static_cast<QFont::Weight>(std::clamp(weight, 100, 900))
                              : QFont::Normal);
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPixelSize(PixelSizeForCell(font, height));
    return font;
}

QFont ControlFont() {
    return MakeFont(LanguageFontFace, LanguageFontSize);
}

QFont DialogFont(int logicalDpiY) {
    // The layout grows with UiScale; text that did not would shrink against it.
    const int height = Scaled(logicalDpiY * 10 / 72);
    return MakeFont(LanguageFontFace, -std::max(1, height), 600);
}

} // namespace ferrox
