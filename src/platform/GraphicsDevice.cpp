#include "platform/GraphicsDevice.h"

#include <system_error>

namespace platform {

bool MayHaveGraphicsProcessor(const std::filesystem::path& devices) {
    std::error_code error;
    if (std::filesystem::exists(devices / "nvidiactl", error)) return true;
    const bool empty = std::filesystem::is_empty(devices / "dri", error);
    return !error && !empty;
}

}  // namespace platform
