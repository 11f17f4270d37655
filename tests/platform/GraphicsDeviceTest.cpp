#include "platform/GraphicsDevice.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace {

TEST(GraphicsDeviceTest, AGraphicsProcessorIsExpectedOnlyWhereItsDeviceFilesAre) {
    struct Case {
        std::vector<std::string> folders;
        std::vector<std::string> files;
        bool expected;
    };
    const Case cases[] = {
        {{}, {}, false},                                // no dri folder at all, as in a container
        {{"dri"}, {}, false},                           // an empty one
        {{"dri"}, {"dri/renderD128"}, true},            // a render node
        {{"dri", "dri/by-path"}, {"dri/card0"}, true},  // a card
        {{}, {"nvidiactl"}, true},                      // NVIDIA's driver
        {{}, {"null", "zero"}, false},                  // other devices say nothing
    };
    for (const Case& c : cases) {
        TempFolder devices("rj-devices");
        for (const std::string& folder : c.folders) std::filesystem::create_directories(devices.Path() / folder);
        for (const std::string& file : c.files) std::ofstream(devices.File(file)).put('\n');
        EXPECT_EQ(platform::MayHaveGraphicsProcessor(devices.Path()), c.expected)
            << c.folders.size() << " folders, " << c.files.size() << " files";
    }
}

}  // namespace
