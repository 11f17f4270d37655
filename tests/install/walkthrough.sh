#!/bin/sh
# A new player's first session with the installed game, under Xvfb with openbox, driven by
# xdotool, with a screenshot at every step (look at them). Not a ctest: it needs the game
# installed (apt install ./build/reedjumper_*.deb) and uses the desktop entry's Exec line.
# Usage: walkthrough.sh OUTDIR
set -u
out=$1
entry=/usr/share/applications/reedjumper.desktop
[ -f "$entry" ] || { echo "the game is not installed ($entry is missing)"; exit 1; }
exec_line=$(sed -n 's/^Exec=//p' "$entry")
rm -rf "$out"
mkdir -p "$out/home"
export HOME="$out/home" XDG_DATA_HOME="$out/home/.local/share" SDL_AUDIODRIVER=dummy

xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    out=$1; exec_line=$2
    openbox > "$out/openbox.log" 2>&1 &
    sleep 2
    log() { echo "$*" | tee -a "$out/steps.txt"; }
    shot() { sleep "$2"; import -window root "$out/$1.png"; log "shot $1: $(xdotool getwindowgeometry "$id" 2>/dev/null | tr "\n" " ")"; }
    start() {
        $exec_line > "$out/game-$1.log" 2>&1 &
        pid=$!
        id=$(timeout 60 xdotool search --sync --name "^Reedjumper$" | head -n 1)
        [ -n "$id" ] || { log "no window"; exit 1; }
        # Loading is over when the screen stops changing.
        for i in $(seq 1 60); do
            sleep 1; import -window root "$out/a.png"; sleep 0.7; import -window root "$out/b.png"
            [ "$(compare -metric AE "$out/a.png" "$out/b.png" null: 2>&1)" -lt 2000 ] && break
        done
    }
    quit() {
        xdotool key --window "$id" Escape; sleep 1; xdotool key --window "$id" Escape
        for i in $(seq 1 20); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
        kill -0 $pid 2>/dev/null && { log "still running after Escape"; kill $pid; }
        wait $pid; log "exit status $?"
    }

    start 1
    shot 01-first-start 0.5
    xdotool key --window "$id" F11;           shot 02-after-f11 2
    xdotool windowsize "$id" 1000 750;        shot 03-resized 2
    # Start, clicked where the start button is drawn at this size.
    eval "$(xdotool getwindowgeometry --shell "$id")"
    log "window $WIDTH x $HEIGHT"
    # The picture keeps 4:3 in the middle of the window; the start button is at (137, 540) in it.
    set -- $(awk -v w="$WIDTH" -v h="$HEIGHT" "BEGIN { s = w / 800; if (h / 600 < s) s = h / 600;
        printf \"%d %d\", (w - 800 * s) / 2 + 137 * s, (h - 600 * s) / 2 + 540 * s }")
    x=$1; y=$2
    log "clicking Start at $x,$y"
    xdotool mousemove --window "$id" "$x" "$y"; sleep 0.5; shot 04-pointer-on-start 0.5
    xdotool click 1;                          shot 05-playing 2
    for k in Left Left Up; do xdotool key --window "$id" $k; sleep 0.6; done
    shot 06-after-moves 0.5
    xdotool key --window "$id" Escape;        shot 07-title-again 1.5
    xdotool key --window "$id" u; xdotool key --window "$id" t; shot 08-music-shadows-off 1
    xdotool key --window "$id" Escape
    for i in $(seq 1 20); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
    wait $pid; log "first session ended with status $?"

    start 2
    shot 09-second-start 0.5
    quit
' sh "$out" "$exec_line"
echo "options file:"; cat "$out/home/.local/share/reedjumper/options.txt"
echo "steps:"; cat "$out/steps.txt"
