// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profile_file.h"

#include <algorithm>
#include <cwchar>

namespace ferrox {

namespace {

constexpr std::size_t AllActionDigits = MacroActionCapacity * 8;

// Walks the lines in order; the first broken rule stops everything.
class LineCursor {
public:
    explicit LineCursor(const std::vector<std::wstring>& lines) : lines_(lines) {}

    bool ok() const { return ok_; }

    // Text before the first "=" of the next line (minEquals: the earliest position allowed).
    bool Next(std::size_t minEquals = 1) {
        if (!ok_ || next_ >= lines_.size())
            return ok_ = false;
        const std::wstring& line = lines_[next_++];
        std::size_t equals = line.find(L'=');
        if (equals == std::wstring::npos || equals < minEquals)
            return ok_ = false;
        key_ = line.substr(0, equals);
        value_ = line.substr(equals + 1);
        return true;
    }
    std::wstring Value(std::size_t minEquals = 1) { return Next(minEquals) ? value_ : L""; }
    const std::wstring& key() const { return key_; }
    bool Expect(const std::wstring& line) {
        ok_ = ok_ && next_ < lines_.size() && lines_[next_++] == line;
        return ok_;
    }
    void Fail() { ok_ = false; }

private:
    const std::vector<std::wstring>& lines_;
    std::size_t next_ = 0;
    bool ok_ = true;
    std::wstring key_;
    std::wstring value_;
};

// A base-16 field cut out of value by position; past the end it reads as 0.
unsigned HexField(const std::wstring& value, std::size_t offset, std::size_t width) {
    if (offset >= value.size())
        return 0;
    std::wstring field = value.substr(offset, width);
    return static_cast<unsigned>(std::wcstol(field.c_str(), nullptr, 16));
}

std::uint8_t Hex2At(const std::wstring& value, std::size_t offset) {
    return static_cast<std::uint8_t>(HexField(value, offset, 2));
}

Colour RgbAt(const std::wstring& value, std::size_t offset) {
    return Rgb(Hex2At(value, offset), Hex2At(value, offset + 2), Hex2At(value, offset + 4));
}

// Decimal, and the value must not be empty.
bool DecimalValue(LineCursor& cursor, unsigned long long& number) {
    std::wstring value = cursor.Value(0);
    if (!cursor.ok() || value.empty()) {
        cursor.Fail();
        return false;
    }
    number = std::wcstoull(value.c_str(), nullptr, 10);
    return true;
}

template <typename Array> void ReadHex2List(LineCursor& cursor, Array& values, std::size_t stride) {
    std::wstring value = cursor.Value();
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = Hex2At(value, stride * i);
}

void ReadDpi(LineCursor& cursor, ProfileSettings& p) {
    p.dpiEnableMask = Hex2At(cursor.Value(), 0);
    for (auto& step : p.dpiStep)
        step = static_cast<std::uint16_t>(HexField(cursor.Value(), 0, 4));
    p.currentDpiLevel = std::min<std::uint8_t>(Hex2At(cursor.Value(), 0), DpiLevelCount - 1);
    for (Colour& colour : p.dpiColour)
        colour = RgbAt(cursor.Value(), 0);
    p.angleSnap = Hex2At(cursor.Value(), 0);
    p.liftDetection = Hex2At(cursor.Value(), 0);
}

void ReadReportRate(LineCursor& cursor, ReportRateSettings& rate) {
    rate.name = cursor.Value();
    std::wstring value = cursor.Value();
    rate.rate = std::min<std::uint8_t>(Hex2At(value, 0), 3);
    rate.spare = {Hex2At(value, 2), Hex2At(value, 4)};
}

void ReadLighting(LineCursor& cursor, LightingSettings& l) {
    l.name = cursor.Value();
    std::wstring value = cursor.Value();
    l.mode = std::min<std::uint8_t>(Hex2At(value, 0), LightingModeCount - 1);
    l.spare = {Hex2At(value, 2), Hex2At(value, 4)};
    l.onOff = Hex2At(cursor.Value(), 0);
    ReadHex2List(cursor, l.speed, 3);
    ReadHex2List(cursor, l.brightness, 3);
    value = cursor.Value();
    for (std::size_t i = 0; i < LightingModeCount * LightingColourSlots; ++i)
        l.colourSelected[i / LightingColourSlots][i % LightingColourSlots] = Hex2At(value, 3 * i);
    value = cursor.Value();
    for (std::size_t i = 0; i < LightingModeCount * LightingColourSlots; ++i)
        l.colour[i / LightingColourSlots][i % LightingColourSlots] = RgbAt(value, 7 * i);
    ReadHex2List(cursor, l.direction, 3);
}

void ReadLighting2(LineCursor& cursor, Lighting2Settings& l2) {
    l2.name = cursor.Value();
    ReadHex2List(cursor, l2.modeValue, 2);
    l2.onOff = Hex2At(cursor.Value(), 0);
    l2.speed = Hex2At(cursor.Value(), 0);
    l2.brightness = Hex2At(cursor.Value(), 0);
    l2.colour = RgbAt(cursor.Value(), 0);
}

void ReadKey(LineCursor& cursor, KeySlot& slot) {
    slot.name = cursor.Value();
    std::wstring value = cursor.Value();
    slot.function = {Hex2At(value, 0), Hex2At(value, 2), Hex2At(value, 4)};
    unsigned long long number = 0;
    if (DecimalValue(cursor, number))
        slot.macroKeyIndex = static_cast<std::uint32_t>(number);
    slot.macro.name = cursor.Value(0);
    if (DecimalValue(cursor, number))
        slot.macro.MacroActionNum =
            static_cast<std::uint32_t>(std::min<unsigned long long>(number, MacroActionCapacity));
    value = cursor.Value(0);
    if (value.size() != AllActionDigits)
        cursor.Fail();
    if (!cursor.ok())
        return;
    for (std::size_t i = 0; i < MacroActionCapacity; ++i)
        slot.macro.actions[i] = {Hex2At(value, 8 * i), Hex2At(value, 8 * i + 2),
                                 Hex2At(value, 8 * i + 4), Hex2At(value, 8 * i + 6)};
}

} // namespace

bool ParseProfileLines(const std::vector<std::wstring>& lines, ProfileSettings& profile) {
    LineCursor cursor(lines);
    ProfileSettings read = profile;
    cursor.Expect(L"[Setting]");
    for (KeyValuePair& pair : read.profileKeys) {
        std::wstring value = cursor.Value();
        pair = {cursor.key(), value};
    }
    ReadDpi(cursor, read);
    ReadReportRate(cursor, read.reportRate);
    ReadLighting(cursor, read.lighting);
    ReadLighting2(cursor, read.lighting2);
    for (KeySlot& slot : read.keys)
        ReadKey(cursor, slot);
    if (!cursor.ok())
        return false;
    profile = std::move(read);
    return true;
}

} // namespace ferrox
