#!/usr/bin/env bash
# Lets the bot play whole games on the shipped settings and prints how far it got: per seed the
# levels reached, whether it reached the closing scene, score, lives lost per level and the
# longest stretch without progress; then the completion rate and averages.
#   scripts/bot-seeds.sh [BUILD_DIR] [FIRST_SEED] [LAST_SEED]
# DATA=folder takes the generated data from elsewhere (default BUILD_DIR/data); JOBS=n plays n
# seeds at once.
# A run ends when the bot has typed its name and left, or after MAX_TICKS ticks (a hang).
set -euo pipefail
build=${1:-build}
first=${2:-1}
last=${3:-20}
max_ticks=${MAX_TICKS:-90000}
game="$build/reedjumper"
[ -x "$game" ] || { echo "bot-seeds.sh: $game does not exist; build it first" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/rj-botseeds.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A private data folder, so the bot's high-score entries stay out of the build's.
data="$work/data"
mkdir -p "$data"
for f in "${DATA:-$build/data}"/*; do
    case "$(basename "$f")" in HighScore.*) continue ;; esac
    ln -s "$(realpath "$f")" "$data/$(basename "$f")"
done

# JOBS=n plays n seeds at once (each game keeps its table in a user folder of its own).
play_seed() {
    local seed=$1 status=0
    "$game" --headless --strict-settings --autoplay --data "$data" --userdir "$work/user-$seed" --seed "$seed" \
        --ticks "$max_ticks" --state "$work/$seed.jsonl" 2>"$work/$seed.err" >/dev/null || status=$?
    echo "$status" >"$work/$seed.status"
}
export -f play_seed
export game data work max_ticks
seq "$first" "$last" | xargs -P "${JOBS:-1}" -I{} bash -c 'play_seed {}'
for seed in $(seq "$first" "$last"); do echo "$seed $(cat "$work/$seed.status" 2>/dev/null || echo '?')"; done >"$work/status"

python3 - "$work" "$first" "$last" <<'PY'
import json, sys
work, first, last = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
status = dict(line.split() for line in open(f"{work}/status"))
SHOWDOWN, DYING, PLAYING = 12, 4, 1
rows, finished, scores, levels_reached = [], 0, [], []
deaths_per_level = [0] * 5
level_seconds = [[] for _ in range(5)]  # play time of each finished level, over the runs
for seed in range(first, last + 1):
    level_max, showdown, score, deaths = 0, False, 0, [0] * 5
    last_state, stall, longest_stall, key, ticks = None, 0, 0, None, 0
    play_ticks = [0] * 5
    try:
        lines = open(f"{work}/{seed}.jsonl")
    except OSError:
        lines = []
    for line in lines:
        s = json.loads(line)
        ticks = s["tick"]
        state = s["state"]
        if s["level"] is not None and state in (PLAYING, DYING, 5):
            level_max = max(level_max, s["level"])
            play_ticks[min(s["level"], 4)] += 1
        if state == SHOWDOWN:
            showdown = True
        if state == DYING and last_state != DYING and s["level"] is not None:
            deaths[min(s["level"], 4)] += 1
        score = max(score, s["score"])
        # Progress: a frog home, a level, a life, the frog's height or a new screen.
        frog = s["frog"] or {}
        now = (s["level"], s["frogsLeft"], s["lives"], state, frog.get("y"))
        stall = 0 if now != key else stall + 1
        key = now
        if state in (PLAYING,):
            longest_stall = max(longest_stall, stall)
        last_state = state
    finished += showdown
    scores.append(score)
    levels_reached.append(level_max + 1)
    for i in range(5):
        deaths_per_level[i] += deaths[i]
        if i < level_max or (i == 4 and showdown):
            level_seconds[i].append(play_ticks[i] * 0.02)
    rows.append((seed, status.get(str(seed), "?"), level_max + 1, "yes" if showdown else "no", score,
                 " ".join(str(d) for d in deaths), longest_stall * 0.02, ticks))
print(f"{'seed':>4} {'exit':>4} {'levels':>6} {'finale':>6} {'score':>7}  {'lives lost L1..L5':<17} {'stall s':>7} {'ticks':>6}")
for r in rows:
    print(f"{r[0]:>4} {r[1]:>4} {r[2]:>6} {r[3]:>6} {r[4]:>7}  {r[5]:<17} {r[6]:>7.1f} {r[7]:>6}")
n = len(rows)
print(f"completion: {finished}/{n} reached the closing scene ({100.0 * finished / n:.0f} %)")
print(f"levels reached: average {sum(levels_reached) / n:.2f} of 5")
print(f"score: average {sum(scores) / n:.0f}")
print("play seconds per finished level (average): " + ", ".join(
    f"L{i + 1} {sum(t) / len(t):.0f}" if t else f"L{i + 1} -" for i, t in enumerate(level_seconds)))
print("lives lost per level (all runs): " + ", ".join(f"L{i + 1} {d} ({d / n:.2f}/run)" for i, d in enumerate(deaths_per_level)))
PY
