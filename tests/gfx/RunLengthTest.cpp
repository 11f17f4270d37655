#include "gfx/RunLength.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr uint32_t kColour565 = 0xFFFF;

std::vector<uint8_t> Bytes16(const std::vector<uint16_t>& pixels) {
    std::vector<uint8_t> out(pixels.size() * 2);
    std::memcpy(out.data(), pixels.data(), out.size());
    return out;
}

std::vector<uint8_t> Encode16(const std::vector<uint16_t>& pixels) {
    const std::vector<uint8_t> bytes = Bytes16(pixels);
    return runlength::Encode(bytes.data(), static_cast<int>(pixels.size()), 2, kColour565);
}

// Packet headers in stream order (positive: repeat count, negative: literal count).
std::vector<int> Headers(const std::vector<uint8_t>& stream, int bytesPerPixel) {
    std::vector<int> headers;
    size_t i = 0;
    while (i < stream.size()) {
        const int c = static_cast<int8_t>(stream[i++]);
        headers.push_back(c);
        i += c < 0 ? static_cast<size_t>(-c) * bytesPerPixel : bytesPerPixel;
    }
    return headers;
}

TEST(RunLength, PacketSplitTable) {
    struct Case {
        const char* what;
        std::vector<uint16_t> pixels;
        std::vector<int> headers;
    };
    const std::vector<Case> cases = {
        {"200 equal pixels", std::vector<uint16_t>(200, 7), {127, 73}},
        {"literal then run", {1, 2, 3, 5, 5, 5, 5}, {-3, 4}},
        {"three equal stay literal", {9, 9, 9, 1, 2}, {-5}},
        {"run at the very end", {1, 4, 4, 4, 4}, {-1, 4}},
        {"long literal split at 127",
         [] {
             std::vector<uint16_t> v(130);
             for (size_t i = 0; i < v.size(); ++i) v[i] = static_cast<uint16_t>(i);
             return v;
         }(),
         {-127, -3}},
        {"single pixel", {42}, {-1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Headers(Encode16(c.pixels), 2), c.headers) << c.what;
    }
}

TEST(RunLength, RunStartComparesColourBitsOnly) {
    // 555 pixels: the top bit carries no colour, so these four are one colour for the run search,
    // but the run continues only over byte-equal pixels.
    const std::vector<uint16_t> pixels = {0x8001, 0x0001, 0x0001, 0x0001, 0x0001};
    const std::vector<uint8_t> bytes = Bytes16(pixels);
    const auto stream = runlength::Encode(bytes.data(), 5, 2, 0x7FFF);
    EXPECT_EQ(Headers(stream, 2), (std::vector<int>{1, 4}));
}

TEST(RunLength, RoundTripAcrossRowEnds) {
    const int width = 13, height = 7;
    std::vector<uint16_t> pixels(width * height);
    for (int i = 0; i < width * height; ++i) pixels[i] = static_cast<uint16_t>((i / 9) % 3 == 0 ? 0x1234 : i);
    const auto stream = Encode16(pixels);

    // Decoded into a surface with padded rows (pitch > width) and into a packed one.
    for (int pitchPixels : {width, width + 5}) {
        std::vector<uint16_t> surface(pitchPixels * height, 0xDEAD);
        ASSERT_TRUE(runlength::Decode(stream.data(), stream.size(), width, height, 2,
                                      reinterpret_cast<uint8_t*>(surface.data()), pitchPixels * 2));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(surface[y * pitchPixels + x], pixels[y * width + x]) << x << "," << y;
            }
            for (int x = width; x < pitchPixels; ++x) ASSERT_EQ(surface[y * pitchPixels + x], 0xDEAD);
        }
    }
}

TEST(RunLength, RoundTrip32Bit) {
    std::vector<uint32_t> pixels = {1, 1, 1, 1, 1, 2, 3, 0xFF00FF, 0xFF00FF, 0xFF00FF, 0xFF00FF, 5};
    const int n = static_cast<int>(pixels.size());
    const auto stream = runlength::Encode(reinterpret_cast<const uint8_t*>(pixels.data()), n, 4, 0xFFFFFF);
    EXPECT_EQ(Headers(stream, 4), (std::vector<int>{5, -2, 4, -1}));
    std::vector<uint32_t> out(n);
    ASSERT_TRUE(runlength::Decode(stream.data(), stream.size(), 4, 3, 4, reinterpret_cast<uint8_t*>(out.data()), 16));
    EXPECT_EQ(out, pixels);
}

// The format's rule written out plainly, pixel by pixel with byte comparisons: a run starts where
// kMinRun consecutive pixels have one colour under the mask and goes on over byte-equal pixels.
std::vector<uint8_t> PlainEncode(const std::vector<uint8_t>& bytes, int bytesPerPixel, uint32_t colourMask) {
    const int count = static_cast<int>(bytes.size()) / bytesPerPixel;
    auto colourAt = [&](int i) {
        uint32_t v = 0;
        std::memcpy(&v, bytes.data() + i * bytesPerPixel, bytesPerPixel);
        return v & colourMask;
    };
    auto sameBytes = [&](int a, int b) {
        return std::memcmp(bytes.data() + a * bytesPerPixel, bytes.data() + b * bytesPerPixel, bytesPerPixel) == 0;
    };
    std::vector<uint8_t> out;
    int pos = 0;
    while (pos < count) {
        int runStart = count;
        for (int s = pos; s + runlength::kMinRun <= count; ++s) {
            int same = 1;
            while (same < runlength::kMinRun && colourAt(s + same) == colourAt(s)) ++same;
            if (same == runlength::kMinRun) {
                runStart = s;
                break;
            }
        }
        for (; pos < runStart;) {
            const int n = std::min(runStart - pos, runlength::kMaxPacket);
            out.push_back(static_cast<uint8_t>(-n));
            out.insert(out.end(), bytes.begin() + pos * bytesPerPixel, bytes.begin() + (pos + n) * bytesPerPixel);
            pos += n;
        }
        if (runStart < count) {
            int n = 1;
            while (n < runlength::kMaxPacket && runStart + n < count && sameBytes(runStart, runStart + n)) ++n;
            out.push_back(static_cast<uint8_t>(n));
            out.insert(out.end(), bytes.begin() + runStart * bytesPerPixel,
                       bytes.begin() + (runStart + 1) * bytesPerPixel);
            pos = runStart + n;
        }
    }
    return out;
}

