// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl devices: which interfaces of the mouse and the receiver would be used, and why
// nothing is found when nothing is.

#include "base/text_file.h"
#include "cli/command_table.h"
#include "cli/json_text.h"
#include "device/hid/device_discovery.h"

#include <cstdio>
#include <iomanip>
#include <ostream>

namespace ferrox {
namespace {

struct Adopted {
    const char* role;
    int32_t index;
    std::wstring path;
};

std::string Hex4(uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

std::vector<Adopted> AdoptedOf(const DeviceLinkKind& k) {
    std::vector<Adopted> list;
    if (!k.commandPath.empty())
        list.push_back({"command", k.commandIndex, k.commandPath});
    if (!k.eventPath.empty())
        list.push_back({"event", k.eventIndex, k.eventPath.get()});
    return list;
}

const HidInterfaceInfo* InfoAt(const std::vector<HidInterfaceInfo>& all, const Adopted& a) {
    if (a.index < 0 || size_t(a.index) >= all.size() || all[size_t(a.index)].path != a.path)
        return nullptr;
    return &all[size_t(a.index)];
}

void PrintText(std::ostream& out, DeviceKind kind, const std::vector<Adopted>& adopted,
               const std::vector<HidInterfaceInfo>& all) {
    out << DeviceKindName(kind) << ":";
    if (adopted.empty()) {
        out << " not found\n";
        return;
    }
    out << "\n";
    for (const Adopted& a : adopted) {
        const HidInterfaceInfo* info = InfoAt(all, a);
        out << "  " << std::left << std::setw(7) << a.role << "  index " << a.index << "  "
            << ToUtf8(a.path);
        if (info)
            out << "  " << Hex4(info->vendorId) << ":" << Hex4(info->productId) << "  input "
                << info->inputReportLength << "  feature " << info->featureReportLength;
        out << "\n";
    }
}

void PrintJson(std::ostream& out, DeviceKind kind, const std::vector<Adopted>& adopted,
               const std::vector<HidInterfaceInfo>& all, bool last) {
    out << "  " << JsonString(DeviceKindName(kind)) << ": [";
    for (size_t i = 0; i < adopted.size(); ++i) {
        const Adopted& a = adopted[i];
        const HidInterfaceInfo* info = InfoAt(all, a);
        out << (i ? ", " : "") << "{\"role\": " << JsonString(a.role) << ", \"index\": " << a.index
            << ", \"path\": " << JsonString(ToUtf8(a.path));
        if (info)
            out << ", \"vendor\": " << JsonString(Hex4(info->vendorId))
                << ", \"product\": " << JsonString(Hex4(info->productId))
                << ", \"inputLength\": " << info->inputReportLength
                << ", \"featureLength\": " << info->featureReportLength;
        out << "}";
    }
    out << "]" << (last ? "\n" : ",\n");
}

} // namespace

int CmdDevices(CliContext& context) {
    if (!context.args.empty()) {
        context.err << "ferroxctl devices: unexpected argument " << context.args.front() << "\n";
        return kExitUsage;
    }
    HidBackend& backend = *context.hid().backend;
    DeviceDiscovery discovery(backend);
    discovery.ScanDevices();
    const std::vector<HidInterfaceInfo> all = backend.enumerate();
    if (!discovery.unopenable().empty()) {
        context.err << "ferroxctl: cannot open";
        const char* separator = " ";
        for (const HidInterfaceInfo& denied : discovery.unopenable()) {
            context.err << separator << ToUtf8(denied.path) << " (" << Hex4(denied.vendorId) << ":"
                        << Hex4(denied.productId) << ")";
            separator = ", ";
        }
        context.err << " for reading and writing; install the udev rule 70-ferrox.rules"
                    << " (see README) and replug the device\n";
    }
    if (context.json)
        context.out << "{\n  " << kJsonFormatMember << ",\n";
    for (DeviceKind kind : kAllDeviceKinds) {
        const auto adopted = AdoptedOf(discovery.link().of(kind));
        if (context.json)
            PrintJson(context.out, kind, adopted, all, kind == DeviceKind::Receiver);
        else
            PrintText(context.out, kind, adopted, all);
    }
    if (context.json)
        context.out << "}\n";
    if (discovery.link().anyPresent)
        return kExitOk;
    if (discovery.unopenable().empty())
        context.err << "ferroxctl: no mouse or receiver found\n";
    return kExitFailure;
}

} // namespace ferrox
