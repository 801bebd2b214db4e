#!/usr/bin/env bash
# Takes the README's screenshots of the main window in both languages, under Xvfb
# with openbox. Needs a build (scripts/setup.sh --with-tests) and ImageMagick.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export RADIXON_APP="${RADIXON_BUILD_DIR:-$root/build}/src/app/radixon"
export SHOTS="$root/docs/screenshots"
export XDG_RUNTIME_DIR=$(mktemp -d)
mkdir -p "$SHOTS"

exec bash "$root/tests/run-under-xvfb.sh" bash -euo pipefail -c '
    shoot() {
        local id
        id=$(xdotool search --sync --onlyvisible --name "^Radixon" | head -1)
        sleep 0.5
        import -window "$id" -frame "$SHOTS/$1"
    }
    "$RADIXON_APP" & app=$!
    id=$(xdotool search --sync --onlyvisible --name "^Radixon" | head -1)
    xdotool windowactivate --sync "$id" && sleep 0.3
    xdotool type --delay 40 255 && xdotool key Return F1 && sleep 0.4
    shoot main-greek.png
    # From the number field, the fourth stop of the tab order is the language box.
    xdotool key Tab Tab Tab space && sleep 0.4
    shoot main-english.png
    kill $app
'
