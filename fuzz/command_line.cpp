// The program's command line: arguments separated by NUL bytes, parsed; an accepted line must
// hold options the runner can use, a refused one must say why.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args{"reedjumper"};
    std::string current;
    for (char c : fuzz::AsText(data, size)) {
        if (c == '\0') {
            args.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) args.push_back(current);
    const CommandLine line = ParseCommandLine(args);
    if (line.action == CommandLine::Action::Error && line.error.empty()) {
        std::fprintf(stderr, "a refused command line without a message\n");
        std::abort();
    }
    if (line.action == CommandLine::Action::Run && (!std::isfinite(line.dt) || line.dt <= 0.0)) {
        std::fprintf(stderr, "accepted --dt %g\n", line.dt);
        std::abort();
    }
    UsageText();
    return 0;
}
