// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_order.h"

#include <algorithm>

namespace ferrox {

namespace {

struct Gap {
    int width; // how wide the empty band is
    int cut;   // where it ends: every rectangle starting before it lies before the band
};

// The empty bands between the rectangles' extents along one axis, left or top first.
std::vector<Gap> Gaps(std::span<const QRect> rects, const std::vector<std::size_t>& set,
                      bool across) {
    std::vector<std::pair<int, int>> spans;
    spans.reserve(set.size());
    for (std::size_t i : set) {
        const QRect& r = rects[i];
        spans.push_back(across ? std::pair{r.top(), r.top() + r.height()}
                               : std::pair{r.left(), r.left() + r.width()});
    }
    std::sort(spans.begin(), spans.end());
    std::vector<Gap> gaps;
    int reach = spans.empty() ? 0 : spans.front().second;
    for (const auto& [from, to] : spans) {
        if (from > reach)
            gaps.push_back({from - reach, from});
        reach = std::max(reach, to);
    }
    return gaps;
}

const Gap* Widest(const std::vector<Gap>& gaps) {
    const auto widest = std::max_element(gaps.begin(), gaps.end(),
                                         [](const Gap& a, const Gap& b) { return a.width < b.width; });
    return widest == gaps.end() ? nullptr : &*widest;
}

void Order(std::span<const QRect> rects, std::vector<std::size_t> set, int gutter,
           std::vector<std::size_t>& out);

// Parts the set at the cuts (ascending) and reads the parts in order.
void Split(std::span<const QRect> rects, const std::vector<std::size_t>& set,
           const std::vector<int>& cuts, bool across, std::vector<std::size_t>& out) {
    std::vector<std::vector<std::size_t>> parts(cuts.size() + 1);
    for (std::size_t i : set) {
        const int start = across ? rects[i].top() : rects[i].left();
        const auto part = std::upper_bound(cuts.begin(), cuts.end(), start) - cuts.begin();
        parts[std::size_t(part)].push_back(i);
    }
    for (auto& part : parts)
        Order(rects, std::move(part), 0, out);
}

void Order(std::span<const QRect> rects, std::vector<std::size_t> set, int gutter,
           std::vector<std::size_t>& out) {
    if (set.size() < 2) {
        out.insert(out.end(), set.begin(), set.end());
        return;
    }
    // Columns only count across the whole window: inside a panel, a control set apart to the
    // right (a close button beside a title) still belongs to its row.
    const std::vector<Gap> down = Gaps(rects, set, false);
    std::vector<int> columns;
    for (const Gap& gap : down)
        if (gutter > 0 && gap.width >= gutter)
            columns.push_back(gap.cut);
    if (!columns.empty())
        return Split(rects, set, columns, false, out);
    const std::vector<Gap> across = Gaps(rects, set, true);
    if (const Gap* row = Widest(across))
        return Split(rects, set, {row->cut}, true, out);
    if (const Gap* column = Widest(down))
        return Split(rects, set, {column->cut}, false, out);
    std::stable_sort(set.begin(), set.end(), [&](std::size_t a, std::size_t b) {
        const QRect &ra = rects[a], &rb = rects[b];
        return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
    });
    out.insert(out.end(), set.begin(), set.end());
}

} // namespace

std::vector<std::size_t> ReadingOrder(std::span<const QRect> rects, int gutter) {
    std::vector<std::size_t> all(rects.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    std::vector<std::size_t> out;
    out.reserve(all.size());
    Order(rects, std::move(all), std::max(1, gutter), out);
    return out;
}

} // namespace ferrox
