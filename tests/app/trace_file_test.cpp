// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The --trace FILE log: appended to a file, or to a pipe or terminal that shows it; never into a
// device, and never waiting for a fifo's reader.

#include "app/trace_file.h"

#include "odd_files.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

TEST(TraceFile, AppendsToAFileAndRefusesWhatIsNone) {
    const fs::path folder = test::Scratch() / "trace";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::string error;
    const uint8_t report[] = {0x0C, 0x01};
    for (int run = 0; run < 2; ++run) {
        const std::unique_ptr<TraceFile> trace = TraceFile::Open(folder / "wire.log", error);
        ASSERT_TRUE(trace) << error;
        trace->Write('>', report);
    }
    std::ifstream in(folder / "wire.log");
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text, TraceLine('>', report) + TraceLine('>', report));

    // A fifo nobody reads (open() would wait for one), a folder, a device node.
    for (const test::Odd odd : {test::Odd::Fifo, test::Odd::Folder, test::Odd::LinkToDevice}) {
        if (test::NeedsRoot(odd))
            continue;
        const fs::path path = folder / ("odd" + std::to_string(int(odd)));
        test::MakeOdd(odd, path);
        const std::string shape = test::Shape(path);
        error.clear();
        EXPECT_FALSE(TraceFile::Open(path, error));
        EXPECT_NE(error.find(path.string()), std::string::npos) << error;
        EXPECT_EQ(test::Shape(path), shape);
    }
}

} // namespace
} // namespace ferrox
