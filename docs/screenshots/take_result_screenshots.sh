#!/usr/bin/env bash
# Takes the screenshots of the result panel: the bundled example right after opening,
# and a declaration that owes tax (owes_tax.json) on its income screen, at 1280 × 800.
#   xvfb-run -a -s "-screen 0 1280x800x24" docs/screenshots/take_result_screenshots.sh build/release/bin
# Needs openbox and ImageMagick's import.
set -euo pipefail
BIN="$(cd "$1" && pwd)"
OUT="$(cd "$(dirname "$0")" && pwd)"
CLICK="python3 $OUT/xclick.py"
export XDG_CONFIG_HOME="$(mktemp -d)"   # first start: default settings and place
DOCS="$(mktemp -d)"
shot() { sleep "${2:-2}"; import -window root "$OUT/$1.png"; }

openbox >/dev/null 2>&1 &
sleep 1
"$BIN/kvarzen" "$BIN/example.qz5" &
PID=$!
trap 'kill $PID 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME" "$DOCS"' EXIT
shot result_panel 8
kill $PID
sleep 1

"$BIN/kvarzen-cli" create "$OUT/owes_tax.json" "$DOCS/owes.qz5" >/dev/null
"$BIN/kvarzen" "$DOCS/owes.qz5" &
PID=$!
sleep 8
$CLICK 93 300          # "Доходы, полученные в РФ"
shot result_panel_owes 4
