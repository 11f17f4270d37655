#pragma once

#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class Canvas;

// What a generator works with: the settings of config.txt and the writers of the data folder.
// Sprite names are given as the game writes them ("FROG_MOVE_UP"); the writers turn them into the
// catalogue's base file name ("frogmoveup.bmp"). Safe to use from several generator threads.
class ArtContext final {
public:
    explicit ArtContext(std::string outDir);

    // Settings look-ups through the game's own store; a missing key fails the whole run.
    int Int(const std::string& key);
    float Float(const std::string& key);
    bool Bool(const std::string& key);

    // <key>.bmp with magenta where cairo's coverage is below half (hard edges).
    void WriteColorKeyed(const std::string& name, const Canvas& canvas);
    // <key>.bmp (magenta only where nothing was drawn) and <key>Alpha.bmp: blended, soft edges.
    void WriteWithAlpha(const std::string& name, const Canvas& canvas);
    // <key>.bmp as a 1-bit picture whose set bits are the shadow.
    void WriteShadow(const std::string& name, const Canvas& canvas);
    // <key>.jpg of an opaque picture (transparent pixels composed over `background`).
    void WriteJpeg(const std::string& name, const Canvas& canvas, int quality = 90, unsigned background = 0x000000);
    // <key>.jpg plus <key>_Mask.bmp marking the pixels with coverage below half as transparent.
    void WriteJpegWithMask(const std::string& name, const Canvas& canvas, int quality = 90);
    // <key>Frames.txt: the order in which an animation shows its frames, one number a line.
    void WriteFrames(const std::string& name, const std::vector<int>& frames);
    // Any other file of the data folder under its exact name ("HUDFont.fnt").
    void WriteTextFile(const std::string& fileName, const std::string& content);

    // Records a fault: one line on standard error; rjartgen then exits with status 1.
    void Fail(const std::string& message);
    bool Failed() const;
    const std::string& OutDir() const { return outDir_; }
    // Every file name written so far, in name order.
    std::vector<std::string> WrittenFiles() const;

private:
    std::string Claim(const std::string& fileName);

    std::string outDir_;
    mutable std::mutex mutex_;
    std::set<std::string> written_;
    bool failed_ = false;
};
