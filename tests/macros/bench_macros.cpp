// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up costs of the macro library: an empty library built and cleared, its resident
// memory, and reading and writing a library file of 1,000 macros.

#include "library_of_1000_macros.h"
#include "macros/macro_library_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using namespace ferrox;
namespace fs = std::filesystem;

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

void Fill(MacroLibrary& lib) {
    test::FillWith1000Macros(lib);
}

fs::path BenchFolder() {
    fs::path dir = fs::temp_directory_path() / ("ferrox-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    return dir;
}

void BM_BuildWalkAndClearEmptyLibrary(benchmark::State& state) {
    for (auto _ : state) {
        MacroLibrary lib;
        benchmark::DoNotOptimize(lib.VisibleRowCount());
        lib.Clear();
    }
}
BENCHMARK(BM_BuildWalkAndClearEmptyLibrary)->Unit(benchmark::kMicrosecond);

void BM_EmptyLibraryResidentMemory(benchmark::State& state) {
    long grown = 0;
    for (auto _ : state) {
        const long before = ResidentBytes();
        auto lib = std::make_unique<MacroLibrary>();
        benchmark::DoNotOptimize(lib->VisibleRowCount());
        grown = ResidentBytes() - before;
    }
    state.counters["resident_growth_KiB"] = double(grown) / 1024;
    state.counters["process_resident_MiB"] = double(ResidentBytes()) / (1024 * 1024);
}
BENCHMARK(BM_EmptyLibraryResidentMemory)->Iterations(1);

void BM_WriteLibraryOf1000Macros(benchmark::State& state) {
    MacroLibrary lib;
    Fill(lib);
    const fs::path file = BenchFolder() / "write.mlf";
    for (auto _ : state)
        if (!WriteMacroLibrary(file, lib, MacroLocation{}))
            state.SkipWithError("write failed");
    state.counters["file_KiB"] = double(fs::file_size(file)) / 1024;
    fs::remove_all(file.parent_path());
}
BENCHMARK(BM_WriteLibraryOf1000Macros)->Unit(benchmark::kMillisecond);

void BM_ReadLibraryOf1000Macros(benchmark::State& state) {
    MacroLibrary lib;
    Fill(lib);
    const fs::path file = BenchFolder() / "read.mlf";
    if (!WriteMacroLibrary(file, lib, MacroLocation{}))
        state.SkipWithError("write failed");
    MacroLibrary target;
    MacroLocation sel;
    for (auto _ : state)
        if (!ReadMacroLibrary(file, target, sel))
            state.SkipWithError("read failed");
    fs::remove_all(file.parent_path());
}
BENCHMARK(BM_ReadLibraryOf1000Macros)->Unit(benchmark::kMillisecond);

// Baselines of the same run: the library file's bytes read and written with no parsing or
// formatting, so the figures above can be judged as ratios on any machine.
void BM_ReadFileBytesBaseline(benchmark::State& state) {
    MacroLibrary lib;
    Fill(lib);
    const fs::path file = BenchFolder() / "baseline-read.mlf";
    if (!WriteMacroLibrary(file, lib, MacroLocation{}))
        state.SkipWithError("write failed");
    // One read of the whole file into a buffer of its size: the floor any reader stands on.
    for (auto _ : state) {
        std::ifstream in(file, std::ios::binary);
        std::string bytes(fs::file_size(file), '\0');
        in.read(bytes.data(), std::streamsize(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
    fs::remove_all(file.parent_path());
}
BENCHMARK(BM_ReadFileBytesBaseline)->Unit(benchmark::kMillisecond);

// Written as a save writes: a new file, flushed to disk, renamed over the old one.
void BM_WriteFileBytesBaseline(benchmark::State& state) {
    MacroLibrary lib;
    Fill(lib);
    const fs::path file = BenchFolder() / "baseline-write.mlf";
    if (!WriteMacroLibrary(file, lib, MacroLocation{}))
        state.SkipWithError("write failed");
    std::string bytes;
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const fs::path temp = file.parent_path() / "baseline.tmp";
    for (auto _ : state) {
        std::FILE* out = std::fopen(temp.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fflush(out);
        ::fsync(::fileno(out));
        std::fclose(out);
        fs::rename(temp, file);
    }
    fs::remove_all(file.parent_path());
}
BENCHMARK(BM_WriteFileBytesBaseline)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
