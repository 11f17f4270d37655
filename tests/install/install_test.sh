#!/bin/sh
# Installs the built game into a temporary prefix and plays it from there, as a player's machine
# would: the installed program finds its data without --data, and keeps its high scores and
# options in the user folder the desktop names ($XDG_DATA_HOME), which here is temporary too.
# Also checks that every desktop file is installed and valid.
# Usage: install_test.sh BUILD_DIR
set -u
build=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/rj-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

prefix="$work/prefix"
if ! cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAILED: cmake --install"
    exit 1
fi

for f in bin/reedjumper share/reedjumper/ReedJumper.dat share/applications/reedjumper.desktop \
         share/man/man6/reedjumper.6 share/icons/hicolor/scalable/apps/reedjumper.svg \
         share/reedjumper/screenshots/reedjumper-play.png; do
    [ -s "$prefix/$f" ] || fail "$f is not installed"
done
for size in 16 22 24 32 48 64 128 256 512; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/reedjumper.png"
    [ -s "$icon" ] || { fail "the ${size} px icon is not installed"; continue; }
    # PNG width and height stand at bytes 16 to 23.
    dims=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
    [ "$dims" = "0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ] ||
        fail "the ${size} px icon measures otherwise ($dims)"
done
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)
[ -n "$metainfo" ] || fail "no metainfo is installed"
desktop-file-validate "$prefix/share/applications/reedjumper.desktop" || fail "desktop-file-validate"
grep -q '^Categories=Game;ArcadeGame;$' "$prefix/share/applications/reedjumper.desktop" || fail "the categories"
[ -z "$metainfo" ] || appstreamcli validate --no-net "$metainfo" > "$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }
if command -v man > /dev/null 2>&1; then
    man -l "$prefix/share/man/man6/reedjumper.6" > /dev/null 2>&1 || fail "the man page does not format"
fi

# The data is found from the install without --data.
game="$prefix/bin/reedjumper"
"$game" --version > "$work/version.txt" 2>&1 || fail "--version"
grep -q "^data: $prefix/share/reedjumper (installed with the executable)$" "$work/version.txt" ||
    { cat "$work/version.txt"; fail "--version does not name the installed data"; }

# Two headless runs in a fresh user folder: U turns the music off in the first; the second starts
# with it off, and both leave their table and options there.
export XDG_DATA_HOME="$work/xdg"
printf '1 key 85\n' > "$work/music-off.txt"
"$game" --headless --seed 1 --ticks 5 --input "$work/music-off.txt" --state "$work/first.jsonl" \
    2> "$work/first.err" || { cat "$work/first.err"; fail "the first installed run"; }
user="$XDG_DATA_HOME/reedjumper"
[ -s "$user/HighScore.txt" ] || fail "no table in the user folder"
grep -qx 'music 0' "$user/options.txt" 2>/dev/null || fail "the music choice is not in $user/options.txt"
[ ! -e "$prefix/share/reedjumper/HighScore.txt" ] || fail "the table was written into the data folder"
"$game" --headless --seed 1 --ticks 5 --state "$work/second.jsonl" 2> "$work/second.err" ||
    { cat "$work/second.err"; fail "the second installed run"; }
grep -q '"music":false' "$work/second.jsonl" || fail "the second run plays the music it was told to leave off"
grep -q '"music":true' "$work/second.jsonl" && fail "the second run started the music"

# A moved install still finds its data.
mv "$prefix" "$work/moved"
"$work/moved/bin/reedjumper" --version 2>&1 | grep -q "^data: $work/moved/share/reedjumper " ||
    fail "a moved install does not find its data"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed into a temporary prefix; played from there with the table and options in $user"
