// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/text_file.h"

#include <algorithm>

namespace ferrox {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Length of the UTF-8 sequence a lead byte starts and the bits it carries; 0 for no lead byte.
int Utf8Lead(unsigned char b, char32_t& bits) {
    if (b < 0x80) {
        bits = b;
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF) {
        bits = b & 0x1F;
        return 2;
    }
    if (b >= 0xE0 && b <= 0xEF) {
        bits = b & 0x0F;
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        bits = b & 0x07;
        return 4;
    }
    return 0;
}

// Code points above U+FFFF become surrogate pairs; lone surrogates pass unchanged so that the
// units of a file read and written again stay as they were.
template <class Put> void EncodeUtf16(const std::wstring& text, Put put) {
    for (wchar_t wc : text) {
        auto c = static_cast<char32_t>(wc);
        if (c > 0x10FFFF) {
            put(static_cast<char16_t>(kReplacement));
        } else if (c >= 0x10000) {
            c -= 0x10000;
            put(static_cast<char16_t>(0xD800 + (c >> 10)));
            put(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            put(static_cast<char16_t>(c));
        }
    }
}

template <class UnitAt> void DecodeUtf16(std::size_t count, UnitAt unitAt, std::wstring& out) {
    const std::size_t start = out.size();
    out.resize(start + count); // never more characters than units
    wchar_t* next = out.data() + start;
    for (std::size_t i = 0; i < count; ++i) {
        char32_t c = unitAt(i);
        if (IsHighSurrogate(c) && i + 1 < count && IsLowSurrogate(unitAt(i + 1))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00);
            ++i;
        }
        *next++ = static_cast<wchar_t>(c);
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
}

} // namespace

std::u16string ToUtf16(const std::wstring& text) {
    std::u16string out;
    out.reserve(text.size());
    EncodeUtf16(text, [&out](char16_t unit) { out.push_back(unit); });
    return out;
}

void AppendUtf16le(std::string& out, const std::wstring& text) {
    const std::size_t start = out.size();
    out.resize(start + 4 * text.size()); // a surrogate pair is the most one character takes
    char* next = out.data() + start;
    EncodeUtf16(text, [&next](char16_t unit) {
        *next++ = static_cast<char>(unit & 0xFF);
        *next++ = static_cast<char>(unit >> 8);
    });
    out.resize(static_cast<std::size_t>(next - out.data()));
}

void AppendFromUtf16le(std::wstring& out, const char* bytes, std::size_t size) {
    auto unitAt = [bytes](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    };
    DecodeUtf16(size / 2, unitAt, out);
}

std::string ToUtf8(const std::wstring& text, Utf8Faults faults) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text) {
        auto c = static_cast<char32_t>(wc);
        if (faults == Utf8Faults::KeepBytes && c >= 0xDC80 && c <= 0xDCFF)
            out.push_back(static_cast<char>(c - 0xDC00));
        else
            AppendUtf8(out, (c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c))
                                ? kReplacement
                                : c);
    }
    return out;
}

std::wstring FromUtf8(const std::string& bytes, Utf8Faults faults) {
    std::wstring out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        int length = Utf8Lead(static_cast<unsigned char>(bytes[i]), c);
        int taken = 1;
        for (; length > 1 && taken < length && i + taken < bytes.size(); ++taken) {
            auto next = static_cast<unsigned char>(bytes[i + taken]);
            if ((next & 0xC0) != 0x80)
                break;
            c = (c << 6) | (next & 0x3F);
        }
        bool valid = length > 0 && taken == length && !(length == 3 && c < 0x800) &&
                     !(length == 4 && (c < 0x10000 || c > 0x10FFFF)) && !IsHighSurrogate(c) &&
                     !IsLowSurrogate(c);
        if (valid) {
            out.push_back(static_cast<wchar_t>(c));
            i += length;
        } else if (faults == Utf8Faults::KeepBytes) {
            // Only bytes from 0x80 up can be out of place; each one stands for itself.
            out.push_back(static_cast<wchar_t>(0xDC00 + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            out.push_back(static_cast<wchar_t>(kReplacement));
            i += std::max(taken, 1);
        }
    }
    return out;
}

} // namespace ferrox
