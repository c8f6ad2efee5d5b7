#pragma once
// A plain attention notice: a title, a message and a way to close it. It stands in for the
// skinned attention dialog until that exists. It enters itself in OpenDialogTable, so it is
// closed with the other secondary dialogs, and deletes itself when closed.

#include "platform/window_base.h"

#include <QString>

namespace ferrox {

class PlainNotice : public WindowBase {
public:
    enum class Mode { Modeless, Modal };

    // Shown at once, on top of other windows.
    static PlainNotice* Show(QWidget* owner, const QString& title, const QString& message,
                             Mode mode);
    ~PlainNotice() override;

    QString Message() const { return message_; }

protected:
    void OnPaint(Canvas& canvas, const QRect& updateRect) override;
    void OnLButtonUp(int x, int y) override;
    bool event(QEvent* event) override;

private:
    PlainNotice(QWidget* owner, const QString& title, const QString& message);
    QRect closeRect() const;
    void closeNotice();

    QString title_;
    QString message_;
};

} // namespace ferrox
