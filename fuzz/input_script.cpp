// The headless runner's input script: parsed, and every event it accepts within its limits.

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/InputScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in{std::string(fuzz::AsText(data, size))};
    std::vector<InputEvent> events;
    std::string error;
    if (!ParseInputScript(in, "input.txt", events, error)) {
        if (error.empty()) {
            std::fprintf(stderr, "a refused script without a message\n");
            std::abort();
        }
        return 0;
    }
    for (const InputEvent& e : events) {
        if (e.tick < 0) {
            std::fprintf(stderr, "an event at tick %d\n", e.tick);
            std::abort();
        }
    }
    return 0;
}
