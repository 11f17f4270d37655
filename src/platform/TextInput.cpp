#include "platform/TextInput.h"

namespace platform {
namespace {

constexpr uint32_t kLatin1Last = 0xFF;

bool IsPrintableLatin1(uint32_t code) {
    return (code >= 0x20 && code <= 0x7E) || (code >= 0xA0 && code <= kLatin1Last);
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::vector<uint8_t> Latin1FromUtf8(std::string_view utf8) {
    std::vector<uint8_t> result;
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        size_t length = 1;
        uint32_t code = lead;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else if (lead >= 0x80) {
            ++i;  // a stray continuation byte or an invalid lead
            continue;
        }
        bool valid = i + length <= utf8.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = IsContinuation(next);
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            ++i;
            continue;
        }
        i += length;
        if (IsPrintableLatin1(code)) result.push_back(static_cast<uint8_t>(code));
    }
    return result;
}

}  // namespace platform
