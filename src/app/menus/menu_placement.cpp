// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menus/menu_placement.h"

#include "app/menus/function_menus.h"

#include <algorithm>

namespace ferrox {

namespace {

// The menu's top-left corner sits 20 units above the button's bottom and 161 units right of
// its left edge, so the menu overlaps the button's end.
constexpr int kMenuRise = 20;
constexpr int kMenuIndent = 161;

int Units(int design, double scale) {
    return static_cast<int>(design * scale);
}

// Moves the rectangle up or left as far as needed, then down or right, to lie inside area.
QRect Inside(QRect rect, const QRect& area) {
    if (area.isEmpty())
        return rect;
    rect.moveRight(std::min(rect.right(), area.right()));
    rect.moveLeft(std::max(rect.left(), area.left()));
    rect.moveBottom(std::min(rect.bottom(), area.bottom()));
    rect.moveTop(std::max(rect.top(), area.top()));
    return rect;
}

int BottomEdge(const QRect& rect) {
    return rect.top() + rect.height();
}

} // namespace

MenuPlace PlaceFunctionMenu(const QRect& button, const QSize& size, const QRect& available,
                            double scale) {
    const QPoint wanted(button.left() + Units(kMenuIndent, scale),
                        BottomEdge(button) - Units(kMenuRise, scale));
    const QRect placed = Inside(QRect(wanted, size), available);
    return {placed, placed.top() < wanted.y()};
}

QRect PlaceSubmenu(const SubmenuInfo& submenu, const QRect& button, const MenuPlace& menu,
                   const QSize& size, const QRect& available, double scale) {
    const int top = menu.lifted ? menu.rect.top() + Units(submenu.offsetInLiftedMenu, scale)
                                : BottomEdge(button) + Units(submenu.offsetBelowButton, scale);
    QRect rect(QPoint(menu.rect.left() + menu.rect.width(), top), size);
    if (!available.isEmpty() && rect.right() > available.right())
        rect.moveRight(menu.rect.left() - 1);
    return Inside(rect, available);
}

} // namespace ferrox
