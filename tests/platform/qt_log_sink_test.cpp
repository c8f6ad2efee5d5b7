// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The core's log in Qt's categories: what is on by default, and what a logging rule turns on.

#include "platform/qt_log_sink.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>

#include <string>
#include <vector>

namespace ferrox {
namespace {

std::vector<std::string> Caught;

void Catch(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const char* kind = type == QtDebugMsg ? "debug" : type == QtWarningMsg ? "warning" : "other";
    Caught.push_back(std::string(context.category) + " " + kind + ": " + message.toStdString());
}

struct QtLogTest : ::testing::Test {
    QtMessageHandler before = qInstallMessageHandler(Catch);
    QtLogTest() {
        Caught.clear();
        InstallQtLog();
    }
    ~QtLogTest() override {
        SetLogSink(nullptr);
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(before);
    }
};

TEST_F(QtLogTest, WarningsByDefaultDebugWhenARuleAsksForIt) {
    Log(LogLevel::Debug, LogCategory::Device, "open /dev/hidraw3");
    LogFailure(LogCategory::Files, "write /tmp/x", EACCES);
    EXPECT_EQ(Caught, (std::vector<std::string>{
                          "ferrox.files warning: write /tmp/x: Permission denied"}));

    // What QT_LOGGING_RULES="ferrox.device.debug=true" sets.
    QLoggingCategory::setFilterRules(QStringLiteral("ferrox.device.debug=true"));
    Caught.clear();
    Log(LogLevel::Debug, LogCategory::Device, "open /dev/hidraw3");
    Log(LogLevel::Debug, LogCategory::Sync, "apply");
    EXPECT_EQ(Caught, (std::vector<std::string>{"ferrox.device debug: open /dev/hidraw3"}));

    QLoggingCategory::setFilterRules(QStringLiteral("ferrox.*.warning=false"));
    Caught.clear();
    Log(LogLevel::Warning, LogCategory::Ui, "gone");
    EXPECT_TRUE(Caught.empty());
}

} // namespace
} // namespace ferrox
