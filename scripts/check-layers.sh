#!/usr/bin/env bash
# Keeps the layers in order: every `#include "layer/…"` under src/<layer> must name the layer itself
# or one below it. Prints one line per include against the order and fails if there is any.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each layer with the layers it may include (besides itself). core and platform are both ground
# floor and know nothing of each other; gfx and sound stand side by side.
declare -A allowed=(
    [core]=""
    [platform]=""
    [files]="core"
    [settings]="files core"
    [gfx]="platform settings files core"
    [sound]="platform files core"
    [world]="gfx sound platform settings files core"
    [game]="world gfx sound platform settings files core"
    [bot]="game world gfx sound platform settings files core"
    [app]="bot game world gfx sound platform settings files core"
)

status=0
for dir in src/*/; do
    layer=$(basename "$dir")
    if [ -z "${allowed[$layer]+set}" ]; then
        echo "scripts/check-layers.sh: src/$layer is not a known layer; add it to the table" >&2
        status=1
        continue
    fi
    while IFS=: read -r file line text; do
        target=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$text")
        [ "$target" = "$layer" ] && continue
        case " ${allowed[$layer]} " in
            *" $target "*) ;;
            *) echo "$file:$line: $layer includes $target, which is above it or beside it: $text" >&2; status=1 ;;
        esac
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include "[a-z]+/' "$dir" || true)
done
[ $status -eq 0 ] && echo "layers in order"
exit $status
