#pragma once
// The main window's minimise and exit buttons in their plain form: a glyph that lights up
// under the pointer and notifies NotifyClicked when released over itself. The skinned image
// buttons of the full layout take their place later.

#include "ui/control_base.h"

namespace ferrox {

class CCaptionButton : public CControlBase {
public:
    CCaptionButton(WindowBase* owner, int id, QRect bounds, std::wstring glyph);

    void Draw(Canvas& canvas) override;
    void ResetState(int) override { state_ = MouseNormal; }
    bool OnMouseMove(int x, int y) override;
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;

    MouseState State() const { return state_; }

private:
    MouseState state_ = MouseNormal;
};

} // namespace ferrox
