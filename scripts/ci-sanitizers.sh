#!/usr/bin/env bash
# The test suite under the sanitizers, after ./test.sh has built the normal tree (whose generated
# data both sanitizer builds use):
#   1. address + undefined behaviour: every test but two long ones (ASAN_SKIPPED below), with
#      leak detection on except for the programs in a real window (ASAN_WINDOWED below);
#   2. thread: the streaming, timer and mixer tests and a short windowed run of the game (Xvfb).
# Any report fails the run. Build folders: build-asan, build-tsan (ASAN_BUILD_DIR, TSAN_BUILD_DIR).
#
#   scripts/ci-sanitizers.sh [asan] [tsan]      (both without arguments)
set -euo pipefail
cd "$(dirname "$0")/.."

steps=("$@")
[ ${#steps[@]} -eq 0 ] && steps=(asan tsan)
data_build=${BUILD_DIR:-build}
if [ ! -f "$data_build/data/config.txt" ] || [ ! -f "$data_build/datapack/ReedJumper.dat" ]; then
    echo "scripts/ci-sanitizers.sh: no generated data in $data_build (run ./test.sh first)" >&2
    exit 2
fi
data_build=$(cd "$data_build" && pwd)
jobs=$(nproc)
suppressions=$PWD/scripts/sanitizers

# -O1 with line tables only: the usual level for sanitizer runs (reports keep their file:line),
# and a good deal quicker to compile than the release build's -O2 -g.
configure() { # folder option
    cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -D"$2"=ON -DRJ_WERROR=ON -DRJ_BUILD_BENCH=OFF \
        -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
        -DRJ_DATA_FROM="$data_build" >/dev/null
}

# Left out of the address-sanitizer suite to keep CI's run short; the normal suite runs them:
# the installation check (packaging, no code of ours beyond the normal build) and the sweep of
# damaged data files (52 whole runs of the game; the fuzz targets put every file reader under the
# same sanitizers).
ASAN_SKIPPED='^(install_to_prefix|scenario\.DataFileSweepTest)$'
# Programs that open a real window under Xvfb: at exit the system's libraries behind it (D-Bus,
# and a driver library SDL has already unloaded, so no suppression can name it) leak about 1 kB.
# These run with leak detection off and every memory error still caught (halt_on_error); every
# other test runs with leak detection on.
ASAN_WINDOWED='^(scenario\.desktop_session|scenario\.NoAudioDeviceTest|platformdemo\.screenshot)$'

asan() {
    local dir=${ASAN_BUILD_DIR:-build-asan}
    configure "$dir" RJ_SANITIZE_ADDRESS
    # What the suite runs: the test programs, the game, the pack tool, the sound generator (a test
    # runs it twice) and the platform demo; the picture generator and the contact sheet are not
    # needed, the data comes from the normal build.
    local targets
    targets=$(ninja -C "$dir" -t targets all | sed -n 's/^\(test_[a-z]*\|reedjumper\|rjpack\|rjsoundgen\|rjplatformdemo\): .*/\1/p' | sort -u)
    # shellcheck disable=SC2086
    cmake --build "$dir" -j"$jobs" --target $targets
    local errors=halt_on_error=1:detect_stack_use_after_return=1
    ASAN_OPTIONS=detect_leaks=1:$errors \
        LSAN_OPTIONS=suppressions=$suppressions/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 900 -E "$ASAN_SKIPPED|$ASAN_WINDOWED"
    ASAN_OPTIONS=detect_leaks=0:$errors \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 900 -R "$ASAN_WINDOWED"
}

tsan() {
    local dir=${TSAN_BUILD_DIR:-build-tsan}
    configure "$dir" RJ_SANITIZE_THREAD
    cmake --build "$dir" -j"$jobs" --target reedjumper test_sound test_platform
    # The desktop session starts the game in a window under Xvfb and plays through the menus;
    # TSan ends a process that saw a race with status 66, which fails the session.
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$suppressions/tsan.supp \
        ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 900 \
        -R '^(Stream|OggStreaming|SoundEngine|SoundFx|SoundDevice|Mixer|ThreadTimer|VirtualTimer|Timer|RealClock)|scenario\.desktop_session'
}

for step in "${steps[@]}"; do
    case "$step" in
    asan) asan ;;
    tsan) tsan ;;
    *) echo "scripts/ci-sanitizers.sh: unknown step $step (asan, tsan)" >&2; exit 2 ;;
    esac
done
