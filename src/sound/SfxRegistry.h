#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

class SfxLoader;
class SfxStreaming;

// The two process-wide registries of sound decoders by type name, filled by static
// initialisation before main: whole-sound loaders ("OggLoader", "WavLoader") and streaming
// decoders ("OggStreaming"). Iteration follows the names' order, so "OggLoader" comes first.
class SfxRegistry final {
public:
    using LoaderFactory = std::function<std::unique_ptr<SfxLoader>()>;
    using StreamingFactory = std::function<std::unique_ptr<SfxStreaming>()>;

    static std::map<std::string, LoaderFactory>& LoadingTypes();
    static std::map<std::string, StreamingFactory>& StreamingTypes();

    static bool RegisterLoadingType(const std::string& name, LoaderFactory factory);
    static bool RegisterStreamingType(const std::string& name, StreamingFactory factory);
};
