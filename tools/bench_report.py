#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the benchmark figures that have goals beside those goals, from Google Benchmark JSON
files. Exit status 1 when a goal is missed."""

import json
import sys

# (benchmark, how the figure is got, what it is, unit, goal test, goal text)
# A figure is a counter of one benchmark, or the ratio of two benchmarks' times in the same run.
GOALS = [
    ("BM_FirstPaintAgainstBareWindow", ("counter", "ratio"),
     "main window: start to first paint / bare Qt window", "x", lambda v: v <= 1.5, "<= 1.5 x"),
    ("BM_FirstPaintAgainstBareWindow", ("counter", "main_ms"),
     "main window: start to first paint", "ms", None, "(reported)"),
    ("BM_FirstPaintAgainstBareWindow", ("counter", "bare_ms"),
     "bare Qt window, same background: start to first paint", "ms", None, "(baseline)"),
    ("BM_FirstPaintAgainstBareWindow", ("counter", "first_start_ms"),
     "main window: first start on an empty data folder", "ms", None, "(reported)"),
    ("BM_MainWindowResidentMemory", ("counter", "resident_MiB"),
     "main window: steady resident memory", "MiB", lambda v: v <= 54, "<= 54 MiB"),
    ("BM_MainWindowFullRepaintAtScale2", ("counter", "repaint_ms"),
     "main window: full repaint at UiScale 2", "ms", lambda v: v < 8, "< 8 ms"),
    ("BM_MainWindowIdle", ("counter", "idle_cpu_pct"),
     "main window: idle CPU with the status poll", "%", lambda v: v <= 0.2, "<= 0.2 %"),
    ("BM_MainWindowIdle", ("counter", "wakeups_per_s"),
     "main window: idle wake-ups of the whole process", "/s", lambda v: v <= 2, "<= 2 /s"),
    ("BM_MainWindowIdle", ("counter", "ui_wakeups_per_s"),
     "main window: idle wake-ups of the interface thread", "/s", None, "(reported)"),
    ("BM_MainWindowIdle", ("counter", "other_wakeups_per_s"),
     "main window: idle wake-ups of the other threads", "/s", None, "(reported)"),
    ("BM_ApplyAllCallingThread", ("counter", "apply_us"),
     "profile switch: time the caller spends", "us", lambda v: v < 1000, "< 1000 us"),
    ("BM_ProfileSwitchWireTime", ("counter", "over_pct"),
     "profile switch: wire time beyond the sum of pauses", "%", lambda v: abs(v) <= 5, "within 5 %"),
    ("BM_ProfileSwitchWireTime", ("counter", "wire_ms"),
     "profile switch: wire time", "ms", None, "(the pauses: see above)"),
    ("BM_StallWhileIdle", ("counter", "stall_ms"),
     "longest event-loop stall: idle loop (the machine's load)", "ms", None, "(baseline)"),
    ("BM_StallDuringStart", ("counter", "stall_ms"),
     "longest event-loop stall: start, 1,000 macros", "ms", lambda v: v <= 16, "<= 16 ms"),
    ("BM_StallDuringStart", ("counter", "building_ms"),
     "start: building the window before the loop runs", "ms", None, "(reported)"),
    ("BM_StallDuringStartWithBuilding", ("counter", "stall_ms"),
     "start with the building counted as a stall", "ms", None, "(reported)"),
    ("BM_StallDuringProfileSwitch", ("counter", "stall_ms"),
     "longest event-loop stall: profile switch", "ms", lambda v: v <= 16, "<= 16 ms"),
    ("BM_StallDuringProfileImport", ("counter", "stall_ms"),
     "longest event-loop stall: profile import", "ms", lambda v: v <= 16, "<= 16 ms"),
    ("BM_StallDuringProfileImport", ("counter", "first_ms"),
     "profile import: the first (builds the file dialog)", "ms", None, "(reported)"),
    ("BM_StallDuringProfileImport", ("counter", "later_ms"),
     "profile import: later ones (the dialog kept)", "ms", None, "(reported)"),
    ("BM_StallOpeningMacroManager", ("counter", "stall_ms"),
     "longest event-loop stall: macro manager opens", "ms", lambda v: v <= 16, "<= 16 ms"),
    ("BM_StallClosingMacroManager", ("counter", "stall_ms"),
     "longest event-loop stall: macro manager closes", "ms", lambda v: v <= 16, "<= 16 ms"),
    ("BM_StallSavingLibraryOnTheWindowsThread", ("counter", "stall_ms"),
     "library written on the window's thread (closing before)", "ms", None, "(baseline)"),
    ("BM_ReadLibraryOf1000Macros", ("ratio", "BM_ReadFileBytesBaseline"),
     "read a library of 1,000 macros / read its bytes", "x", None, "(no goal set)"),
    ("BM_WriteLibraryOf1000Macros", ("ratio", "BM_WriteFileBytesBaseline"),
     "write a library of 1,000 macros / write its bytes", "x", None, "(no goal set)"),
    ("BM_ReadLibraryOf1000Macros", ("time", None),
     "read a library of 1,000 macros", "ms", None, "(no goal set)"),
    ("BM_WriteLibraryOf1000Macros", ("time", None),
     "write a library of 1,000 macros", "ms", None, "(no goal set)"),
]

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def load(paths):
    found = {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for b in json.load(f).get("benchmarks", []):
                found[b["name"].split("/")[0]] = b
    return found


def figure(found, name, how):
    kind, arg = how
    b = found.get(name)
    if b is None:
        return None
    if kind == "counter":
        return b.get(arg)
    ms = b["real_time"] * UNIT_MS[b["time_unit"]]
    if kind == "time":
        return ms
    base = found.get(arg)
    if base is None:
        return None
    return ms / (base["real_time"] * UNIT_MS[base["time_unit"]])


def main(paths):
    found = load(paths)
    missed = False
    print(f"{'figure':<55} {'value':>12}  goal")
    for name, how, text, unit, test, goal in GOALS:
        value = figure(found, name, how)
        if value is None:
            continue
        verdict = ""
        if test is not None:
            ok = test(value)
            missed |= not ok
            verdict = "  met" if ok else "  MISSED"
        print(f"{text:<55} {value:>9.2f} {unit:<2}  {goal}{verdict}")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
