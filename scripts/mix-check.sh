#!/usr/bin/env bash
# Plays two seeded games headless with sound and writes what the mixer put out as WAVE files,
# printing each one's length, peak, loudness (RMS) and clipped samples:
#   won   — every frog counts as home at once, so all five levels, the closing scroll, the tally
#           and the table pass (with the theme, the ambience and the level jingles);
#   rough — arrow keys and Space at random from the start until the lives run out (crashes,
#           drownings, kills, the game over).
# usage: scripts/mix-check.sh [BUILD_DIR] [OUT_DIR]   (defaults: build, a new temporary folder)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
out=${2:-$(mktemp -d "${TMPDIR:-/tmp}/rj_mix.XXXXXX")}
mkdir -p "$out"
work=$(mktemp -d "${TMPDIR:-/tmp}/rj_mixdata.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A data folder of links to the built data with settings put in front of config.txt.
make_data() {
    local dir=$1
    shift
    mkdir -p "$dir"
    for f in "$build"/data/*; do
        case $(basename "$f") in config.txt | HighScore.txt) ;; *) ln -s "$f" "$dir/" ;; esac
    done
    printf '%s\n' "$@" >"$dir/config.txt"
    cat "$build/data/config.txt" >>"$dir/config.txt"
}

make_data "$work/won" "inGoalDistance 100000" "numFrogsToGoal 3" "levelTimeSeconds 60.0"
printf '2 key 83\n' >"$work/won.txt"
# Each game keeps its scores and options in a folder of its own, starting from the defaults.
"$build/reedjumper" --headless --seed 7 --data "$work/won" --userdir "$work/won-user" --input "$work/won.txt" \
    --ticks 2400 --mix "$out/won.wav"

make_data "$work/rough"
# Keys: up most of the time, some sideways, now and then Space; one every 6 to 17 ticks.
awk 'BEGIN { srand(11); t = 2; print t " key 83";
             keys[0] = 38; keys[1] = 38; keys[2] = 38; keys[3] = 37; keys[4] = 39; keys[5] = 40; keys[6] = 32;
             while (t < 11000) { t += 6 + int(rand() * 12); print t " key " keys[int(rand() * 7)] } }' \
    >"$work/rough.txt"
"$build/reedjumper" --headless --seed 3 --data "$work/rough" --userdir "$work/rough-user" --input "$work/rough.txt" \
    --ticks 11000 --mix "$out/rough.wav"
echo "WAVE files in $out"
