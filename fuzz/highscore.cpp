// The high-score table ("HighScore.txt") read (its check value is not demanded in the fuzzing
// build, so the mutations reach the reader), then a new score entered and the table saved and
// read back.

#include <cstdio>

#include "FuzzSupport.h"
#include "game/HighScore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::DataFolder::Write("HighScore.txt", fuzz::AsText(data, size));
    HighScore& table = HighScore::Instance();
    table.SetFilePath(fuzz::DataFolder::Path() + "/HighScore.txt");
    if (!table.Load()) table.SetDefaults();
    if (table.Entries().size() > HighScore::kNumEntries) {
        std::fprintf(stderr, "the table holds %zu entries\n", table.Entries().size());
        std::abort();
    }
    const int32_t score = size > 0 ? static_cast<int32_t>(data[0]) * 1000 + 7 : 5000;
    if (table.Submit(score)) {
        for (int code : {int{'A'}, 0xC4, int{'%'}, 8, int{'b'}, int{'c'}, 13}) table.OnChar(code);
        table.Commit();
        if (!table.Load()) {
            std::fprintf(stderr, "a table the game saved does not read back\n");
            std::abort();
        }
    }
    return 0;
}
