#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/Entry.h"

int main(int argc, char** argv) {
    // An exception that escapes ends the program at once with status −1, without the shutdown.
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return RunProgram(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "reedjumper: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "reedjumper: an unexpected error\n");
    }
    return -1;
}
