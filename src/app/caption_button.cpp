#include "app/caption_button.h"

#include "ui/look_colours.h"

namespace ferrox {
namespace {

constexpr Colour kOverFill = Rgb(0x2A, 0x2A, 0x2A);

} // namespace

CCaptionButton::CCaptionButton(WindowBase* owner, int id, QRect bounds, std::wstring glyph)
    : CControlBase(owner, id, bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1,
                   std::move(glyph)) {}

void CCaptionButton::Draw(Canvas& canvas) {
    const QRect rect = GetBounds();
    if (state_ != MouseNormal)
        canvas.FillRect(rect, state_ == MouseDown ? look::Accent : kOverFill);
    DrawCaption(canvas, text_, rect, state_ == MouseNormal ? look::Text : look::HotText, DT_CENTER);
}

bool CCaptionButton::OnMouseMove(int x, int y) {
    const MouseState next =
        Contains(x, y) ? (state_ == MouseDown ? MouseDown : MouseOver) : MouseNormal;
    const bool changed = next != state_;
    state_ = next;
    return changed;
}

bool CCaptionButton::OnLButtonDown(int x, int y) {
    if (!Contains(x, y))
        return false;
    state_ = MouseDown;
    return true;
}

bool CCaptionButton::OnLButtonUp(int x, int y) {
    const bool wasDown = state_ == MouseDown;
    state_ = Contains(x, y) ? MouseOver : MouseNormal;
    if (wasDown && Contains(x, y))
        Notify(NotifyClicked);
    return wasDown;
}

} // namespace ferrox
