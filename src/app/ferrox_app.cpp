// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ferrox_app.h"

#include "app/app_messages.h"
#include "app/app_options.h"
#include "app/data_folder_notice.h"
#include "app/main_window/ferrox_dlg.h"
#include "app/instance_server.h"
#include "app/remote/desktop_bus.h"
#include "app/remote/window_command_host.h"
#include "app/simulated_firmware.h"
#include "app/termination_signals.h"
#include "app/trace_file.h"
#include "app/virtual/virtual_mouse_driver.h"
#include "app/virtual/virtual_mouse_panel.h"
#include "app/wake/wake_window.h"
#include "base/app_globals.h"
#include "base/instance_client.h"
#include "base/instance_lock.h"
#include "macros/macro_user_library.h"
#include "settings/settings_saves.h"
#include "platform/qt_log_sink.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <cstdlib>
#include <iostream>

#ifndef FERROX_VERSION
#define FERROX_VERSION "0"
#endif
#ifndef FERROX_APP_ID
#define FERROX_APP_ID "ferrox"
#endif

namespace ferrox {

void EndMainWindow(std::unique_ptr<CFerroxDlg> window) {
    window.reset(); // writes a save still waiting for its timer
    UserMacroLibrarySaves().Wait();
    SettingsSaves().Wait();
}

int CFerroxApp::Run(int argc, char** argv) {
    InstallQtLog();
    AppOptions options;
    std::string error;
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!ParseAppOptions(args, options, error)) {
        std::cerr << "ferrox: " << error << " (try ferrox --help)\n";
        return 2;
    }
    if (options.help || options.version) {
        std::cout << (options.help ? kAppUsage : "ferrox " FERROX_VERSION "\n");
        return 0;
    }

    // A second instance only wakes the first one, shows nothing and ends.
    auto lock = InstanceLock::acquire(InstanceLockPath());
    if (!lock) {
        // The launcher's token lets a Wayland window be raised by the first instance.
        const char* token = std::getenv("XDG_ACTIVATION_TOKEN");
        SendWakeUp(InstanceSocketPath(), token ? token : "");
        return 0;
    }
    // Only the lock's holder moves the old data folder, before it says which folder it uses.
    const DataFolderMove move = SettleDataFolder(options.dataDir, true);
    // ferroxctl reads this to keep away from the data folder (and the mouse) this window uses.
    lock->publish(InstanceInfoPath(),
                  {InstanceInfo::Holder::Window, ChooseDataFolder(options.dataDir),
                   options.simulate == SimulateKind::None});

    WindowSessionOptions session;
    std::unique_ptr<TraceFile> trace;
    if (!options.trace.empty()) {
        trace = TraceFile::Open(options.trace, error);
        if (!trace) {
            std::cerr << "ferrox: " << error << "\n";
            return 1;
        }
        session.trace = [log = trace.get()](char direction, std::span<const uint8_t> report) {
            log->Write(direction, report);
        };
    }
    // A ferroxctl --trace carried out by this window sees the reports its command caused.
    CommandTraceTap commandTrace;
    session.trace = commandTrace.Around(std::move(session.trace));
    SimulatedMice mice(options.simulateState);
    HidSystem hid = MakeHidSystem(options.simulate, mice.Maker());
    if (!mice.StateFault().empty()) {
        std::cerr << "ferrox: " << mice.StateFault() << "\n";
        return 1;
    }

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("ferrox"));
    // Ties the window to the desktop entry: its icon and name on Wayland docks and taskbars.
    QGuiApplication::setDesktopFileName(QStringLiteral(FERROX_APP_ID));

    auto dlg = std::make_unique<CFerroxDlg>(hid, options.dataDir, std::move(session));
    dlg->StartHidden(options.startHidden);
    TellDataFolderMove(*dlg, move);
    QPointer<CFerroxDlg> target(dlg.get());
    // In place before the socket appears: whoever can find this instance can also end it.
    TerminationSignals signals([target] {
        if (target)
            target->PostMessage(WM_CLOSE);
    });
    InstanceServer server([target](const std::string& token) {
        if (target)
            WakeWindow(*target, token);
    });
    server.listen(InstanceSocketPath());
    WindowCommandHost commandHost(*dlg, commandTrace);
    RemoteWindow remote{&commandHost,
                        OpenModalDialog,
                        [target] {
                            if (target)
                                target->RefreshView();
                        },
                        {}};
    std::unique_ptr<RemoteRunner> runner;

    // The virtual mouse can be played with from its panel and from ferroxctl virtual; a window
    // on the real mouse takes no such requests.
    std::unique_ptr<VirtualMouseDriver> driver;
    std::unique_ptr<VirtualMousePanel> panel;
    if (hid.virtualMouse) {
        driver = std::make_unique<VirtualMouseDriver>(
            *hid.virtualMouse, [&mice](DeviceKind kind) { return mice.FirmwareFor(kind); });
        auto play = [&driver, target](const VirtualAction& action) {
            const bool done = driver->Run(action);
            // The window would read the new battery or show request only at its next status
            // query, up to 21 s later; a demo shows it at once.
            const bool status = action.kind == VirtualActionKind::Battery ||
                                action.kind == VirtualActionKind::Charging ||
                                action.kind == VirtualActionKind::ShowButton;
            if (done && status && target)
                target->Session().sync().QueryStatus();
            return done;
        };
        panel = std::make_unique<VirtualMousePanel>(*driver, play);
        remote.play = play;
        // Once the main window has its place.
        QTimer::singleShot(0, panel.get(), [&panel, target] {
            if (target)
                panel->ShowBeside(*target);
        });
    }

    runner = std::make_unique<RemoteRunner>(remote);
    server.setRequestHandler([&runner, &server](const InstanceMessage& message) {
        return WindowRequest(message, *runner, [&server] { return server.answerLater(); });
    });
    auto bus = std::make_unique<DesktopBus>(*runner);
    bus->registerOn(QDBusConnection::sessionBus());

    dlg->RunModal();
    bus.reset();
    // Nothing more is carried out on a window that is going.
    server.setRequestHandler({});
    runner.reset();
    panel.reset();
    // Call site: anything the platform needs shut down after the window (fonts, images).
    EndMainWindow(std::move(dlg));
    if (const std::string fault = mice.SaveMouseState(); !fault.empty())
        std::cerr << "ferrox: " << fault << "\n";
    return 0;
}

} // namespace ferrox
