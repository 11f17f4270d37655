#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, address + undefined-behaviour checks), seeds each
# target's corpus from the generated game data and runs every target for a while.
#
#   scripts/fuzz.sh [--seconds N] [--parallel P] [--nice N] [--timeout S] [--data DIR] [--work DIR]
#                   [target ...]
#
# --seconds   time per target (default 30)
# --parallel  targets run at once (default 1); each target runs in one process
# --nice      niceness of the fuzzing processes (default 0; 19 on a shared machine)
# --timeout   wall seconds one input may take before it counts as a hang (default 20; a starved
#             process on a busy machine needs more: an input of 0.3 s took 20 s at niceness 19)
# --data      generated data folder to seed from (default build/data, made by ./test.sh)
# --work      folder for corpora, findings and logs (default: a new temporary folder, removed
#             at the end unless something was found); corpora kept there grow from run to run
# Without target names every target runs. Prints executions and coverage per target and fails
# when a target finds a crash, a leak, undefined behaviour, a hang or runaway memory; the
# finding is kept in the work folder and named on standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=30
parallel=1
niceness=0
timeout=20
data=${BUILD_DIR:-build}/data
work=""
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --parallel) parallel=$2; shift 2 ;;
    --nice) niceness=$2; shift 2 ;;
    --timeout) timeout=$2; shift 2 ;;
    --data) data=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    -h|--help) sed -n '2,19p' "$0"; exit 0 ;;
    -*) echo "scripts/fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
    esac
done
ALL=(bmp bmp_alpha bmp_mask bmp_shadow jpeg wave ogg ogg_stream pack config_world level_objects font frames
     highscore input_script command_line)
