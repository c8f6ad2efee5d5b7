#include "platform/keyboard_hook.h"

#include "buttons/key_capture.h"
#include "platform/key_event_translation.h"
#include "platform/window_base.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace ferrox {
namespace {

// Started owners, the capturing one last.
std::vector<CKeyboardHook*>& Owners() {
    static std::vector<CKeyboardHook*> owners;
    return owners;
}

std::uint32_t SteadyMilliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

class KeyCaptureFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Claimed, so no shortcut of the program fires from a captured key.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            capture(*static_cast<QKeyEvent*>(event));
            // Accepted and taken: the key neither reaches the control nor travels to its
            // parents (which would show it to this filter again).
            event->accept();
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    static void capture(const QKeyEvent& event) {
        if (event.isAutoRepeat() || Owners().empty())
            return;
        if (const std::uint8_t key = VirtualKeyOf(event))
            Owners().back()->deliver(key, event.type() == QEvent::KeyRelease);
    }
};

std::unique_ptr<KeyCaptureFilter>& Filter() {
    static std::unique_ptr<KeyCaptureFilter> filter;
    return filter;
}

void RemoveOwner(CKeyboardHook* hook) {
    auto& owners = Owners();
    owners.erase(std::remove(owners.begin(), owners.end(), hook), owners.end());
}

} // namespace

CKeyboardHook::CKeyboardHook(KeyClock clock)
    : clock_(clock ? std::move(clock) : KeyClock(SteadyMilliseconds)) {}

CKeyboardHook::~CKeyboardHook() {
    StopHook();
}

int CKeyboardHook::StartHook(WindowBase* window) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!window || !app)
        return 0;
    if (!Filter()) {
        Filter() = std::make_unique<KeyCaptureFilter>();
        app->installEventFilter(Filter().get());
    }
    window_ = window;
    started_ = true;
    RemoveOwner(this);
    Owners().push_back(this);
    return 1;
}

int CKeyboardHook::StopHook() {
    started_ = false;
    window_ = nullptr;
    RemoveOwner(this);
    if (Owners().empty() && Filter()) {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->removeEventFilter(Filter().get());
        Filter().reset();
    }
    return 1;
}

bool CKeyboardHook::IsCapturing() const {
    return started_ && !Owners().empty() && Owners().back() == this;
}

void CKeyboardHook::deliver(std::uint8_t key, bool release) {
    // The window may be gone while its dialog still holds the hook: the key goes nowhere.
    if (window_)
        window_->PostMessage(WM_KEYHOOK, key, LParam(KeyEventWord(release, clock_())));
}

} // namespace ferrox
