// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl's commands carried out inside the real main window: they change the window's own
// settings and reach its mouse at once, also while the window rests hidden, and none that
// changes anything runs while a dialog of the window is open.

#include "app/instance_server.h"
#include "app/macro_dialogs/macro_manager_dlg.h"
#include "app/main_window/main_layout.h"
#include "app/modal_driver.h"
#include "app/remote/remote_commands.h"
#include "app/remote/window_command_host.h"
#include "base/instance_client.h"
#include "cli/command_table.h"
#include "run_as_nobody.h"
#include "settings/dpi_table.h"
#include "window_fixture.h"

#include <QTimer>

#include <atomic>
#include <optional>
#include <sys/wait.h>
#include <thread>

namespace ferrox {
namespace {

using namespace ferrox::test;

class CommandsInWindow : public WindowTest {
protected:
    RemoteAnswer Command(std::string name, std::vector<std::string> args, bool trace = false) {
        std::optional<RemoteAnswer> answer;
        runner().submit({std::move(name), std::move(args), false, trace},
                        [&answer](const RemoteAnswer& given) { answer = given; });
        EXPECT_TRUE(WaitFor([&] { return answer.has_value(); }, 5000));
        return answer.value_or(RemoteAnswer{});
    }
    RemoteRunner& runner() {
        if (!runner_) {
            host_ = std::make_unique<WindowCommandHost>(Window(), tap_);
            // As the program wires it: the frames the worker writes and reads pass the tap.
            Window().Session().worker().setTrace(
                [this](char direction, const Frame& frame) { tap_.write(direction, frame); });
            runner_ = std::make_unique<RemoteRunner>(
                RemoteWindow{host_.get(), OpenModalDialog, [this] { ++changes_; }, {}});
        }
        return *runner_;
    }
    unsigned DpiOfLevel(int level) {
        return DpiSteps.At(CurrentProfile().dpiStep[size_t(level)])->Dpi();
    }

