#include "ArtRegistry.h"

std::vector<ArtGeneratorEntry>& ArtGenerators() {
    static std::vector<ArtGeneratorEntry> generators;
    return generators;
}

ArtRegistrar::ArtRegistrar(const char* name, ArtGenerator generator) { ArtGenerators().push_back({name, generator}); }
