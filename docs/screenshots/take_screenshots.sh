#!/usr/bin/env bash
# Takes the screenshots of this folder: the program on the bundled example under a
# virtual display of 1280 × 900 with a window manager, driven by pointer clicks at
# fixed places (they follow the window's default size and position on first start).
#   xvfb-run -a -s "-screen 0 1280x900x24" docs/screenshots/take_screenshots.sh build/release/bin
# Needs openbox and ImageMagick's import.
set -euo pipefail
BIN="$(cd "$1" && pwd)"
OUT="$(cd "$(dirname "$0")" && pwd)"
CLICK="python3 $OUT/xclick.py"
export XDG_CONFIG_HOME="$(mktemp -d)"   # first start: default settings and place
shot() { sleep "${2:-1.5}"; import -window root "$OUT/$1.png"; }

openbox >/dev/null 2>&1 &
sleep 1
"$BIN/kvarzen" "$BIN/example.qz5" &
PID=$!
DOCS="$(mktemp -d)"
trap 'kill $PID 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME" "$DOCS"' EXIT

shot conditions 4.5
$CLICK 516 187        # "..." at the inspection: the inspection directory
sleep 1.5
$CLICK 520 667        # "Пролистал весь справочник, моя инспекция отсутствует..."
shot load_soun
$CLICK 835 580        # "OK"
sleep 1
$CLICK 908 667        # "Нет"
sleep 1
$CLICK 175 290        # "Сведения о декларанте"
shot person_naim
$CLICK 752 187        # the address page
shot person_address
$CLICK 175 595        # "Вычеты": the standard deductions page first
shot deduct_standard 3
$CLICK 916 178        # "Социальные налоговые вычеты"
shot deduct_social
$CLICK 449 206        # "Имущественный налоговый вычет на строительство"
shot deduct_property
$CLICK 583 825        # "Редактировать объект" on the example's flat
shot deduct_object
$CLICK 1161 768       # "Нет"
sleep 1
$CLICK 135 135        # "Создать"
sleep 1.5
$CLICK 635 135        # "Проверить" on the empty declaration
shot check_dialog

# The income screens, on a document with a foreign income, an activity and a partnership.
kill $PID
sleep 1
"$BIN/kvarzen-cli" create "$OUT/income_screens.json" "$DOCS/income.qz5" >/dev/null
"$BIN/kvarzen" "$DOCS/income.qz5" &
PID=$!
sleep 4.5
$CLICK 175 520        # "Доходы за пределами РФ"
shot foreign_income
$CLICK 175 440        # "Предприниматели"
shot business
$CLICK 479 645        # "Изменить": the activity dialog
sleep 1.5
$CLICK 783 533        # "..." at the activity code: the classifier picker
shot okved
$CLICK 863 529        # "Нет"
sleep 1
$CLICK 783 562        # "Нет"
sleep 1
$CLICK 175 670        # "Инвест. товарищества"
shot invest_tov
# Russian incomes: the example's employers and a 35 % source, then a non-resident.
kill $PID 2>/dev/null || true
wait $PID 2>/dev/null || true
"$BIN/kvarzen-cli" create "$OUT/russian_income.json" "$DOCS/russian.qz5" >/dev/null
"$BIN/kvarzen-cli" create "$OUT/nonresident.json" "$DOCS/nonresident.qz5" >/dev/null
"$BIN/kvarzen" "$DOCS/russian.qz5" &
PID=$!
sleep 4.5
$CLICK 175 365        # "Доходы, полученные в РФ": the 13 % screen
shot russian_income
$CLICK 557 681        # "Редактировать доход"
shot russian_income_line
$CLICK 886 593        # "Нет"
sleep 1
$CLICK 390 191        # "35%"
sleep 1.5
$CLICK 733 834        # "Редактировать источник выплат"
shot russian_income_35
kill $PID 2>/dev/null || true
wait $PID 2>/dev/null || true
"$BIN/kvarzen" "$DOCS/nonresident.qz5" &
PID=$!
sleep 4.5
$CLICK 175 365        # "Доходы, полученные в РФ" of a non-resident
shot russian_income_nonresident
# A second start for Qt's own open dialog, in Russian like the rest of the window.
kill $PID 2>/dev/null || true
wait $PID 2>/dev/null || true
cd "$BIN"            # the dialog opens in the current folder: the example is there
"$BIN/kvarzen" &
PID=$!
sleep 4.5
$CLICK 215 135        # "Открыть"
shot file_dialog 2
