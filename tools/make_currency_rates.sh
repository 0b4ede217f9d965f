#!/usr/bin/env bash
# Builds data/CurrencyRates.xml, the exchange rates shipped with the program, from
# the central bank's own rate files for 2015 and January 2016 (the one-day file
# that names the currencies, and one period file per currency), through the
# program's own import so that the shipped file is exactly what a user's import of
# the same files gives.
#   tools/make_currency_rates.sh build/asan/bin/kvarzen-cli [RATES_DIR]
# RATES_DIR defaults to $KVZ_CLASSIFIER_DIR/cbr_rates_2015 (/work/shared/data/...).
set -euo pipefail
CLI="$1"
SOURCE="${2:-${KVZ_CLASSIFIER_DIR:-/work/shared/data}/cbr_rates_2015}"
TARGET="$(cd "$(dirname "$0")/.." && pwd)/data/CurrencyRates.xml"

shopt -s nullglob
# The daily file first: it gives the order and names of the currencies.
daily=("$SOURCE"/daily_*.xml)
period=("$SOURCE"/R*_*.xml)
if [ ${#daily[@]} -eq 0 ] || [ ${#period[@]} -eq 0 ]; then
    echo "$SOURCE: no daily_*.xml or R*_*.xml rate files" >&2
    exit 1
fi

# The import merges into an existing file; start from none so that nothing stale stays.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$CLI" import-rates "${daily[@]}" "${period[@]}" "$work/CurrencyRates.xml"
mv "$work/CurrencyRates.xml" "$TARGET"
echo "$TARGET"
