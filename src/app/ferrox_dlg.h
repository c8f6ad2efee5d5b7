#pragma once
// The main window. It stays open for the whole run: the program ends when it closes. At this
// stage it finds the device, keeps itself visible or hidden, filters the keyboard, tells the
// user when no device is there, and ends in the three ways the program can end.

#include "app/key_sequence.h"
#include "app/window_rules.h"
#include "device/device_discovery.h"
#include "device/hid_system.h"
#include "ui/dlg_base.h"

#include <QPointer>

#include <filesystem>
#include <functional>

namespace ferrox {

class DeviceNoticeBridge;

class CFerroxDlg : public CDlgBase {
public:
    static constexpr int DesignWidth = 1127;
    static constexpr int DesignHeight = 740;

    // dataDirOverride: --data-dir, empty when not given.
    explicit CFerroxDlg(HidSystem& hid, std::filesystem::path dataDirOverride = {});
    ~CFerroxDlg() override;

    DeviceDiscovery& Discovery() { return discovery_; }
    int WindowShownFlag() const { return windowShown_; }
    int DeviceShowFlag() const { return deviceShow_; }
    int ShownByDeviceFlag() const { return shownByDevice_; }
    // The notice timer 80 put up, while it is open.
    WindowBase* NoDeviceNoticeWindow() const { return noDeviceNotice_; }
    WindowBase* SupportNoticeWindow() const { return supportNotice_; }

    // Places the window on a work area: centred, or at the edge where it does not fit.
    void PlaceOnWorkArea(const QRect& workArea);

protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;
    // The keyboard filter runs before the window sees any key.
    bool event(QEvent* event) override;

private:
    void determineFolders();
    void determineScale();
    void bindMessages();
    DiscoveryHooks discoveryHooks();

    LResult onWakeInstance();
    LResult onDeviceChange(WParam change);
    void onVisibilityTimer();
    void onNoDeviceTimer();
    void minimise();
    void endProgram(int result);
    void showSupportNotice();

    HidSystem& hid_;
    std::filesystem::path dataDirOverride_;
    DeviceDiscovery discovery_;
    DeviceNoticeBridge* notices_ = nullptr;
    KeySequenceFilter keys_;

    int windowShown_ = 0;
    int deviceShow_ = 0;
    int shownByDevice_ = 0;
    int startHidden_ = 0;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    int deferredSavePending_ = 0;
    uint8_t reportSequence_ = 1;
    int batteryShown_ = 10;
    bool hasBackground_ = false;
    bool trayIconShown_ = false; // set where the tray icon is added

    QPointer<WindowBase> noDeviceNotice_;
    QPointer<WindowBase> supportNotice_;
};

} // namespace ferrox
