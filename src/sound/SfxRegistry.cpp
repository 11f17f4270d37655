#include "sound/SfxRegistry.h"

#include <utility>

#include "sound/OggLoader.h"
#include "sound/OggStreaming.h"
#include "sound/WavLoader.h"

std::map<std::string, SfxRegistry::LoaderFactory>& SfxRegistry::LoadingTypes() {
    static std::map<std::string, LoaderFactory> types;
    return types;
}

std::map<std::string, SfxRegistry::StreamingFactory>& SfxRegistry::StreamingTypes() {
    static std::map<std::string, StreamingFactory> types;
    return types;
}

bool SfxRegistry::RegisterLoadingType(const std::string& name, LoaderFactory factory) {
    return LoadingTypes().emplace(name, std::move(factory)).second;
}

bool SfxRegistry::RegisterStreamingType(const std::string& name, StreamingFactory factory) {
    return StreamingTypes().emplace(name, std::move(factory)).second;
}

namespace {
// Registered here rather than beside each decoder: this file is always linked (the engine calls
// the registry), whereas a decoder's own file in the static library might not be.
const bool kBuiltInTypesRegistered =
    SfxRegistry::RegisterLoadingType("OggLoader", [] { return std::make_unique<OggLoader>(); }) &&
    SfxRegistry::RegisterLoadingType("WavLoader", [] { return std::make_unique<WavLoader>(); }) &&
    SfxRegistry::RegisterStreamingType("OggStreaming", [] { return std::make_unique<OggStreaming>(); });
}  // namespace
