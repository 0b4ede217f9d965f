#!/usr/bin/env bash
# Takes the printing screenshots of this folder: the preview window of the bundled
# example under a virtual display, and two pages of its PDF (title page, Раздел 1).
#   xvfb-run -a -s "-screen 0 1280x1024x24" docs/screenshots/take_print_screenshots.sh build/release/bin
# Needs openbox, ImageMagick's import and poppler-utils.
set -euo pipefail
BIN="$(cd "$1" && pwd)"
OUT="$(cd "$(dirname "$0")" && pwd)"
CLICK="python3 $OUT/xclick.py"
export XDG_CONFIG_HOME="$(mktemp -d)"   # first start: default settings and place
PDF="$XDG_CONFIG_HOME/example.pdf"

"$BIN/kvarzen-cli" pdf "$BIN/example.qz5" "$PDF"
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$PDF" "$OUT/print_title_page"
pdftoppm -r 80 -png -f 3 -l 3 -singlefile "$PDF" "$OUT/print_section1"

openbox >/dev/null 2>&1 &
sleep 1
"$BIN/kvarzen" "$BIN/example.qz5" &
PID=$!
trap 'kill $PID 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT
sleep 4.5
$CLICK 384 200        # "Просмотр"
sleep 4
import -window root "$OUT/print_preview.png"