[ ${#targets[@]} -eq 0 ] && targets=("${ALL[@]}")

if [ ! -f "$data/config.txt" ]; then
    echo "scripts/fuzz.sh: no generated data in $data (run ./test.sh first, or give --data)" >&2
    exit 2
fi
data=$(cd "$data" && pwd)
packer=$(dirname "$data")/tools/rjpack/rjpack

fuzz_build=${FUZZ_BUILD_DIR:-build-fuzz}
if ! command -v clang++-16 >/dev/null; then ./scripts/install-deps.sh; fi
# -O1 with line tables: libFuzzer's usual level, and quicker to compile than -O2 -g.
CC=clang-16 CXX=clang++-16 cmake -S . -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRJ_FUZZ=ON \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
cmake --build "$fuzz_build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

keep_work=1
if [ -z "$work" ]; then
    work=$(mktemp -d "${TMPDIR:-/tmp}/rj-fuzz-run-XXXXXX")
    keep_work=0
fi
mkdir -p "$work"
work=$(cd "$work" && pwd)

# Files of one input are joined as the targets split them.
SEPARATOR=$'\n--rj-part--\n'
join_parts() { # out part...
    local out=$1; shift
    local first=1
    : >"$out"
    for part in "$@"; do
        [ $first -eq 1 ] || printf '%s' "$SEPARATOR" >>"$out"
        first=0
        [ -n "$part" ] && cat "$part" >>"$out"
    done
}
small() { find "$data" -maxdepth 1 -iname "$1" -size -"${2:-65536}"c | sort; }
bits_per_pixel() { od -An -tu2 -j28 -N2 "$1" | tr -d ' '; }

seed() { # target corpus-folder
    local target=$1 dir=$2 f base
    case "$target" in
    bmp) for f in $(small '*.bmp' 40000); do cp "$f" "$dir/"; done ;;
    bmp_shadow)
        for f in $(small '*.bmp' 40000); do
            if [ "$(bits_per_pixel "$f")" = 1 ]; then cp "$f" "$dir/"; fi
        done ;;
    bmp_alpha)
        for f in $(small '*Alpha.bmp' 40000); do
            base=${f%Alpha.bmp}
            if [ -f "$base.bmp" ]; then join_parts "$dir/$(basename "$base")" "$base.bmp" "$f"; fi
        done ;;
    bmp_mask)
        # Each masked JPEG picture with its 1-bit mask, shrunk alike (and the picture as its own alpha).
        for f in "$data"/*_Mask.bmp; do
            base=${f%_Mask.bmp}
            [ -f "$base.jpg" ] || continue
            convert "$base.jpg" -resize 64x48! -quality 70 "$work/picture.jpg"
            convert "$f" -resize 64x48! -type bilevel BMP3:"$work/mask.bmp"
            join_parts "$dir/$(basename "$base")" "$work/picture.jpg" "$work/mask.bmp"
            join_parts "$dir/$(basename "$base")-alpha" "$work/picture.jpg" "$work/mask.bmp" "$work/picture.jpg"
        done ;;
    jpeg)
        # The game's JPEG pictures are large; small copies of them keep the fuzzer fast.
        for f in "$data"/*.jpg; do
            convert "$f" -resize 96x72! -quality 60 "$dir/$(basename "$f" .jpg)-small.jpg"
            convert "$f" -resize 40x30! -quality 90 -interlace JPEG "$dir/$(basename "$f" .jpg)-progressive.jpg"
        done ;;
    wave) for f in $(small '*.wav' 100000); do cp "$f" "$dir/"; done ;;
    ogg|ogg_stream)
        # Short Ogg files encoded from the game's shortest effects, mono and stereo: the game's
        # music is larger than the inputs the fuzzer makes.
        for f in $(find "$data" -maxdepth 1 -iname '*.wav' -size -30000c | sort | head -4); do
            oggenc -Q -q -1 -o "$dir/$(basename "$f" .wav).ogg" "$f" || true
            sox "$f" -c 2 -r 22050 "$work/stereo.wav" && oggenc -Q -q 2 -o "$dir/$(basename "$f" .wav)-stereo.ogg" "$work/stereo.wav" || true
        done ;;
    pack)
        if [ -x "$packer" ]; then
            local files
            files=$(mktemp -d "$work/packfiles-XXXXXX")
            cp "$data"/*.fnt "$data"/*Frames.txt "$files/" 2>/dev/null || true
            head -c 4000 "$data/config.txt" >"$files/config.txt"
            "$packer" create "$dir/small.dat" "$files" "fuzz seed" >/dev/null
            rm -rf "$files"
        fi ;;
    config_world) cp "$data/config.txt" "$dir/" ;;
    level_objects) for f in "$data"/ArbitraryObjects_*.txt; do cp "$f" "$dir/"; done ;;
    font) cp "$data"/*.fnt "$dir/" ;;
    frames) for f in "$data"/*Frames.txt; do cp "$f" "$dir/"; done ;;
    highscore)
        printf 'Reedjumper - Highscores\n\n*1000:Lorimeth\n*900:Wendal\n*800:Br\xe4sko\n*0:\n---------------------------------\n1a2b3c4dffff---5e6f\n' >"$dir/table.txt" ;;
    input_script)
        printf '# keys\n0 key 13\n1 key 38\n5 char 65\n7 down 400 300\n8 up -1 601\n9 focus 0\n10 focus 1\n20 quit\n' >"$dir/script.txt" ;;
    command_line)
        printf -- '--headless\0--seed\0007\0--ticks\000300\0--dt\0000.02\0--input\0in.txt\0--state\0s.jsonl\0--frame\00012:shot.bmp' >"$dir/headless"
        printf -- '--windowed\0--nosound\0--data\0/tmp/x' >"$dir/window"
        printf -- '--help' >"$dir/help" ;;
    esac
    return 0
}

max_len() {
    case "$1" in
    pack) echo 40000 ;;
    config_world) echo 32768 ;;
    bmp|bmp_shadow|bmp_alpha|bmp_mask|jpeg|wave|ogg|ogg_stream) echo 65536 ;;
    *) echo 8192 ;;
    esac
}

[ -x /usr/bin/llvm-symbolizer-16 ] && export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-/usr/bin/llvm-symbolizer-16}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

run_target() {
    local target=$1
    local corpus=$work/corpus/$target findings=$work/findings/$target log=$work/logs/$target.log
    mkdir -p "$corpus" "$findings" "$work/logs" "$work/tmp/$target"
    [ -n "$(ls -A "$corpus")" ] || seed "$target" "$corpus"
    # Each target's data folder lies in its own temporary folder.
    TMPDIR=$work/tmp/$target nice -n "$niceness" "$fuzz_build/fuzz/fuzz_$target" "$corpus" \
        -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -max_len="$(max_len "$target")" \
        -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1
}

status=0
pids=()
names=()
for target in "${targets[@]}"; do
    run_target "$target" &
    pids+=($!)
    names+=("$target")
    while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do wait -n || true; done
done
for i in "${!pids[@]}"; do wait "${pids[$i]}" || true; done

printf '%-14s %10s %8s %8s %8s %9s  %s\n' target executions exec/s cov ft corpus result
for target in "${targets[@]}"; do
    log=$work/logs/$target.log
    [ -f "$log" ] || echo "scripts/fuzz.sh: $target did not run" >"$log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
    features=$(grep -oE 'ft: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
    units=$(find "$work/corpus/$target" -type f | wc -l)
    # Slow units are noted by libFuzzer but are no finding; crashes, leaks, hangs and memory are.
    found=$(find "$work/findings/$target" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
        -o -name 'oom-*' \) | head -1)
    result=clean
    if [ -n "$found" ] || ! grep -q '^stat::number_of_executed_units' "$log"; then
        result="FINDING ${found:-(see $log)}"
        status=1
    fi
    printf '%-14s %10s %8s %8s %8s %9s  %s\n' "$target" "${runs:-?}" "${speed:-?}" "${cov:-?}" "${features:-?}" "$units" "$result"
done
if [ $status -ne 0 ]; then
    echo "scripts/fuzz.sh: findings and logs are kept in $work" >&2
    for target in "${targets[@]}"; do
        grep -m3 -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$work/logs/$target.log" | sed "s/^/$target: /" >&2 || true
    done
elif [ $keep_work -eq 0 ]; then
    rm -rf "$work"
fi
exit $status