TEST(RunLength, EncodingEqualsThePlainRuleForEveryPixelSize) {
    struct Case {
        int bytesPerPixel;
        uint32_t colourMask;
    };
    // 565 (green's lowest bit is no colour), 555 (nor is the top bit), 8888 with a spare byte,
    // blue-green-red and palette pixels.
    const Case cases[] = {{2, 0xFFDF}, {2, 0x7FFF}, {4, 0xFFFFFF}, {3, 0xFFFFFF}, {1, 0xFF}};
    uint32_t random = 3;
    auto next = [&random] { return (random = random * 1103515245u + 12345u) >> 16; };
    for (const Case& c : cases) {
        for (int count : {1, 2, 3, 4, 5, 127, 128, 131, 300, 1000}) {
            for (int round = 0; round < 20; ++round) {
                // Stretches of one value, of values one bit away from it (a bit of colour or
                // not, in any byte), and of noise, so runs of every length meet literals of every
                // length.
                std::vector<uint8_t> bytes;
                while (static_cast<int>(bytes.size()) < count * c.bytesPerPixel) {
                    const uint32_t base = next() % 3 == 0 ? 0 : next() << 16 ^ next();
                    const int kind = static_cast<int>(next() % 3);
                    const int length = 1 + static_cast<int>(next() % (next() % 4 == 0 ? 200 : 6));
                    for (int i = 0; i < length; ++i) {
                        const uint32_t v = kind == 0   ? base
                                           : kind == 1 ? base ^ 1u << next() % (8 * c.bytesPerPixel)
                                                       : next() << 16 ^ next();
                        for (int b = 0; b < c.bytesPerPixel; ++b) bytes.push_back(static_cast<uint8_t>(v >> (8 * b)));
                    }
                }
                bytes.resize(static_cast<size_t>(count) * c.bytesPerPixel);
                ASSERT_EQ(runlength::Encode(bytes.data(), count, c.bytesPerPixel, c.colourMask),
                          PlainEncode(bytes, c.bytesPerPixel, c.colourMask))
                    << c.bytesPerPixel << "-byte pixels, mask " << std::hex << c.colourMask << std::dec << ", " << count
                    << " pixels, round " << round;
            }
        }
        // A run of each length after noise of each length: runs start at every position of a
        // vector's worth of pixels, and end at every one.
        for (int noise = 0; noise < 70; ++noise) {
            for (int run : {1, 3, 4, 5, 17, 40, 130}) {
                std::vector<uint8_t> bytes;
                auto put = [&](uint32_t v) {
                    for (int b = 0; b < c.bytesPerPixel; ++b) bytes.push_back(static_cast<uint8_t>(v >> (8 * b)));
                };
                for (int i = 0; i < noise; ++i) put(0x01010101u * static_cast<uint32_t>(i + 1) + 0x00030007u * i);
                for (int i = 0; i < run; ++i) put(0xA5A5A5A5u);
                for (int i = 0; i < 9; ++i) put(0x11111111u * static_cast<uint32_t>(i % 5 + 1) + 0x10000u * i);
                const int count = static_cast<int>(bytes.size()) / c.bytesPerPixel;
                ASSERT_EQ(runlength::Encode(bytes.data(), count, c.bytesPerPixel, c.colourMask),
                          PlainEncode(bytes, c.bytesPerPixel, c.colourMask))
                    << c.bytesPerPixel << "-byte pixels, noise " << noise << ", run " << run;
            }
        }
    }
}

TEST(RunLength, BrokenStreamsLeaveBlackNotGarbage) {
    const std::vector<uint16_t> pixels(20, 0x5555);
    auto stream = Encode16(pixels);  // one repeat packet of 20
    struct Case {
        const char* what;
        std::vector<uint8_t> stream;
    };
    const std::vector<Case> cases = {
        {"empty", {}},
        {"ends early", {static_cast<uint8_t>(-2), 0x11, 0x11}},
        {"zero header", {0, 0x11, 0x11}},
        {"truncated literal data", {static_cast<uint8_t>(-5), 0x11, 0x11, 0x22}},
    };
    for (const Case& c : cases) {
        std::vector<uint16_t> out(20, 0xBEEF);
        EXPECT_FALSE(
            runlength::Decode(c.stream.data(), c.stream.size(), 5, 4, 2, reinterpret_cast<uint8_t*>(out.data()), 10))
            << c.what;
        for (uint16_t p : out) EXPECT_NE(p, 0xBEEF) << c.what;
    }
    // A repeat longer than the frame stops at the frame's end.
    std::vector<uint16_t> out(4, 0);
    const std::vector<uint8_t> tooLong = {100, 0x34, 0x12};
    EXPECT_TRUE(runlength::Decode(tooLong.data(), tooLong.size(), 2, 2, 2, reinterpret_cast<uint8_t*>(out.data()), 4));
    EXPECT_EQ(out, (std::vector<uint16_t>(4, 0x1234)));
}

}  // namespace
