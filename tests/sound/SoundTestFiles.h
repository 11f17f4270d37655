#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "files/FileLoader.h"

// Sound files made at test time by programs nobody here wrote (sox, oggenc), in a temporary
// folder that becomes the data root. Tests refer to them by data path ("data\\name").
class SoundTestFiles {
public:
    static const std::filesystem::path& Folder() {
        // Removed again when the test program ends.
        struct TemporaryFolder {
            std::filesystem::path path =
                std::filesystem::temp_directory_path() / ("rj_sound_test_" + std::to_string(::getpid()));
            TemporaryFolder() { std::filesystem::create_directories(path); }
            ~TemporaryFolder() {
                std::error_code ignored;
                std::filesystem::remove_all(path, ignored);
            }
        };
        static const TemporaryFolder folder;
        return folder.path;
    }

    // Makes the temporary folder the data root (call in SetUp).
    static void UseAsDataRoot() {
        FileLoader::SetDataRoot(Folder().string());
        FileLoader::Instance().Reinitialize();
    }

    static std::string DataPath(const std::string& name) { return std::string(FileLoader::kDataFolder) + name; }
    static std::filesystem::path DiskPath(const std::string& name) { return Folder() / name; }

    static bool Run(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()) == 0; }

    // Runs sox with `inputArguments` ("-n -r 44100 -c 2 -b 16"), writing `name` through `effects`
    // ("synth 0.1 sine 440").
    static bool Sox(const std::string& inputArguments, const std::string& name, const std::string& effects) {
        return Run("sox " + inputArguments + " '" + DiskPath(name).string() + "' " + effects);
    }

    static bool OggEnc(const std::string& wavName, const std::string& oggName) {
        return Run("oggenc -Q -o '" + DiskPath(oggName).string() + "' '" + DiskPath(wavName).string() + "'");
    }

    // The samples of `name` as sox decodes them, in the given raw encoding ("-e signed -b 16").
    static std::vector<uint8_t> SoxRaw(const std::string& name, const std::string& encoding) {
        const std::string raw = name + ".raw";
        if (!Run("sox '" + DiskPath(name).string() + "' -t raw " + encoding + " -L '" + DiskPath(raw).string() + "'")) {
            return {};
        }
        return ReadBytes(raw);
    }

    static std::vector<uint8_t> ReadBytes(const std::string& name) {
        std::ifstream in(DiskPath(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream out(DiskPath(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
};
