#pragma once

#include <filesystem>

namespace platform {

// Whether the machine may have a graphics processor: one shows up as a device file under the
// devices folder (/dev), in dri/ (Intel, AMD, the virtual graphics of virtual machines and most
// others) or as NVIDIA's own nvidiactl. Without any, OpenGL can only be emulated on the processor,
// and trying it (loading the emulation, making a context) costs a noticeable part of a second at
// start for a renderer that would not be used.
bool MayHaveGraphicsProcessor(const std::filesystem::path& devices = "/dev");

}  // namespace platform
