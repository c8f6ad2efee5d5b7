// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/hidraw_backend.h"

#include "device/hid/hidraw_enumeration.h"
#include "device/hid/hidraw_handle.h"
#include "base/log_sink.h"
#include "base/path_text.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace ferrox {

HidrawBackend::HidrawBackend(std::filesystem::path classRoot, std::filesystem::path devRoot)
    : classRoot_(std::move(classRoot)), devRoot_(std::move(devRoot)) {}

std::vector<HidInterfaceInfo> HidrawBackend::enumerate() {
    std::vector<HidInterfaceInfo> infos;
    for (auto& entry : EnumerateHidraw(classRoot_, devRoot_))
        infos.push_back(std::move(entry.info));
    return infos;
}

std::unique_ptr<HidHandle> HidrawBackend::open(const std::wstring& path) {
    for (auto& entry : EnumerateHidraw(classRoot_, devRoot_)) {
        if (entry.info.path != path)
            continue;
        const int fd = ::open(entry.node.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            LogFailure(LogCategory::Device, "open " + entry.node.string(), errno);
            return nullptr;
        }
        Log(LogLevel::Debug, LogCategory::Device, "open " + TextPath(path).string());
        return HidrawHandle::adopt(fd, std::move(entry.info), std::move(entry.inputReportIds));
    }
    Log(LogLevel::Debug, LogCategory::Device,
        "open " + TextPath(path).string() + ": no such interface");
    return nullptr;
}

} // namespace ferrox
