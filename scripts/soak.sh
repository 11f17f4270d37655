#!/usr/bin/env bash
# Soak: plays one long headless run of the game and checks it as it goes.
#
#   scripts/soak.sh [--ticks N] [--seed N] [--build DIR] [--data DIR] [--keep DIR]
#
# Plays N ticks (default 180000, one hour of game time) with seeded random keys that start a game
# from the title, steer the frog, type a name after a game over and leave the table (so games
# follow each other). Every tick's state must be sane: score >= 0, lives between 0 and the
# most a game can have, the frog inside the world. Resident memory is sampled every tenth of a
# second; after the first game it must stay within 10 % of its value at the end (no growth per
# game). "After the first game" is the most the second game took: a game's memory fills up while it
# plays (a warm-up that a single early sample would catch half-way); "at the end" is the last sample
# taken while ticks still ran, not one taken while the program frees everything on its way out.
# Prints the figures and ends with status 0 when every check holds, 1 otherwise.
#
# Run it on a release build and on an address-sanitizer build (-DRJ_SANITIZE_ADDRESS=ON; such a
# build made with -DRJ_DATA_FROM has no data of its own: give --data build/data); the sanitizer's
# report ends the run with a non-zero status, which fails the soak. The data folder defaults to
# the build's own.
set -euo pipefail

ticks=180000
seed=20
build=build
data=
keep=
while [ $# -gt 0 ]; do
    case "$1" in
    --ticks) ticks=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --data) data=$2; shift 2 ;;
    --keep) keep=$2; shift 2 ;;
    *) echo "soak.sh: unknown option $1" >&2; exit 2 ;;
    esac
done

