// The real game in a window on a machine whose audio device cannot be opened: it says so on one
// line and plays on silently, and ends normally.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "TempFolder.h"
#include "ScenarioRun.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Under Xvfb: waits for the title menu to settle, starts a game with S, hops, looks at the
// picture, then Escape to the title and Escape to quit. Writes the exit status and the number
// of pixels the start of the game changed.
constexpr const char* kSession = R"sh(
    game=$1; data=$2; user=$3; out=$4
    "$game" --windowed --data "$data" --userdir "$user" 2> "$out/stderr.txt" &
    pid=$!
    id=$(timeout 60 xdotool search --sync --name "^Reedjumper$" | head -n 1)
    if [ -z "$id" ]; then kill $pid; exit 3; fi
    for i in $(seq 1 60); do
        sleep 1
        import -window "$id" "$out/a.png"
        sleep 0.7
        import -window "$id" "$out/title.png"
        [ "$(compare -metric AE "$out/a.png" "$out/title.png" null: 2>&1)" -lt 2000 ] && break
    done
    xdotool key s
    sleep 3
    xdotool key Up
    sleep 1
    import -window "$id" "$out/play.png"
    xdotool key Escape
    sleep 1.5
    xdotool key Escape
    for i in $(seq 1 20); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
    if kill -0 $pid 2>/dev/null; then kill $pid; exit 4; fi
    wait $pid
    echo $? > "$out/status.txt"
    compare -metric AE "$out/title.png" "$out/play.png" null: 2> "$out/changed.txt"
    exit 0
)sh";

constexpr const char* kHaveXTools =
    "(command -v xvfb-run && command -v xdotool && command -v import && command -v compare) > /dev/null";

}  // namespace

TEST(NoAudioDeviceTest, TheGamePlaysOnSilentlyAfterOneLine) {
    if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    if (std::system(kHaveXTools) != 0) {
        GTEST_SKIP() << "the X tools are not installed (the install script installs them)";
    }
    const TempFolder folder("rj-no-audio");
    std::ofstream(folder.File("session.sh")) << kSession;
    // A driver SDL does not have: opening the audio device fails as on a machine without one.
    const std::string command =
        "SDL_AUDIODRIVER=rj-no-such-device timeout 150 xvfb-run -a -s '-screen 0 1024x768x24' "
        "sh '" +
        folder.File("session.sh") + "' '" + std::string(RJ_BINARY_DIR) + "/reedjumper' '" + RJ_DATA_DIR + "' '" +
        folder.File("user") + "' '" + folder.Path().string() + "' > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << "the session under xvfb-run failed (3: no window, 4: no quit)";
    EXPECT_EQ(ReadAll(folder.File("status.txt")), "0\n");
    // The game started: the picture of play is not the title menu.
    EXPECT_GT(std::atol(ReadAll(folder.File("changed.txt")).c_str()), 50000L);
    const std::string errors = ReadAll(folder.File("stderr.txt"));
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line:\n" << errors;
    EXPECT_NE(errors.find("no audio device"), std::string::npos) << errors;
    EXPECT_NE(errors.find("playing silently"), std::string::npos) << errors;
}
