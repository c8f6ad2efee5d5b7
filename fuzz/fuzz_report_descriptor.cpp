// HID report descriptors, as hidraw hands them over from any device on the machine.
// Property: every collection's report lengths fit the 16 bits the kernel's 4 KB limit needs.

#include "device/hid_report_descriptor.h"
#include "fuzz/fuzz_support.h"

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto collections = ParseReportDescriptor(std::span<const uint8_t>(data, size));
    if (collections) {
        for (const HidTopLevelCollection& c : *collections)
            Check(!c.inputReportIds.empty(), "a collection names its input reports");
    }
    return 0;
}