game="$build/reedjumper"
[ -x "$game" ] || { echo "soak.sh: no game at $game (build it first)" >&2; exit 2; }
data=${data:-$build/data}
[ -f "$data/config.txt" ] || { echo "soak.sh: no generated data in $data" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/rj-soak-XXXXXX")
cleanup() { [ -n "$keep" ] && mkdir -p "$keep" && cp -r "$work"/. "$keep"/; rm -rf "$work"; }
trap cleanup EXIT

# A private data folder: links to the generated files, so the high-score table the games write
# stays here.
mkdir "$work/data"
for f in "$data"/*; do
    case "$(basename "$f")" in HighScore.txt*) continue ;; esac
    ln -s "$(realpath "$f")" "$work/data/"
done

# Seeded random keys, not the player bot: the bot plays one game and ends the program, and the
# soak needs one process through many games.
python3 - "$ticks" "$seed" > "$work/input.txt" <<'EOF'
import random, sys
ticks, seed = int(sys.argv[1]), int(sys.argv[2])
rng = random.Random(seed)
arrows = [37, 38, 39, 40]
for tick in range(2, ticks + 1):
    if tick % 97 == 0:
        print(tick, "key", 83)  # S: a new game when the title shows
    elif tick % 89 == 0:
        print(tick, "char", rng.choice([65, 69, 82, 13]))  # a name, then Enter saves it
    elif tick % 211 == 0:
        print(tick, "key", 77)  # M: from the high-score table back to the title, for the next game
    elif tick % 6 == 0:
        print(tick, "key", rng.choice(arrows + arrows + arrows + [38, 38, 32]))
EOF
input=(--input "$work/input.txt")
player="seeded random keys (seed $seed)"

echo "soak: $ticks ticks, $player, $game"
start=$(date +%s)
"$game" --headless --seed "$seed" --ticks "$ticks" --data "$work/data" "${input[@]}" \
    --state "$work/state.jsonl" 2> "$work/stderr.txt" &
pid=$!
# Resident memory against the state file's length, which the runner flushes every tick.
while kill -0 "$pid" 2> /dev/null; do
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2> /dev/null || true)
    size=$(stat -c %s "$work/state.jsonl" 2> /dev/null || echo 0)
    [ -n "$rss" ] && echo "$size $rss" >> "$work/rss.txt"
    sleep 0.1
done
status=0
wait "$pid" || status=$?
seconds=$(( $(date +%s) - start ))

python3 - "$work" "$data/config.txt" "$ticks" "$status" "$seconds" <<'EOF'
import json, math, sys
work, config, ticks, status, seconds = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5])
settings = {}
for line in open(config):
    words = line.split()
    if len(words) >= 2 and not words[0].startswith("#"):
        settings.setdefault(words[0].lower(), words[1])
def unit(v):
    return math.floor(v + 0.5)
def number(key):
    return float(settings[key.lower()])
max_lives = number("numFrogLifes") + number("maxNumBonusLifes")
world_width = number("gridWidthUnits")
# Every area's rows above the start strip, each as high as a cell of the visible grid.
rows_visible = (number("numCellsPerGrassStrip") + number("numCellsPerTrack") * number("numTracksPerArea")) \
    * number("numVisibleAreas") + number("numCellsStartStrip")
cell_height = number("gridHeightUnits") / rows_visible
world_height = cell_height * ((number("numCellsPerGrassStrip") + number("numCellsPerTrack") * number("numTracksPerArea"))
                              * number("numAreas") + number("numCellsStartStrip"))
GAME_OVER, TITLE, SHOW_DOWN = 10, 11, 12
problems = []
games = 0
first_game_end_offset = None
second_game_end_offset = None
offset = 0
previous_state = None
seen = 0
max_score = 0
with open(work + "/state.jsonl", "rb") as lines:
    for raw in lines:
        offset += len(raw)
        seen += 1
        try:
            s = json.loads(raw)
        except ValueError:
            problems.append("tick %d: unreadable state line" % (seen))
            continue
        state = s["state"]
        # A game ends lost (game over) or won (the show-down after the last level).
        if state in (GAME_OVER, SHOW_DOWN) and previous_state not in (GAME_OVER, SHOW_DOWN):
            games += 1
            if first_game_end_offset is None:
                first_game_end_offset = offset
            elif second_game_end_offset is None:
                second_game_end_offset = offset
        previous_state = state
        if s["score"] < 0:
            problems.append("tick %d: score %d" % (s["tick"], s["score"]))
        max_score = max(max_score, s["score"])
        lives = s.get("lives")
        if lives is not None and not 0 <= lives <= max_lives:
            problems.append("tick %d: %d lives" % (s["tick"], lives))
        frog = s.get("frog")
        # The frog stands on the unit its position rounds to (as the game rounds it, half up): on
        # the first unit from x = -0.5, on the last up to x < width - 0.5.
        if frog and not (0 <= unit(frog["x"]) < world_width and 0 <= unit(frog["y"]) < world_height):
            problems.append("tick %d: frog at %.2f, %.2f outside %.0f x %.0f" % (s["tick"], frog["x"], frog["y"],
                                                                              world_width, world_height))
if seen != ticks:
    problems.append("%d state lines for %d ticks" % (seen, ticks))
if status != 0:
    problems.append("the game ended with status %d" % status)
errors = open(work + "/stderr.txt", errors="replace").read().strip().splitlines()
if any("Sanitizer" in line or "runtime error" in line for line in errors):
    problems.append("sanitizer report on standard error")

try:
    samples = [tuple(map(int, l.split())) for l in open(work + "/rss.txt")]
except FileNotFoundError:
    samples = []
peak = max((r for _, r in samples), default=0)
# Samples taken before the last state line was written: the program was still playing.
playing = [(size, r) for size, r in samples if size < offset] or samples
end_rss = playing[-1][1] if playing else 0
after_first = [r for size, r in playing if first_game_end_offset is not None and size >= first_game_end_offset]
second_game = [r for size, r in playing if first_game_end_offset is not None and size >= first_game_end_offset
               and (second_game_end_offset is None or size < second_game_end_offset)]
print("soak: %d ticks in %d s (%.0f ticks/s), status %d, %d games ended, highest score %d"
      % (seen, seconds, seen / max(seconds, 1), status, games, max_score))
print("soak: %d memory samples; resident memory peak %.1f MB, at the end %.1f MB"
      % (len(samples), peak / 1024, end_rss / 1024))
if after_first:
    first = max(second_game or after_first)
    low, high = min(after_first), max(after_first)
    print("soak: resident memory in the second game up to %.1f MB, after the first game %.1f ... %.1f MB (%+.1f %% to the end)"
          % (first / 1024, low / 1024, high / 1024, 100.0 * (end_rss - first) / max(end_rss, 1)))
    if abs(end_rss - first) > 0.10 * end_rss:
        problems.append("resident memory grew from %.1f MB after the first game to %.1f MB" % (first / 1024, end_rss / 1024))
else:
    print("soak: no game ended while memory was sampled; no growth figure")
if errors:
    print("soak: %d lines on standard error, the first: %s" % (len(errors), errors[0]))
for p in problems[:20]:
    print("soak: FAILED: " + p)
if len(problems) > 20:
    print("soak: FAILED: ... and %d more" % (len(problems) - 20))
if not problems:
    print("soak: every tick sane")
sys.exit(1 if problems else 0)
EOF
