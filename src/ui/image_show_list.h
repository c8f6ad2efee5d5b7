#pragma once
// The steps of one macro, one row each: an icon (press, release or delay) and the step's text.

#include "macros/macro_types.h"
#include "ui/show_list_base.h"

namespace ferrox {

class CImageShowList : public CShowListBase {
public:
    static constexpr int ListId = 2020;

    CImageShowList(WindowBase* owner, int left, int top, int right, int bottom, int shown = 1,
                   int visible = 1, int locked = 0);

    void SetMacro(const MacroKey* macro);
    const MacroKey* Macro() const { return macro_; }
    void LoadIcons(std::string_view release = "skins/macro_up.png",
                   std::string_view press = "skins/macro_down.png",
                   std::string_view delay = "skins/macro_time.png");

    int TotalRows() const override;

    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnLButtonDblClk(int x, int y) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

private:
    const QImage& iconFor(const MacroAction& action) const;

    const MacroKey* macro_ = nullptr;
    QImage releaseIcon_;
    QImage pressIcon_;
    QImage delayIcon_;
};

} // namespace ferrox
