// The parts of the main window that move: the profile bar and the right column's sections,
// their frames, and the marker of the key button under the pointer.

#include "app/main_window/ferrox_dlg.h"
#include "app/main_window/main_layout.h"
#include "platform/canvas.h"
#include "settings/config_table.h"
#include "ui/check_button.h"
#include "ui/combo_button.h"
#include "ui/skin_images.h"
#include "ui/ui_scale.h"

#include <algorithm>
#include <string>

namespace ferrox {
namespace {

struct MarkerPlace {
    int x, y;
};
constexpr std::array<MarkerPlace, KeyComboCount> kMarkerPlaces{{
    {495, 231}, {608, 231}, {553, 251}, {467, 311}, {471, 360},
    {553, 301}, {553, 336}, {462, 451}, {487, 284},
}};

constexpr int kProfileBarLeft = 300;
constexpr int kProfileBarTop = 430;
constexpr int kTabPitch = 25;

QRect DesignToWindow(int left, int top, int right, int bottom) {
    return QRect(QPoint(Scaled(left), Scaled(top)), QPoint(Scaled(right), Scaled(bottom)))
        .adjusted(0, 0, -1, -1);
}

// The frame image stretched to a box, its four corners kept, so hairlines stay one pixel.
void DrawPanel(Canvas& canvas, const QImage& frame, const QRect& box) {
    if (frame.isNull())
        return;
    const int c = std::min({4, frame.width() / 2, frame.height() / 2});
    const int w = frame.width(), h = frame.height();
    const int cs = std::max(1, Scaled(c));
    const int xs[] = {box.left(), box.left() + cs, box.right() + 1 - cs, box.right() + 1};
    const int ys[] = {box.top(), box.top() + cs, box.bottom() + 1 - cs, box.bottom() + 1};
    const int sx[] = {0, c, w - c, w};
    const int sy[] = {0, c, h - c, h};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            canvas.DrawImage(frame,
                             QRect(sx[col], sy[row], sx[col + 1] - sx[col], sy[row + 1] - sy[row]),
                             QRect(xs[col], ys[row], xs[col + 1] - xs[col], ys[row + 1] - ys[row]));
}

} // namespace

bool CFerroxDlg::hasLiftOff() const {
    return DpiSteps.longTable;
}

void CFerroxDlg::bindSectionHandlers() {
    for (const SectionInfo& info : kSections)
        onControl(info.headerId, [this, section = info.section](LParam code, WParam) {
            if (code == NotifyClicked)
                onHeaderClicked(section);
        });
    bindMessage(KeyComboMessage, [this](WParam id, LParam code) {
        const int n = int(id) - MainId::KeyCombo + 1;
        if (n < 1 || n > KeyComboCount)
            return LResult(0);
        if (code == NotifyHoverEnter || code == NotifyHoverLeave) {
            const int marked = code == NotifyHoverEnter ? n : 0;
            if (marked != markedButton_) {
                markedButton_ = marked;
                InvalidateRect(DesignToWindow(457, 171, 672, 569));
            }
        }
        keyMenus_.ComboNotified(int(id), code);
        return LResult(0);
    });
}

void CFerroxDlg::onHeaderClicked(Section section) {
    auto* header = FindControlAs<CCheckButton>(InfoOf(section).headerId);
    if (!header)
        return;
    sections_[std::size_t(section)] = header->GetChecked();
    if (header->GetChecked())
        sections_ = AfterOpening(sections_, section, hasLiftOff());
    placeColumn();
    RefreshView();
}

// Headers follow the open sections; each section's contents go to its content origin and are
// shown with it.
void CFerroxDlg::placeColumn() {
    sections_ = WithoutMissingLiftOff(sections_, hasLiftOff());
    const ColumnPlaces places = PlaceColumn(sections_, hasLiftOff());
    const std::span<const ControlSpec> rows = MainWindowSections();
    for (const SectionInfo& info : kSections) {
        const SectionPlace& place = places[std::size_t(info.section)];
        const bool open = sections_[std::size_t(info.section)];
        if (auto* header = FindControlAs<CCheckButton>(info.headerId)) {
            header->SetBounds(Scaled(ColumnLeft), Scaled(place.headerTop),
                              Scaled(ColumnLeft + HeaderWidth),
                              Scaled(place.headerTop + HeaderHeight));
            header->SetVisible(place.headerShown);
            header->SetChecked(open);
        }
        SetLayerShown(info.layer, open && place.headerShown);
        if (info.section == Section::Dpi)
            continue; // the DPI contents keep their places
        const auto& controls = Layer(info.layer);
        std::size_t c = 0;
        for (const ControlSpec& row : rows) {
            if (row.layer != info.layer)
                continue;
            CControlBase* control = c < controls.size() ? controls[c++].get() : nullptr;
            if (!control || row.id == MainId::RateMenu)
                continue; // the rate list stays where it was made
            const DesignRect& r = row.rect;
            control->SetBounds(Scaled(ColumnLeft + r.left), Scaled(place.contentTop + r.top),
                               Scaled(ColumnLeft + r.right), Scaled(place.contentTop + r.bottom));
        }
    }
    ClearHotControl();
    Invalidate();
}

void CFerroxDlg::placeProfileBar() {
    const ProfileBarList bar = ReadProfileBar();
    for (int k = 0; k < bar.count; ++k)
        if (auto* tab = FindControl(MainId::ProfileTab + bar.slots[std::size_t(k)])) {
            const int top = kProfileBarTop + kTabPitch * k;
            tab->SetBounds(Scaled(kProfileBarLeft), Scaled(top), Scaled(462), Scaled(top + 21));
        }
    if (auto* add = FindControl(MainId::AddProfile)) {
        const int y = 433 + kTabPitch * std::max(bar.count, 3);
        add->SetBounds(Scaled(kProfileBarLeft), Scaled(y), Scaled(346), Scaled(y + 20));
    }
}

void CFerroxDlg::drawFrames(Canvas& canvas) {
    for (const DesignBox& box : LeftPanelFrames())
        DrawPanel(canvas, sectionFrame_,
                  DesignToWindow(box.x, box.y, box.x + box.width, box.y + box.height));
    const ColumnPlaces places = PlaceColumn(sections_, hasLiftOff());
    for (const SectionInfo& info : kSections) {
        const SectionPlace& place = places[std::size_t(info.section)];
        if (sections_[std::size_t(info.section)] && place.headerShown)
            DrawPanel(canvas, sectionFrame_,
                      DesignToWindow(ColumnLeft, place.contentTop, ColumnLeft + HeaderWidth,
                                     place.contentTop + info.frameHeight));
    }
}

void CFerroxDlg::drawMarker(Canvas& canvas) {
    if (markedButton_ < 1 || markedButton_ > KeyComboCount)
        return;
    QImage& marker = markers_[std::size_t(markedButton_ - 1)];
    if (marker.isNull())
        marker = LoadSkinFile("skins/mouse/number" + std::to_string(markedButton_) + ".png");
    if (marker.isNull())
        return;
    const MarkerPlace at = kMarkerPlaces[std::size_t(markedButton_ - 1)];
    canvas.DrawImage(marker, marker.rect(),
                     QRect(Scaled(at.x), Scaled(at.y), Scaled(marker.width()),
                           Scaled(marker.height())),
                     Interpolation::Smooth);
}

} // namespace ferrox
