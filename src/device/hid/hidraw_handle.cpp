// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/hidraw_handle.h"

#include "base/log_sink.h"
#include "base/path_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace ferrox {

std::unique_ptr<HidrawHandle> HidrawHandle::adopt(int fd, HidInterfaceInfo info,
                                                  std::vector<uint8_t> inputReportIds) {
    const int wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        LogFailure(LogCategory::Device, "eventfd for " + TextPath(info.path).string(), errno);
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<HidrawHandle>(
        new HidrawHandle(fd, wakeFd, std::move(info), std::move(inputReportIds)));
}

HidrawHandle::HidrawHandle(int fd, int wakeFd, HidInterfaceInfo info,
                           std::vector<uint8_t> inputReportIds)
    : fd_(fd), wakeFd_(wakeFd), info_(std::move(info)), inputReportIds_(std::move(inputReportIds)),
      numbered_(!(inputReportIds_.size() == 1 && inputReportIds_[0] == 0)) {}

HidrawHandle::~HidrawHandle() {
    Log(LogLevel::Debug, LogCategory::Device,
        "close " + name() + ": " + std::to_string(sent_) + " reports sent, " +
            std::to_string(received_) + " received");
    ::close(fd_);
    ::close(wakeFd_);
}

// Like HidD_SetFeature/HidD_GetFeature, a buffer of any other length than the collection's
// feature report length is refused rather than sent truncated.
bool HidrawHandle::setFeature(std::span<const uint8_t> report) {
    if (report.empty() || report.size() != info_.featureReportLength)
        return false;
    return counted(ioctl(fd_, HIDIOCSFEATURE(report.size()), report.data()), "set feature", sent_);
}

bool HidrawHandle::getFeature(std::span<uint8_t> report) {
    if (report.empty() || report.size() != info_.featureReportLength)
        return false;
    return counted(ioctl(fd_, HIDIOCGFEATURE(report.size()), report.data()), "get feature",
                   received_);
}

std::string HidrawHandle::name() const {
    return TextPath(info_.path).string();
}

bool HidrawHandle::counted(int result, const char* what, std::atomic<unsigned>& count) const {
    if (result < 0) {
        // A mouse asleep behind its receiver refuses every report: not worth a warning.
        LogFailure(LogCategory::Device, std::string(what) + " on " + name(), errno,
                   LogLevel::Debug);
        return false;
    }
    ++count;
    return true;
}

bool HidrawHandle::acceptsReport(uint8_t id) const {
    return std::find(inputReportIds_.begin(), inputReportIds_.end(), id) != inputReportIds_.end();
}

HidReadResult HidrawHandle::readInput(std::span<uint8_t> buffer) {
    std::array<uint8_t, 4096> raw{};
    for (;;) {
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            LogFailure(LogCategory::Device, "poll " + name(), errno);
            return HidReadResult::Failed;
        }
        if (fds[1].revents & POLLIN) {
            uint64_t count = 0;
            [[maybe_unused]] const auto drained = ::read(wakeFd_, &count, sizeof count);
            return HidReadResult::Interrupted;
        }
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            Log(LogLevel::Debug, LogCategory::Device, name() + " hung up");
            return HidReadResult::Failed;
        }
        // Unnumbered reports arrive without an ID byte; give the caller the 0 it expects.
        const size_t offset = numbered_ ? 0 : 1;
        const ssize_t got = ::read(fd_, raw.data() + offset, raw.size() - offset);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0) {
            LogFailure(LogCategory::Device, "read " + name(), got < 0 ? errno : ENODATA,
                       LogLevel::Debug); // an unplug ends every reader this way
            return HidReadResult::Failed;
        }
        if (!acceptsReport(raw[0]))
            continue; // another collection's report on the same node
        const size_t length = std::min(size_t(got) + offset, buffer.size());
        std::fill(buffer.begin(), buffer.end(), 0);
        std::memcpy(buffer.data(), raw.data(), length);
        ++received_;
        return HidReadResult::Report;
    }
}

void HidrawHandle::interruptRead() {
    const uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
}

} // namespace ferrox
