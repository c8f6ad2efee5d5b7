// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "glyphs.h"

#include <QPen>
#include <span>

namespace skingen {
namespace {

struct Stroke {
    std::span<const QPointF> points;
    bool closed;
};

// Chamfered geometric digits on a 4 x 7 grid; each is one or two polylines.
constexpr QPointF k0[] = {{1, 0}, {3, 0}, {4, 1}, {4, 6}, {3, 7}, {1, 7}, {0, 6}, {0, 1}};
constexpr QPointF k1[] = {{0.8, 1.6}, {2.6, 0}, {2.6, 7}};
constexpr QPointF k2[] = {{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2.6}, {0, 6.4}, {0, 7}, {4, 7}};
constexpr QPointF k3[] = {{0, 0}, {4, 0}, {4, 0.6}, {1.7, 3}, {3, 3},
                          {4, 4}, {4, 6}, {3, 7},   {1, 7},   {0, 6}};
constexpr QPointF k4[] = {{3, 7}, {3, 0}, {0, 4.8}, {0, 5.2}, {4, 5.2}};
constexpr QPointF k5[] = {{4, 0}, {0.3, 0}, {0, 3.2}, {3, 3}, {4, 4},
                          {4, 6}, {3, 7},   {1, 7},   {0, 6}};
constexpr QPointF k6[] = {{3.8, 0.4}, {3.2, 0}, {1, 0}, {0, 1},   {0, 6},   {1, 7},
                          {3, 7},     {4, 6},   {4, 4}, {3, 3.1}, {1, 3.1}, {0, 4}};
constexpr QPointF k7[] = {{0, 0}, {4, 0}, {4, 1}, {1.4, 7}};
constexpr QPointF k8top[] = {{1, 0},   {3, 0},   {4, 1},   {4, 2.3},
                             {3, 3.3}, {1, 3.3}, {0, 2.3}, {0, 1}};
constexpr QPointF k8bottom[] = {{1, 3.3}, {3, 3.3}, {4, 4.3}, {4, 6},
                                {3, 7},   {1, 7},   {0, 6},   {0, 4.3}};
constexpr QPointF k9[] = {{0.2, 6.6}, {0.8, 7}, {3, 7}, {4, 6},   {4, 1},   {3, 0},
                          {1, 0},     {0, 1},   {0, 3}, {1, 3.9}, {3, 3.9}, {4, 3}};

// Capitals of the wordmark on the same grid.
constexpr QPointF kFtop[] = {{4, 0}, {0, 0}, {0, 7}};
constexpr QPointF kEtop[] = {{4, 0}, {0, 0}, {0, 7}, {4, 7}};
constexpr QPointF kBar[] = {{0, 3.4}, {3, 3.4}};
constexpr QPointF kRbowl[] = {{0, 7}, {0, 0}, {3, 0}, {4, 1}, {4, 2.6}, {3, 3.6}, {0, 3.6}};
constexpr QPointF kRleg[] = {{2, 3.6}, {4, 7}};
constexpr QPointF kXa[] = {{0, 0}, {4, 7}};
constexpr QPointF kXb[] = {{4, 0}, {0, 7}};

struct Glyph {
    Stroke first;
    Stroke second; // empty for one-stroke digits
};

Glyph glyphFor(char c) {
    switch (c) {
    case '0':
        return {{k0, true}, {}};
    case '1':
        return {{k1, false}, {}};
    case '2':
        return {{k2, false}, {}};
    case '3':
        return {{k3, false}, {}};
    case '4':
        return {{k4, false}, {}};
    case '5':
        return {{k5, false}, {}};
    case '6':
        return {{k6, false}, {}};
    case '7':
        return {{k7, false}, {}};
    case '8':
        return {{k8top, true}, {k8bottom, true}};
    case '9':
        return {{k9, false}, {}};
    case 'F':
        return {{kFtop, false}, {kBar, false}};
    case 'E':
        return {{kEtop, false}, {kBar, false}};
    case 'R':
        return {{kRbowl, false}, {kRleg, false}};
    case 'O':
        return {{k0, true}, {}};
    case 'X':
        return {{kXa, false}, {kXb, false}};
    default:
        return {};
    }
}

} // namespace

QPainterPath glyphsPath(std::string_view text, QPointF origin, double unit) {
    QPainterPath path;
    double x = origin.x();
    for (char c : text) {
        const Glyph glyph = glyphFor(c);
        for (const Stroke& stroke : {glyph.first, glyph.second}) {
            for (size_t i = 0; i < stroke.points.size(); ++i) {
                const QPointF pt(x + stroke.points[i].x() * unit,
                                 origin.y() + stroke.points[i].y() * unit);
                i == 0 ? path.moveTo(pt) : path.lineTo(pt);
            }
            if (stroke.closed)
                path.closeSubpath();
        }
        x += kGlyphAdvance * unit;
    }
    return path;
}

double glyphsWidth(std::string_view text, double unit) {
    if (text.empty())
        return 0;
    return ((text.size() - 1) * kGlyphAdvance + kGlyphWidth) * unit;
}

void drawGlyphs(QPainter& p, std::string_view text, QPointF centre, double height,
                const QColor& colour, double strokeWidth) {
    const double unit = height / kGlyphHeight;
    const QPointF origin(centre.x() - glyphsWidth(text, unit) / 2, centre.y() - height / 2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, strokeWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glyphsPath(text, origin, unit));
    p.restore();
}

} // namespace skingen
