#!/usr/bin/env bash
# Every benchmark of the project in one run, each figure beside its reference measured in the same
# run (a memcpy of the same pixels, the 20 ms frame, the sum of a run's own ticks) and each the
# median of several rounds with its spread:
#   scripts/bench.sh [BUILD_DIR] [--no-window] [--no-callgrind]
# the headless game tick by tick on a busy scene of the last level, level starts and new games,
# headless runs with and without frames, instructions per tick (callgrind, when valgrind is
# installed), the present path at 800x600, 1920x1080 and 3840x2160, the world's areas and the
# sprite, sound and blit benchmarks, the start-up's picture loading and the banner's darkening;
# then, under a virtual X server (Xvfb, xdotool, openbox when installed), the windowed and
# full-screen pacing, the process's share of a core and the time to the first title frame.
# Processor times are this machine's: on a loaded machine run it under `nice` and read the
# ratios; the load average is printed first.
set -euo pipefail
build=build
rest=()
for arg in "$@"; do
    case "$arg" in
    --*) rest+=("$arg") ;;
    *) build=$arg ;;
    esac
done
cd "$(dirname "$0")/.."
[ -f "$build/build.ninja" ] || [ -f "$build/Makefile" ] || {
    echo "bench.sh: $build is no build folder; configure it first (README, Building by hand)" >&2
    exit 1
}
benches=(bench_frame_copy bench_present bench_world_areas bench_sprite_frame bench_sprite_alpha bench_display_blit
    bench_sound_mixer bench_sound_streaming bench_world_background bench_picture_loading)
cmake --build "$build" --target reedjumper gamedata "${benches[@]}" >/dev/null

echo "== $(date -u '+%F %H:%M UTC'), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== present"
"$build/bench/bench_present"
echo "== world, sprites, blits, sound"
"$build/bench/bench_world_areas" "$build/data"
"$build/bench/bench_picture_loading" "$build/data"
for b in bench_sprite_frame bench_sprite_alpha bench_display_blit bench_world_background bench_sound_mixer \
    bench_sound_streaming; do
    "$build/bench/$b"
done
echo "== the game"
python3 scripts/bench-game.py "$build" "${rest[@]}"
echo "== done, load average $(cut -d' ' -f1-3 /proc/loadavg)"
