#pragma once

#include <string>

// A word or two drawn large across the play field for a moment, with an optional smaller line
// under it: the level announcement and the game over. It pops in (grows to its size in its first
// fraction of a second) over a darkened band, or over the whole field darkened.
class Banner final {
public:
    struct Style {
        float scale = 2.0f;          // of the HUD font
        int y = 200;                 // top of the large line
        int dimKeep = 160;           // brightness kept under the banner, of 256
        bool dimWholeField = false;  // else only a band behind the text
    };

    explicit Banner(Style style) : style_(style) {}

    // Shown for `seconds` of Update time; 0 keeps it until Hide.
    void Show(std::string text, std::string subline, float seconds);
    void Hide() { shown_ = false; }
    bool IsShown() const { return shown_; }
    void Update(float dt);
    void Draw(int screenWidth, int screenHeight) const;

    float Elapsed() const { return elapsed_; }
    const std::string& Text() const { return text_; }
    // The scale of the large line at `elapsed` seconds: it grows into place and stays.
    float ScaleAt(float elapsed) const;

private:
    Style style_;
    bool shown_ = false;
    std::string text_;
    std::string subline_;
    float seconds_ = 0.0f;
    float elapsed_ = 0.0f;
};
