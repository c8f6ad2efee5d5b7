// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/hid_report_descriptor.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace ferrox {
namespace {

enum ItemType : uint8_t { Main = 0, Global = 1, Local = 2 };

// Main item tags
constexpr uint8_t kInput = 0x8, kOutput = 0x9, kCollection = 0xA, kFeature = 0xB,
                  kEndCollection = 0xC;
// Global item tags
constexpr uint8_t kUsagePage = 0x0, kReportSize = 0x7, kReportId = 0x8, kReportCount = 0x9,
                  kPush = 0xA, kPop = 0xB;
// Local item tags
constexpr uint8_t kUsage = 0x0;

constexpr size_t kMaxPushDepth = 16;
constexpr size_t kMaxCollectionDepth = 64;
// The kernel refuses reports above 16 KiB; anything larger is a corrupt descriptor.
constexpr uint64_t kMaxReportBits = 16384 * 8;

struct GlobalState {
    uint32_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

struct Item {
    uint8_t type = 0;
    uint8_t tag = 0;
    uint32_t data = 0;
};

// Reads the item at pos and advances pos; false when the descriptor ends inside it.
bool ReadItem(std::span<const uint8_t> d, size_t& pos, Item& item, bool& isLong) {
    const uint8_t prefix = d[pos];
    if (prefix == 0xFE) { // long item: size, tag, data; no defined long items exist
        if (pos + 3 > d.size() || pos + 3 + d[pos + 1] > d.size())
            return false;
        isLong = true;
        pos += 3 + d[pos + 1];
        return true;
    }
    isLong = false;
    const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (pos + 1 + size > d.size())
        return false;
    item.type = (prefix >> 2) & 3;
    item.tag = prefix >> 4;
    item.data = 0;
    for (size_t i = 0; i < size; ++i)
        item.data |= uint32_t(d[pos + 1 + i]) << (8 * i);
    pos += 1 + size;
    return true;
}

uint16_t BytesWithId(uint64_t bits) {
    return uint16_t((bits + 7) / 8 + 1);
}

class Parser {
public:
    bool feed(const Item& item) {
        switch (item.type) {
        case Main:
            return main(item);
        case Global:
            return global(item);
        case Local:
            if (item.tag == kUsage)
                lastUsage_ = item.data;
            return true;
        default:
            return false; // reserved item type
        }
    }

    std::optional<std::vector<HidTopLevelCollection>> finish() {
        if (depth_ != 0)
            return std::nullopt;
        for (const auto& [key, bits] : reportBits_) {
            const auto& [tlc, tag, id] = key;
            HidTopLevelCollection& c = collections_[tlc];
            uint16_t& length = tag == kInput    ? c.inputReportLength
                               : tag == kOutput ? c.outputReportLength
                                                : c.featureReportLength;
            length = std::max(length, BytesWithId(bits));
            if (tag == kInput)
                c.inputReportIds.push_back(id);
        }
        return std::move(collections_);
    }

private:
    bool main(const Item& item) {
        if (item.tag == kCollection) {
            if (depth_ == 0)
                collections_.push_back(topLevel());
            if (++depth_ > kMaxCollectionDepth)
                return false;
        } else if (item.tag == kEndCollection) {
            if (depth_ == 0)
                return false;
            --depth_;
        } else if (item.tag == kInput || item.tag == kOutput || item.tag == kFeature) {
            if (depth_ == 0)
                return false; // a report outside any collection belongs to nobody
            uint64_t& bits = reportBits_[{collections_.size() - 1, item.tag, state_.reportId}];
            bits += uint64_t(state_.reportSize) * state_.reportCount;
            if (bits > kMaxReportBits)
                return false;
        }
        lastUsage_.reset(); // local items apply to one main item only
        return true;
    }

    HidTopLevelCollection topLevel() const {
        HidTopLevelCollection c;
        const uint32_t usage = lastUsage_.value_or(0);
        // A four-byte usage carries its own page in the high half.
        c.usagePage = uint16_t(usage > 0xFFFF ? usage >> 16 : state_.usagePage);
        c.usage = uint16_t(usage);
        return c;
    }

    bool global(const Item& item) {
        switch (item.tag) {
        case kUsagePage:
            state_.usagePage = item.data;
            break;
        case kReportSize:
            state_.reportSize = item.data;
            break;
        case kReportCount:
            state_.reportCount = item.data;
            break;
        case kReportId:
            if (item.data == 0 || item.data > 0xFF)
                return false;
            state_.reportId = uint8_t(item.data);
            break;
        case kPush:
            if (stack_.size() >= kMaxPushDepth)
                return false;
            stack_.push_back(state_);
            break;
        case kPop:
            if (stack_.empty())
                return false;
            state_ = stack_.back();
            stack_.pop_back();
            break;
        default:
            break; // logical/physical ranges and units do not change report sizes
        }
        return true;
    }

    GlobalState state_;
    std::vector<GlobalState> stack_;
    std::optional<uint32_t> lastUsage_;
    size_t depth_ = 0;
    std::vector<HidTopLevelCollection> collections_;
    // (top-level collection, main tag, report ID) -> accumulated bits
    std::map<std::tuple<size_t, uint8_t, uint8_t>, uint64_t> reportBits_;
};

} // namespace

std::optional<std::vector<HidTopLevelCollection>>
ParseReportDescriptor(std::span<const uint8_t> descriptor) {
    Parser parser;
    size_t pos = 0;
    while (pos < descriptor.size()) {
        Item item;
        bool isLong = false;
        if (!ReadItem(descriptor, pos, item, isLong))
            return std::nullopt;
        if (!isLong && !parser.feed(item))
            return std::nullopt;
    }
    return parser.finish();
}

} // namespace ferrox
