// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/path_text.h"

#include <gtest/gtest.h>

#include <clocale>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

// Folder names of users all over the world, and one that is no UTF-8 at all.
struct Name {
    const char* bytes;
    std::wstring text;
};
const Name kNames[] = {
    {"/home/j\xC3\xB6rg", L"/home/j\u00F6rg"},
    {"/home/\xD0\xB0\xD0\xBD\xD0\xB4\xD1\x80\xD0\xB5\xD0\xB9", L"/home/\u0430\u043D\u0434\u0440\u0435\u0439"},
    {"/home/\xE7\x94\xA8\xE6\x88\xB7/\xF0\x9F\x90\xAD", L"/home/\u7528\u6237/\U0001F42D"},
    {"/mnt/old\xFF\xE9name", L"/mnt/old\xDCFF\xDCE9name"},
};

TEST(PathText, Utf8WhateverTheLocaleAndStrayBytesKept) {
    for (const char* locale : {"C", "C.UTF-8"}) {
        if (!std::setlocale(LC_ALL, locale))
            continue;
        for (const Name& name : kNames) {
            SCOPED_TRACE(std::string(locale) + " " + name.bytes);
            EXPECT_EQ(PathText(fs::path(name.bytes)), name.text);
            EXPECT_EQ(TextPath(name.text).native(), name.bytes);
            EXPECT_EQ(TextPath(PathText(fs::path(name.bytes))).native(), name.bytes);
        }
    }
    std::setlocale(LC_ALL, "C");
    // Wide text that is no file name anyone could have typed still gives a path.
    EXPECT_EQ(TextPath(std::wstring(L"a\xD800" L"b")).native(), "a\xEF\xBF\xBD" "b");
}

} // namespace
} // namespace ferrox
