// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keyboard_hook.h"

#include "keys/key_capture.h"
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
            Owners().back()->capture(key, event.type() == QEvent::KeyRelease);
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
    : fold_(clock ? std::move(clock) : KeyClock(SteadyMilliseconds)) {
    holdBack_.setSingleShot(true);
    holdBack_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&holdBack_, &QTimer::timeout, [this] { onHoldBackTimer(); });
}

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
    // A key released just before the stop still reaches the window that had the keys, and
    // before the stop returns: the caller may end a recording next.
    holdBack_.stop();
    fold_.Flush([this](const CapturedKey& k) {
        if (window_)
            window_->SendMessage(WM_KEYHOOK, k.key, LParam(k.word));
    });
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

void CKeyboardHook::capture(std::uint8_t key, bool release) {
    fold_.Take(key, release, [this](const CapturedKey& k) { post(k); });
    if (fold_.Holding())
        holdBack_.start(int(KeyRepeatFold::HoldBackMs)); // a new release is held
    else
        holdBack_.stop();
}

// A timer may fire a little early by the key clock's reckoning: then it waits the rest.
void CKeyboardHook::onHoldBackTimer() {
    if (const auto rest = fold_.Expire([this](const CapturedKey& k) { post(k); }))
        holdBack_.start(int(*rest));
}

void CKeyboardHook::post(const CapturedKey& key) {
    // The window may be gone while its dialog still holds the hook: the key goes nowhere.
    if (window_)
        window_->PostMessage(WM_KEYHOOK, key.key, LParam(key.word));
}

void CKeyboardHook::DeliverHeldKeys() {
    // Posting never starts or stops an owner, so the list stays as it is meanwhile.
    for (CKeyboardHook* owner : Owners()) {
        owner->holdBack_.stop();
        owner->fold_.Flush([owner](const CapturedKey& k) { owner->post(k); });
    }
}

} // namespace ferrox