    CommandTraceTap tap_;
    std::unique_ptr<WindowCommandHost> host_;
    std::unique_ptr<RemoteRunner> runner_;
    int changes_ = 0;
};

TEST_F(CommandsInWindow, AChangeReachesTheMouseAtOnceEvenWhileTheWindowRestsHidden) {
    StartWindow();
    LetStartUpGo();
    Window().Session().sync().windowShown = false; // resting in the tray
    ClearReceivedFrames();
    const uint8_t sentBefore = Mouse().state().dpi[2]; // level 0's step
    const RemoteAnswer answer = Command("set", {"dpi", "0", "800"});
    ASSERT_EQ(answer.exitStatus, kExitOk) << answer.err;
    EXPECT_EQ(DpiOfLevel(0), 800u);
    EXPECT_FALSE(ReceivedFrames().empty()) << "sent without waiting for the window to show";
    EXPECT_NE(Mouse().state().dpi[2], sentBefore);
    EXPECT_FALSE(Window().Session().sync().windowShown) << "the window stays where it rests";
    EXPECT_EQ(Window().Notices().ProgressWindow(), nullptr) << "no progress notice for a command";
    EXPECT_EQ(changes_, 1) << "the window shows the change";
}

TEST_F(CommandsInWindow, NothingThatChangesRunsWhileTheMacroManagerIsOpen) {
    StartWindow();
    LetStartUpGo();
    const unsigned before = DpiOfLevel(0);
    ClearReceivedFrames();
    RemoteAnswer busy, reading;
    ModalDriver driver;
    driver.When<CMacroManagerDlg>([&](CMacroManagerDlg& manager) {
        busy = Command("set", {"dpi", "0", "800"});
        reading = Command("show", {});
        manager.EndDialog(0);
    });
    Window().SendMessage(MainId::MacroManager, 0, NotifyClicked);
    Settle();
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(busy.exitStatus, kExitBusy);
    EXPECT_NE(busy.err.find("dialog open"), std::string::npos) << busy.err;
    EXPECT_EQ(DpiOfLevel(0), before);
    EXPECT_TRUE(ReceivedFrames().empty());
    EXPECT_EQ(changes_, 0);
    EXPECT_EQ(reading.exitStatus, kExitOk) << "reading is no change: " << reading.err;
    EXPECT_NE(reading.out.find("profile slot"), std::string::npos) << reading.out;
}

// A command is the user's own action, not a click: none shows the window's progress notice.
TEST_F(CommandsInWindow, NoCommandShowsTheProgressNotice) {
    StartWindow();
    LetStartUpGo();
    const std::vector<std::vector<std::string>> commands = {
        {"set", "dpi", "0", "800"}, {"apply"}, {"reset"}, {"profile", "use", "1"}};
    for (const std::vector<std::string>& words : commands) {
        const RemoteAnswer answer =
            Command(words[0], std::vector<std::string>(words.begin() + 1, words.end()));
        EXPECT_EQ(answer.exitStatus, kExitOk) << words[0] << ": " << answer.err;
        EXPECT_EQ(Window().Notices().ProgressWindow(), nullptr) << words[0];
    }
}

// The window's loop runs on while a command's frames go out; the answer waits for them, with
// the command's exit status and its frames in the trace, and a second command runs after it.
TEST_F(CommandsInWindow, TheWindowRunsOnWhileACommandsFramesGoOut) {
    StartWindow();
    LetStartUpGo();
    ClearReceivedFrames();
    std::atomic<bool> release = false;
    // The mouse is slow: nothing queued from now on goes out until released.
    Window().Session().worker().then([&release] {
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    std::vector<RemoteAnswer> answers;
    runner().submit({"set", {"dpi", "0", "800"}, false, true},
                    [&answers](const RemoteAnswer& answer) { answers.push_back(answer); });
    runner().submit({"show", {}, false, false},
                    [&answers](const RemoteAnswer& answer) { answers.push_back(answer); });
    bool ticked = false;
    QTimer::singleShot(20, [&ticked] { ticked = true; });
    EXPECT_TRUE(WaitFor([&] { return ticked; }, 2000)) << "the window's loop stood still";
    EXPECT_TRUE(answers.empty()) << "answered before its frames were on the wire";
    EXPECT_EQ(DpiOfLevel(0), 800u) << "the window shows the change at once";
    release = true;
    ASSERT_TRUE(WaitFor([&] { return answers.size() == 2; }, 5000));
    EXPECT_EQ(answers[0].exitStatus, kExitOk) << answers[0].err;
    EXPECT_NE(answers[0].out.find("> 0C"), std::string::npos) << answers[0].out;
    EXPECT_FALSE(ReceivedFrames().empty());
    EXPECT_EQ(answers[1].exitStatus, kExitOk) << answers[1].err;
    EXPECT_NE(answers[1].out.find("profile slot"), std::string::npos) << "in order";
}

// Another user who can reach the socket (the window's own folder is private) is refused, and
// so is a request in another format; the window's settings stay as they are.
TEST_F(CommandsInWindow, OnlyItsOwnUserInItsOwnFormatIsTaken) {
    StartWindow();
    LetStartUpGo();
    const int slot = CurrentSlot();
    char shared[] = "/tmp/ferrox-remote-XXXXXX";
    ASSERT_TRUE(::mkdtemp(shared));
    ::chmod(shared, 0755);
    const std::filesystem::path socket = std::filesystem::path(shared) / "test.socket";
    InstanceServer server([](const std::string&) {});
    server.setRequestHandler([this, &server](const InstanceMessage& message) {
        return WindowRequest(message, runner(), [&server] { return server.answerLater(); });
    });
    ASSERT_TRUE(server.listen(socket));
    ::chmod(socket.c_str(), 0666);
    const std::vector<uint8_t> use = EncodeRemoteRequest({"profile", {"use", "1"}, false, false});
    std::vector<uint8_t> newer = use;
    newer[0] = kRemoteFormatVersion + 1;

    // The window answers on this thread's loop; the sender waits on its own.
    InstanceAnswer other;
    std::atomic<bool> answered = false;
    std::thread sender([&] {
        other = AskRunningInstanceFor(socket, InstanceMessageType::Command, newer,
                                      std::chrono::seconds(5));
        answered = true;
    });
    EXPECT_TRUE(WaitFor([&] { return answered.load(); }, 6000));
    sender.join();
    EXPECT_EQ(other.reply, InstanceReply::VersionMismatch);

    if (test::CanRunAsNobody()) {
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgid(test::kNobody) != 0 || ::setuid(test::kNobody) != 0)
                ::_exit(10);
            const InstanceReply reply = AskRunningInstanceFor(socket, InstanceMessageType::Command,
                                                              use, std::chrono::seconds(5))
                                            .reply;
            ::_exit(reply == InstanceReply::Refused ? 0 : 20 + int(reply));
        }
        int status = -1;
        ASSERT_TRUE(WaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 8000));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    EXPECT_EQ(CurrentSlot(), slot);
    EXPECT_EQ(changes_, 0);
    std::filesystem::remove_all(shared);
}

} // namespace
} // namespace ferrox
