#pragma once

#include <array>

// Where the volume rows stand on the title menu, below the music and shadow options. The art
// generator paints the panel, the labels and the − and + buttons here; the menu draws the values
// and tests the buttons against the same rectangles (left < x < right, top < y < bottom).
namespace volume_panel {

struct Box {
    int left;
    int top;
    int right;
    int bottom;
    constexpr bool Contains(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
};

enum class Row { Music = 0, Effects = 1 };

constexpr Box kPanel{548, 254, 796, 372};
constexpr int kRowTop[2] = {264, 304};
constexpr int kRowHeight = 32;
constexpr int kLabelLeft = 564;
constexpr int kButtonSize = 26;
constexpr int kMinusLeft = 644;
constexpr int kPlusLeft = 764;
// The value is centred between the two buttons.
constexpr int kValueCentre = (kMinusLeft + kButtonSize + kPlusLeft) / 2;
// The line naming the keys, under the rows.
constexpr int kKeysLineTop = 340;

constexpr Box MinusBox(Row row) {
    const int top = kRowTop[static_cast<int>(row)] + (kRowHeight - kButtonSize) / 2;
    return {kMinusLeft, top, kMinusLeft + kButtonSize, top + kButtonSize};
}

constexpr Box PlusBox(Row row) {
    const int top = kRowTop[static_cast<int>(row)] + (kRowHeight - kButtonSize) / 2;
    return {kPlusLeft, top, kPlusLeft + kButtonSize, top + kButtonSize};
}

// A whole row from its label to its + button, framed where the gamepad's highlight stands.
constexpr int kRowMargin = 6;
constexpr Box RowBox(Row row) {
    const int top = kRowTop[static_cast<int>(row)];
    return {kLabelLeft - kRowMargin, top, kPlusLeft + kButtonSize + kRowMargin / 2, top + kRowHeight};
}

struct Button {
    Row row;
    int delta;
    Box box;
};

constexpr std::array<Button, 4> kButtons{{
    {Row::Music, -1, MinusBox(Row::Music)},
    {Row::Music, +1, PlusBox(Row::Music)},
    {Row::Effects, -1, MinusBox(Row::Effects)},
    {Row::Effects, +1, PlusBox(Row::Effects)},
}};

}  // namespace volume_panel
