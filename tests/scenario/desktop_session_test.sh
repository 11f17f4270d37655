#!/bin/sh
# Starts the game in a window under Xvfb, walks title menu -> help -> credits -> title -> high
# scores -> title with the keyboard and a mouse click, screenshots every screen, and checks that
# each screen differs from the one before, that the title menu comes back the same, and that
# Escape on the title menu ends the game with status 0.
# Usage: desktop_session_test.sh GAME DATADIR OUTDIR. Exit 77 (skipped) without the X tools.
set -u
game=$1
data=$2
out=$3
for tool in xvfb-run xdotool import compare; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (the install script installs it)"
        exit 77
    fi
done
if [ ! -f "$data/config.txt" ]; then
    echo "SKIPPED: no game data in $data (build the gamedata target)"
    exit 77
fi
# Seconds the loading may take: a sanitizer build is many times slower than a release build.
title_wait=180
rm -rf "$out"
mkdir -p "$out/data"
# Links to the data; the high scores and options go into $out/user, not into the player's folder.
for f in "$data"/*; do
    case "$(basename "$f")" in HighScore.txt) ;; *) ln -s "$f" "$out/data/" ;; esac
done

# The title menu as the headless runner draws it once the loading and the slide to the title are
# over: the window shows the same picture (but for the pointer) when its title menu is up. A still
# picture alone is no sign: the loading screen presents only when its bar grows, so on a slow run
# (a sanitizer build) it stands still for seconds.
if ! "$game" --headless --ticks 60 --data "$out/data" --userdir "$out/reference-user" \
    --frame 50:"$out/title_reference.bmp" > "$out/reference.log" 2>&1; then
    echo "FAILED: the headless run for the title picture"; cat "$out/reference.log"; exit 1
fi

SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    game=$1; out=$2; title_wait=$3
    "$game" --windowed --data "$out/data" --userdir "$out/user" > "$out/game.log" 2>&1 &
    pid=$!
    id=$(timeout 60 xdotool search --sync --name "^Reedjumper$" | head -n 1)
    if [ -z "$id" ]; then echo "the game window did not appear"; kill $pid; exit 1; fi
    # Wait for the title menu: the window matches the headless title picture.
    start=$(date +%s)
    while :; do
        import -window "$id" "$out/waiting.png"
        n=$(compare -metric AE -fuzz 5% "$out/waiting.png" "$out/title_reference.bmp" null: 2>&1)
        case "$n" in *[!0-9]*|"") n=999999 ;; esac
        [ "$n" -le 3000 ] && break
        if [ $(( $(date +%s) - start )) -ge "$title_wait" ]; then
            echo "the title menu did not appear within $title_wait s ($n pixels of the last look differ from it; in $out/waiting.png)"
            kill $pid; exit 1
        fi
        sleep 1
    done
    shot() { sleep "$2"; import -window "$id" "$out/$1.png"; }
    shot title 0.5
    xdotool key h;      shot help 1.5
    xdotool key c;      shot credits 2
    xdotool key m;      shot title_again 1.5
    xdotool mousemove --window "$id" 470 550 click 1; shot highscores 1.5
    xdotool mousemove --window "$id" 400 300
    xdotool key Escape; shot title_last 1.5
    xdotool key Escape
    for i in $(seq 1 20); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
    if kill -0 $pid 2>/dev/null; then echo "Escape on the title menu did not end the game"; kill $pid; exit 1; fi
    wait $pid
' sh "$game" "$out" "$title_wait" || { echo "FAILED: the session under xvfb-run"; cat "$out/game.log"; exit 1; }

failures=0
differ() {  # differ A B WHAT: the two screens must differ in many pixels
    n=$(compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1)
    if [ "$n" -lt 50000 ]; then echo "FAILED: $3 ($1 vs $2: $n pixels differ)"; failures=$((failures + 1)); fi
}
same() {  # same A B WHAT: the two screens match but for the pointer
    n=$(compare -metric AE -fuzz 5% "$out/$1.png" "$out/$2.png" null: 2>&1)
    if [ "$n" -gt 3000 ]; then echo "FAILED: $3 ($1 vs $2: $n pixels differ)"; failures=$((failures + 1)); fi
}
differ title help "H opens the help screen"
differ help credits "C opens the credits"
same title title_again "M returns to the title menu"
differ title_again highscores "the high-score button opens the table"
same title title_last "Escape leaves the high-score table"
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; screenshots in $out"
    exit 1
fi
echo "desktop session: title, help, credits, title, high scores, title, quit (screenshots in $out)"
