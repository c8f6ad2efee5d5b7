#include "app/plain_notice.h"

#include "platform/canvas.h"
#include "ui/look_colours.h"
#include "ui/open_dialog_table.h"

#include <QFont>
#include <QKeyEvent>
#include <QScreen>

namespace ferrox {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 190;
constexpr int kBandHeight = 34;

} // namespace

PlainNotice* PlainNotice::Show(QWidget* owner, const QString& title, const QString& message,
                               Mode mode) {
    auto* notice = new PlainNotice(owner, title, message);
    if (mode == Mode::Modal)
        notice->setWindowModality(Qt::ApplicationModal);
    RegisterOpenDialog(notice);
    notice->onMessage(WM_CLOSE, [notice](WParam, LParam) {
        notice->closeNotice();
        return 0;
    });
    notice->Create();
    return notice;
}

PlainNotice::PlainNotice(QWidget* owner, const QString& title, const QString& message)
    : WindowBase(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      title_(title), message_(message) {
    setWindowTitle(title);
    setFixedSize(kWidth, kHeight);
    QScreen* s = owner ? owner->screen() : screen();
    if (s)
        move(s->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
}

PlainNotice::~PlainNotice() {
    UnregisterOpenDialog(this);
}

QRect PlainNotice::closeRect() const {
    return QRect(kWidth - 110, kHeight - 46, 90, 28);
}

void PlainNotice::closeNotice() {
    UnregisterOpenDialog(this);
    EndDialog(IDOK);
    deleteLater();
}

void PlainNotice::OnPaint(Canvas& canvas, const QRect&) {
    const QRect all(0, 0, width(), height());
    QFont font = this->font();
    font.setPixelSize(13);
    QFont bold = font;
    bold.setBold(true);
    canvas.FillRect(all, look::Panel);
    canvas.FillRect(QRect(0, 0, width(), kBandHeight), look::Band);
    canvas.FrameRect(all, look::Hairline);
    canvas.DrawText(title_, QRect(16, 0, width() - 32, kBandHeight), DT_VCENTER | DT_SINGLELINE,
                    look::Text, bold);
    canvas.DrawText(message_, QRect(16, kBandHeight + 14, width() - 32, 80), DT_WORDBREAK,
                    look::Text, font);
    canvas.FrameRect(closeRect(), look::Accent);
    canvas.DrawText(QStringLiteral("OK"), closeRect(), DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                    Rgb(255, 255, 255), font);
}

void PlainNotice::OnLButtonUp(int x, int y) {
    if (closeRect().contains(x, y))
        closeNotice();
}

bool PlainNotice::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            closeNotice();
            return true;
        }
    }
    return WindowBase::event(event);
}

} // namespace ferrox
