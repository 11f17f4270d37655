#include "gfx/PixelBlend.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using pixelblend::ChannelLayout;

const ChannelLayout k565 = {{0xF800, 0x07E0, 0x001F}, {11, 6, 0}};
const ChannelLayout k555 = {{0x7C00, 0x03E0, 0x001F}, {10, 5, 0}};
const ChannelLayout k32 = {{0xFF0000, 0x00FF00, 0x0000FF}, {16, 8, 0}};

uint32_t Make(const ChannelLayout& l, int r, int g, int b) {
    return static_cast<uint32_t>(r) << l.shift[0] | static_cast<uint32_t>(g) << l.shift[1] |
           static_cast<uint32_t>(b) << l.shift[2];
}

int Channel(const ChannelLayout& l, uint32_t p, int c) { return static_cast<int>((p & l.mask[c]) >> l.shift[c]); }

// Blends a row of `n` equal pixels, long enough for the vector body and the scalar tail.
std::vector<uint32_t> BlendRow(const ChannelLayout& l, int bits, uint32_t target, uint32_t colour, uint8_t alpha,
                               int n = 11) {
    std::vector<uint8_t> a(n, alpha);
    std::vector<uint32_t> result(n);
    if (bits == 16) {
        std::vector<uint16_t> d(n, static_cast<uint16_t>(target)), s(n, static_cast<uint16_t>(colour));
        pixelblend::BlendAlphaRow16(d.data(), s.data(), a.data(), n, l);
        for (int i = 0; i < n; ++i) result[i] = d[i];
    } else {
        std::vector<uint32_t> d(n, target), s(n, colour);
        pixelblend::BlendAlphaRow32(d.data(), s.data(), a.data(), n, l);
        result = d;
    }
    return result;
}

TEST(PixelBlend, AlphaArithmeticOnEveryFormat) {
    struct Case {
        const char* what;
        const ChannelLayout* layout;
        int bits;
        int target, source, alpha, expected;  // one value for all three channels
    };
    const Case cases[] = {
        {"565 half over black", &k565, 16, 0, 31, 128, 15},
        {"565 half of black over full", &k565, 16, 31, 0, 128, 15},
        {"555 half over black", &k555, 16, 0, 31, 128, 15},
        {"555 half of black over full", &k555, 16, 31, 0, 128, 15},
        {"565 alpha 0 keeps target", &k565, 16, 20, 3, 0, 20},
        {"565 alpha 255 copies colour", &k565, 16, 0, 31, 255, 31},
        {"565 alpha 254 is a blend", &k565, 16, 0, 31, 254, 30},
        {"32 half over black", &k32, 32, 0, 255, 128, 127},
        {"32 half of black over full", &k32, 32, 255, 0, 128, 127},
        {"32 alpha 255 copies", &k32, 32, 17, 200, 255, 200},
    };
    for (const Case& c : cases) {
        const ChannelLayout& l = *c.layout;
        const auto row = BlendRow(l, c.bits, Make(l, c.target, c.target, c.target),
                                  Make(l, c.source, c.source, c.source), static_cast<uint8_t>(c.alpha));
        for (uint32_t p : row) {
            for (int ch = 0; ch < 3; ++ch) ASSERT_EQ(Channel(l, p, ch), c.expected) << c.what << " channel " << ch;
        }
    }
}

TEST(PixelBlend, AlphaZeroLeavesTargetBitsUntouched) {
    // The unused top bit of 555 and the low green bit of 565 survive a transparent pixel.
    for (uint32_t target : {0x8000u, 0x0020u}) {
        const auto row = BlendRow(target == 0x8000u ? k555 : k565, 16, target, 0x7FFF, 0);
        for (uint32_t p : row) EXPECT_EQ(p, target);
    }
}

TEST(PixelBlend, VectorBodyMatchesPerPixelRule) {
    std::mt19937 rng(7);
    const int n = 37;  // four vector steps and a tail
    for (const ChannelLayout* l : {&k565, &k555}) {
        std::vector<uint16_t> d(n), s(n);
        std::vector<uint8_t> a(n);
        for (int i = 0; i < n; ++i) {
            d[i] = static_cast<uint16_t>(rng());
            s[i] = static_cast<uint16_t>(rng());
            a[i] = static_cast<uint8_t>(i % 5 == 0 ? 0 : i % 5 == 1 ? 255 : rng());
        }
        std::vector<uint16_t> out = d;
        pixelblend::BlendAlphaRow16(out.data(), s.data(), a.data(), n, *l);
        for (int i = 0; i < n; ++i) {
            uint32_t expected = 0;
            for (int c = 0; c < 3; ++c) {
                const int dc = Channel(*l, d[i], c), sc = Channel(*l, s[i], c);
                expected |= (static_cast<uint32_t>(dc + (((sc - dc) * a[i]) >> 8)) << l->shift[c]) & l->mask[c];
            }
            if (a[i] == 0) expected = d[i];
            if (a[i] == 255) expected = s[i];
            ASSERT_EQ(out[i], expected) << "pixel " << i;
        }
    }
}

TEST(PixelBlend, ShadowHalvesEveryChannel) {
    struct Case {
        const char* what;
        const ChannelLayout* layout;
        int bits;
        int full, expected;
    };
    const Case cases[] = {
        {"565 white", &k565, 16, 31, 15},
        {"555 white", &k555, 16, 31, 15},
        {"32 white", &k32, 32, 255, 127},
        {"565 odd value rounds down", &k565, 16, 7, 3},
    };
    for (const Case& c : cases) {
        const ChannelLayout& l = *c.layout;
        const uint32_t white = Make(l, c.full, c.full, c.full);
        const int n = 13;
        std::vector<int8_t> mask(n, pixelblend::kShadow);
        mask[3] = mask[9] = pixelblend::kKeep;
        std::vector<uint32_t> row(n);
        if (c.bits == 16) {
            std::vector<uint16_t> d(n, static_cast<uint16_t>(white));
            pixelblend::ShadowRow16(d.data(), mask.data(), n, static_cast<uint16_t>(pixelblend::ShadowMask(l)));
            for (int i = 0; i < n; ++i) row[i] = d[i];
        } else {
            std::vector<uint32_t> d(n, white);
            pixelblend::ShadowRow32(d.data(), mask.data(), n, pixelblend::ShadowMask(l));
            row = d;
        }
        for (int i = 0; i < n; ++i) {
            if (mask[i] == pixelblend::kKeep) {
                EXPECT_EQ(row[i], white) << c.what << " kept pixel " << i;
                continue;
            }
            for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(Channel(l, row[i], ch), c.expected) << c.what << " pixel " << i;
        }
    }
}

TEST(PixelBlend, ShadowNeverSpillsIntoTheNextChannel) {
    // 565 green's lowest bit set, blue 0: halving must not move that bit into blue.
    std::vector<uint16_t> d(9, 0x0020);
    const std::vector<int8_t> mask(9, pixelblend::kShadow);
    pixelblend::ShadowRow16(d.data(), mask.data(), 9, static_cast<uint16_t>(pixelblend::ShadowMask(k565)));
    for (uint16_t p : d) EXPECT_EQ(p & 0x001F, 0);
}

}  // namespace
