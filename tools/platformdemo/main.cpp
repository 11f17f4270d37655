// Opens the platform's window, shows a test pattern through the display device and plays a tone
// through the sound device: the platform layer seen and heard as a whole. Escape or closing the
// window ends it; --seconds ends it by itself (the screenshot test uses that).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numbers>
#include <string>

#include "platform/Clock.h"
#include "platform/DisplayDevice.h"
#include "platform/DisplaySurface.h"
#include "platform/MessageQueue.h"
#include "platform/Messages.h"
#include "platform/SoundDevice.h"
#include "platform/SoundDeviceBuffer.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kBitsPerPixel = 16;
constexpr int kBarWidth = 100;
constexpr int kCheckerSide = 50;
constexpr uint32_t kFrameMs = 20;

// RGB565: the colour bars, left to right.
constexpr uint16_t kBars[] = {0xFFFF, 0xFFE0, 0x07FF, 0x07E0, 0xF81F, 0xF800, 0x001F, 0x0000};
constexpr uint16_t kWhite = 0xFFFF;
constexpr uint16_t kBlack = 0x0000;

constexpr uint32_t kToneRate = 22050;
constexpr double kToneHz = 441.0;  // 50 periods in one buffer of 0.1 s: the loop is seamless
constexpr uint32_t kToneFrames = kToneRate / 10;
constexpr double kToneAmplitude = 8000.0;
constexpr int32_t kToneVolume = -600;  // hundredths of a decibel: a polite level

const char kUsage[] =
    "usage: rjplatformdemo [--windowed] [--seconds N]\n"
    "  --windowed   an 800 x 600 window instead of the desktop's full screen\n"
    "  --seconds N  end after N seconds\n";

platform::LRESULT DemoProc(platform::Window* window, uint32_t message, platform::WPARAM wParam,
                           platform::LPARAM lParam) {
    if (message == platform::WM_DESTROY) {
        platform::PostQuitMessage(0);
        return 0;
    }
    if (message == platform::WM_KEYDOWN && wParam == platform::VK_ESCAPE) {
        platform::PostQuitMessage(0);
        return 0;
    }
    if (message == platform::WM_SETCURSOR) return 0;
    return platform::DefWindowProc(window, message, wParam, lParam);
}

// Colour bars over the upper half, a chequerboard over the lower half, and a marker square that
// walks along the bottom row of squares so that one sees the frames arrive.
bool DrawPattern(platform::DisplaySurface& surface, uint32_t frame) {
    for (int i = 0; i < static_cast<int>(std::size(kBars)); ++i) {
        const platform::DisplayRect bar{i * kBarWidth, 0, (i + 1) * kBarWidth, kHeight / 2};
        if (surface.ColorFill(&bar, kBars[i]) != platform::DD_OK) return false;
    }
    for (int y = kHeight / 2; y < kHeight; y += kCheckerSide) {
        for (int x = 0; x < kWidth; x += kCheckerSide) {
            const bool white = ((x / kCheckerSide) + (y / kCheckerSide)) % 2 == 0;
            const platform::DisplayRect square{x, y, x + kCheckerSide, y + kCheckerSide};
            if (surface.ColorFill(&square, white ? kWhite : kBlack) != platform::DD_OK) return false;
        }
    }
    const int markerX = static_cast<int>((frame * 4) % (kWidth - kCheckerSide));
    const platform::DisplayRect marker{markerX + 10, kHeight - 40, markerX + 40, kHeight - 10};
    return surface.ColorFill(&marker, kBars[5]) == platform::DD_OK;
}

std::unique_ptr<platform::SoundDeviceBuffer> StartTone(platform::SoundDevice& device) {
    platform::SoundBufferDesc desc;
    desc.flags = platform::DSBCAPS_CTRLVOLUME;
    desc.format.channels = 1;
    desc.format.samplesPerSec = kToneRate;
    desc.format.bitsPerSample = 16;
    desc.format.blockAlign = 2;
    desc.format.avgBytesPerSec = kToneRate * 2;
    desc.bufferBytes = kToneFrames * 2;
    std::unique_ptr<platform::SoundDeviceBuffer> buffer = device.CreateSoundBuffer(desc);
    if (!buffer) return nullptr;
    void* region1 = nullptr;
    void* region2 = nullptr;
    uint32_t bytes1 = 0, bytes2 = 0;
    if (!buffer->Lock(0, desc.bufferBytes, &region1, &bytes1, &region2, &bytes2)) return nullptr;
    auto* samples = static_cast<int16_t*>(region1);
    for (uint32_t i = 0; i < bytes1 / 2; ++i) {
        const double phase = 2.0 * std::numbers::pi * kToneHz * i / kToneRate;
        samples[i] = static_cast<int16_t>(std::lround(kToneAmplitude * std::sin(phase)));
    }
    buffer->Unlock(region1, bytes1, region2, bytes2);
    buffer->SetVolume(kToneVolume);
    buffer->Play(platform::DSBPLAY_LOOPING);
    return buffer;
}

}  // namespace

int main(int argc, char** argv) {
    bool windowed = false;
    double seconds = 0.0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windowed") == 0) {
            windowed = true;
        } else if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            char* end = nullptr;
            seconds = std::strtod(argv[++i], &end);
            if (*end != '\0' || seconds <= 0.0) {
                std::fprintf(stderr, "rjplatformdemo: --seconds needs a positive number, not \"%s\"\n", argv[i]);
                return 2;
            }
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }

    platform::Window::Options options;
    options.title = "Reedjumper platform demo";
    options.width = kWidth;
    options.height = kHeight;
    options.fullScreen = !windowed;
    std::string error;
    std::unique_ptr<platform::Window> window = platform::Window::Create(options, DemoProc, error);
    if (!window) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    window->Show();

    std::unique_ptr<platform::DisplayDevice> display;
    std::unique_ptr<platform::DisplaySurface> primary;
    if (platform::DisplayDevice::Create(display) != platform::DD_OK ||
        display->SetCooperativeLevel(window.get(), true) != platform::DD_OK ||
        display->SetDisplayMode(kWidth, kHeight, kBitsPerPixel) != platform::DD_OK ||
        display->CreatePrimarySurface(true, primary) != platform::DD_OK || !primary->GetAttachedSurface()) {
        platform::ShowErrorMessage("the display device cannot be set up");
        return 1;
    }

    platform::SoundDevice sound;
    sound.Open(platform::SoundOutput::Auto);
    std::unique_ptr<platform::SoundDeviceBuffer> tone = StartTone(sound);
    std::printf("rjplatformdemo: tone %s\n", tone ? "playing" : "unavailable");
    std::fflush(stdout);

    const uint32_t start = platform::TimeGetTime();
    uint32_t frame = 0;
    bool quitting = false;
    while (!quitting) {
        platform::Message msg;
        while (platform::PeekMessage(msg)) {
            if (!platform::GetMessage(msg)) {
                quitting = true;
                break;
            }
            platform::TranslateMessage(msg);
            platform::DispatchMessage(msg);
        }
        if (seconds > 0.0 && platform::TimeGetTime() - start >= static_cast<uint32_t>(seconds * 1000.0)) break;
        if (!DrawPattern(*primary->GetAttachedSurface(), frame++) || primary->Flip() != platform::DD_OK) {
            primary->Restore();
        }
        platform::WaitMessage(kFrameMs);
    }
    if (tone) tone->Stop();
    return platform::IsQuitPosted() ? platform::GetQuitExitCode() : 0;
}
