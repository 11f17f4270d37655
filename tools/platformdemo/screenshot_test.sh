#!/bin/sh
# Runs the platform demo in a window on a virtual X server, takes screenshots of the window at its
# own size and widened (letterboxed), checks the test pattern's pixels, and checks that the tone
# reached the audio output (SDL's disk driver writes it to a file).
# Usage: screenshot_test.sh DEMO OUTDIR. Exit 77 (skipped) when the X tools are missing.
set -u
demo=$1
out=$2
for tool in xvfb-run xdotool import convert python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (the install script installs it)"
        exit 77
    fi
done
rm -rf "$out"
mkdir -p "$out"

SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out/tone.raw" SDL_RENDER_DRIVER=software \
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    "$1" --windowed --seconds 8 > "$2/demo.log" 2>&1 &
    pid=$!
    id=$(timeout 20 xdotool search --sync --name "Reedjumper platform demo" | head -n 1)
    if [ -z "$id" ]; then echo "the demo window did not appear"; kill $pid; exit 1; fi
    sleep 2
    import -window "$id" "$2/window.png"
    xdotool windowsize "$id" 1000 600
    sleep 1.5
    import -window "$id" "$2/wide.png"
    wait $pid
' sh "$demo" "$out" || { echo "FAILED: the demo run under xvfb-run"; cat "$out/demo.log"; exit 1; }

failures=0
pixel() {  # pixel FILE X Y -> RRGGBB
    /usr/bin/convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6
}
# Within 4 per channel: the conversion from 16 bits may round the top value to 254.
near() {  # near RRGGBB RRGGBB
    [ ${#1} -eq 6 ] || return 1
    for i in 1 3 5; do
        a=$(printf '%d' "0x$(echo "$1" | cut -c$i-$((i + 1)))")
        b=$(printf '%d' "0x$(echo "$2" | cut -c$i-$((i + 1)))")
        d=$((a - b))
        [ $d -le 4 ] && [ $d -ge -4 ] || return 1
    done
}
expect() {  # expect FILE X Y COLOUR WHAT
    got=$(pixel "$1" "$2" "$3")
    if ! near "$got" "$(echo "$4" | cut -c2-7)"; then
        echo "FAILED: $(basename "$1") ($2,$3) $5: expected $4, got #$got"
        failures=$((failures + 1))
    fi
}

w="$out/window.png"
expect "$w" 50 150 "#FFFFFF" "white bar"
expect "$w" 150 150 "#FFFF00" "yellow bar"
expect "$w" 250 150 "#00FFFF" "cyan bar"
expect "$w" 350 150 "#00FF00" "green bar"
expect "$w" 450 150 "#FF00FF" "magenta bar"
expect "$w" 550 150 "#FF0000" "red bar"
expect "$w" 650 150 "#0000FF" "blue bar"
expect "$w" 750 150 "#000000" "black bar"
expect "$w" 25 325 "#FFFFFF" "white square"
expect "$w" 75 325 "#000000" "black square"
expect "$w" 99 0 "#FFFFFF" "last column of the first bar"
expect "$w" 100 299 "#FFFF00" "first column of the second bar, last row"

# 1000 x 600: the picture keeps 4:3, 100 pixels of black on either side.
x="$out/wide.png"
expect "$x" 50 150 "#000000" "left letterbox bar"
expect "$x" 950 150 "#000000" "right letterbox bar"
expect "$x" 150 150 "#FFFFFF" "white bar moved right"
expect "$x" 850 150 "#000000" "black bar moved right"
expect "$x" 650 150 "#FF0000" "red bar moved right"

# The tone: 16-bit stereo at 44100 Hz; 441 Hz crosses zero 882 times a second.
if ! python3 - "$out/tone.raw" <<'PY'
import array, sys
data = array.array("h")
with open(sys.argv[1], "rb") as f:
    data.frombytes(f.read())
left = data[0::2]
if len(left) < 44100:
    sys.exit("FAILED: less than a second of audio (%d frames)" % len(left))
second = left[-44100:]
peak = max(abs(s) for s in second)
crossings = sum(1 for a, b in zip(second, second[1:]) if (a < 0) != (b < 0))
print("tone: peak %d, %d zero crossings in the last second" % (peak, crossings))
if peak < 1000 or not 860 <= crossings <= 900:
    sys.exit("FAILED: no 441 Hz tone in the audio output")
PY
then
    failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; screenshots in $out"
    exit 1
fi
echo "platform demo: pattern, letterbox and tone as expected (screenshots in $out)"
