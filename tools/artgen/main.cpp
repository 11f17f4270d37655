// rjartgen --config <config.txt> --out <data folder> [--only <text>]
// Draws every picture and font of the game into the data folder. Same inputs, same bytes.
// rjartgen --icons <folder>: the desktop's icons of the game instead.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "icons/AppIcons.h"
#include "settings/SettingsManager.h"
#include "files/FileLoader.h"

namespace {

constexpr int kWorkerThreads = 2;

int Usage() {
    std::fprintf(stderr, "usage: rjartgen --config <config.txt> --out <folder> [--only <name part>]\n");
    return 2;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) return WriteAppIcons(argv[2]) ? 0 : 1;
    std::string config, out, only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        if (arg == "--config")
            config = argv[++i];
        else if (arg == "--out")
            out = argv[++i];
        else if (arg == "--only")
            only = argv[++i];
        else
            return Usage();
    }
    if (config.empty() || out.empty()) return Usage();
    struct stat info;
    if (stat(out.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        std::fprintf(stderr, "rjartgen: output folder %s does not exist\n", out.c_str());
        return 1;
    }
    // The settings are read through the game's file layer; its data root is the config's folder
    // so no pack of an earlier build can stand in for the source file.
    FileLoader::SetDataRoot(FolderOf(config));
    if (!SettingsManager::Instance().Load(config)) {
        std::fprintf(stderr, "rjartgen: %s cannot be read\n", config.c_str());
        return 1;
    }

    std::vector<ArtGeneratorEntry> generators = ArtGenerators();
    std::sort(generators.begin(), generators.end(),
              [](const ArtGeneratorEntry& a, const ArtGeneratorEntry& b) { return std::strcmp(a.name, b.name) < 0; });
    if (!only.empty()) {
        std::erase_if(generators,
                      [&](const ArtGeneratorEntry& e) { return std::string(e.name).find(only) == std::string::npos; });
    }

    ArtContext context(out);
    std::atomic<size_t> next{0};
    const auto start = std::chrono::steady_clock::now();
    auto work = [&] {
        for (size_t i = next++; i < generators.size(); i = next++) {
            try {
                generators[i].generator(context);
            } catch (const std::exception& e) {
                context.Fail(std::string(generators[i].name) + ": " + e.what());
            }
        }
    };
    std::vector<std::thread> workers;
    for (int t = 0; t < kWorkerThreads; ++t) workers.emplace_back(work);
    for (std::thread& worker : workers) worker.join();

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const bool missingKeys = !SettingsManager::Instance().ProblemKeys().empty();
    if (missingKeys) {
        for (const std::string& key : SettingsManager::Instance().ProblemKeys()) {
            std::fprintf(stderr, "rjartgen: %s: key %s is missing or not a number\n", config.c_str(), key.c_str());
        }
    }
    std::printf("rjartgen: %zu generators, %zu files in %.1f s\n", generators.size(), context.WrittenFiles().size(),
                seconds);
    return context.Failed() || missingKeys ? 1 : 0;
}
