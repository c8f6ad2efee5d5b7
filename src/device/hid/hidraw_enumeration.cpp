// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/hidraw_enumeration.h"

#include "base/log_sink.h"
#include "base/path_text.h"
#include "base/regular_file.h"
#include "device/hid/hid_report_descriptor.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <sstream>

namespace ferrox {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kNodePrefix = "hidraw";
// Report descriptors are at most 4 KiB (HID_MAX_DESCRIPTOR_SIZE).
constexpr size_t kMaxDescriptorBytes = 4096;

std::optional<unsigned> NodeNumber(const std::string& name) {
    if (!name.starts_with(kNodePrefix) || name.size() == kNodePrefix.size())
        return std::nullopt;
    unsigned n = 0;
    const char* first = name.data() + kNodePrefix.size();
    const char* last = name.data() + name.size();
    const auto [end, ec] = std::from_chars(first, last, n);
    if (ec != std::errc() || end != last)
        return std::nullopt;
    return n;
}

std::optional<std::string> ReadSmallFile(const fs::path& path, size_t limit) {
    FileProblem problem;
    auto bytes = ReadWholeFile(path, limit, problem);
    if (!bytes)
        Log(LogLevel::Debug, LogCategory::Device, DescribeFileProblem(problem));
    return bytes;
}

bool ParseHex16(std::string_view text, uint16_t& value) {
    uint32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 16);
    if (ec != std::errc() || end != text.data() + text.size() || v > 0xFFFF)
        return false;
    value = uint16_t(v);
    return true;
}

// Windows names every collection of a multi-collection interface separately; so do we.
std::wstring LogicalPath(const fs::path& node, size_t collection, size_t collections) {
    std::wstring path = PathText(node);
    if (collections > 1)
        path += L"#col" + std::to_wstring(collection + 1);
    return path;
}

void AddNode(const fs::path& nodeDir, const fs::path& devNode, std::vector<HidrawInterface>& out) {
    const auto uevent = ReadSmallFile(nodeDir / "device" / "uevent", 64 * 1024);
    const auto descriptor =
        ReadSmallFile(nodeDir / "device" / "report_descriptor", kMaxDescriptorBytes);
    HidInterfaceInfo base;
    if (!uevent || !descriptor || !ParseHidIdFromUevent(*uevent, base.vendorId, base.productId))
        return;
    const auto* bytes = reinterpret_cast<const uint8_t*>(descriptor->data());
    const auto collections = ParseReportDescriptor({bytes, descriptor->size()});
    if (!collections)
        return;
    for (size_t i = 0; i < collections->size(); ++i) {
        const HidTopLevelCollection& c = (*collections)[i];
        HidrawInterface entry{base, devNode, c.inputReportIds};
        entry.info.path = LogicalPath(devNode, i, collections->size());
        entry.info.inputReportLength = c.inputReportLength;
        entry.info.featureReportLength = c.featureReportLength;
        out.push_back(std::move(entry));
    }
}

} // namespace

bool ParseHidIdFromUevent(const std::string& uevent, uint16_t& vendorId, uint16_t& productId) {
    std::istringstream lines(uevent);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.starts_with("HID_ID="))
            continue;
        // HID_ID=<bus>:<vendor>:<product>, each field hexadecimal, 8 digits for the IDs
        std::string_view value = std::string_view(line).substr(7);
        const size_t a = value.find(':');
        const size_t b = a == value.npos ? value.npos : value.find(':', a + 1);
        if (b == value.npos)
            return false;
        return ParseHex16(value.substr(a + 1, b - a - 1), vendorId) &&
               ParseHex16(value.substr(b + 1), productId);
    }
    return false;
}

std::vector<HidrawInterface> EnumerateHidraw(const fs::path& classRoot, const fs::path& devRoot) {
    std::vector<std::pair<unsigned, std::string>> nodes;
    std::error_code ec;
    for (fs::directory_iterator it(classRoot, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (const auto number = NodeNumber(name))
            nodes.emplace_back(*number, name);
    }
    if (ec)
        LogFailure(LogCategory::Device, "list " + classRoot.string(), ec.value());
    std::sort(nodes.begin(), nodes.end());
    std::vector<HidrawInterface> out;
    for (const auto& [number, name] : nodes)
        AddNode(classRoot / name, devRoot / name, out);
    return out;
}

} // namespace ferrox
