#pragma once

#include <vector>

class ArtContext;

// A generator draws one group of pictures and writes them through the context. Generators run on
// two worker threads in any order, so each one keeps its state local and reads settings only
// through the context.
using ArtGenerator = void (*)(ArtContext&);

struct ArtGeneratorEntry {
    const char* name;
    ArtGenerator generator;
};

// Every generator linked into rjartgen, in registration order (main sorts them by name).
std::vector<ArtGeneratorEntry>& ArtGenerators();

struct ArtRegistrar {
    ArtRegistrar(const char* name, ArtGenerator generator);
};

// Defines and registers a generator:  RJ_ART_GENERATOR(DrawTrunk) { ... ctx.WriteColorKeyed(...); }
#define RJ_ART_GENERATOR(function)                                      \
    static void function(ArtContext& ctx);                              \
    static const ArtRegistrar function##Registrar(#function, function); \
    static void function(ArtContext& ctx)
