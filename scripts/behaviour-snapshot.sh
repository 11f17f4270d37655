#!/usr/bin/env bash
# Plays a fixed set of seeded headless games and writes their state dumps and a few frames into a
# folder, so a change that must not alter the game (a refactoring) can be checked byte for byte:
#   scripts/behaviour-snapshot.sh build /tmp/before   # on the old code
#   scripts/behaviour-snapshot.sh build /tmp/after    # on the new code
#   diff -r /tmp/before /tmp/after && echo identical
# The games: three whole games through all five levels (a goal distance larger than the world
# counts every idle frog home), and three games of seeded random keys on the shipped settings.
set -euo pipefail
build=${1:?usage: behaviour-snapshot.sh BUILD_DIR OUT_DIR}
out=${2:?usage: behaviour-snapshot.sh BUILD_DIR OUT_DIR}
game="$build/reedjumper"
[ -x "$game" ] || { echo "behaviour-snapshot.sh: $game does not exist; build it first" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d "${TMPDIR:-/tmp}/rj-snapshot.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A data folder with the whole-game overrides in front of the shipped settings.
whole="$work/whole"
mkdir -p "$whole"
for f in "$build"/data/*; do
    name=$(basename "$f")
    case "$name" in config.txt|HighScore.txt|HighScore.tmp) continue ;; esac
    ln -s "$(realpath "$f")" "$whole/$name"
done
printf '%s\n' "inGoalDistance 100000" "levelTimeSeconds 60.0" "numFrogsToGoal 3" > "$whole/config.txt"
cat "$build/data/config.txt" >> "$whole/config.txt"
plain="$work/plain"
mkdir -p "$plain"
for f in "$build"/data/*; do
    name=$(basename "$f")
    case "$name" in HighScore.txt|HighScore.tmp) continue ;; esac
    ln -s "$(realpath "$f")" "$plain/$name"
done

# High scores and options go to a fresh user folder per game, never the player's (the variable,
# unlike an option, is understood by older builds too).
export XDG_DATA_HOME="$work/xdg"
for seed in 1 2 3; do
    rm -rf "$whole"/HighScore.* "$plain"/HighScore.* "$XDG_DATA_HOME"
    printf '2 key 83\n' > "$work/start.txt"
    "$game" --headless --strict-settings --data "$whole" --seed "$seed" --ticks 2100 --input "$work/start.txt" \
        --state "$out/whole-$seed.jsonl" --frame "400:$out/whole-$seed-400.bmp" \
        --frame "1500:$out/whole-$seed-1500.bmp" >/dev/null 2>"$out/whole-$seed.err" || echo "exit $?" >>"$out/whole-$seed.err"
    rm -rf "$XDG_DATA_HOME"

    # Seeded random arrow keys and Space, every 7 to 20 ticks, after S; names typed at the end.
    awk -v seed="$seed" 'BEGIN { srand(seed); print "2 key 83"; t = 10;
        split("38 38 38 37 39 40 32", k, " ");
        while (t < 2900) { print t, "key", k[1 + int(rand() * 7)]; t += 7 + int(rand() * 14) }
        print 2950, "char", 65; print 2960, "char", 13 }' > "$work/keys-$seed.txt"
    "$game" --headless --strict-settings --data "$plain" --seed "$seed" --ticks 3000 --input "$work/keys-$seed.txt" \
        --state "$out/keys-$seed.jsonl" --frame "300:$out/keys-$seed-300.bmp" \
        --frame "900:$out/keys-$seed-900.bmp" >/dev/null 2>"$out/keys-$seed.err" || echo "exit $?" >>"$out/keys-$seed.err"
done
( cd "$out" && sha256sum ./*.jsonl ./*.bmp > SHA256SUMS )
echo "snapshot written to $out"
