#!/usr/bin/env bash
# Builds the Debian package from a finished build tree, unpacks it into a temporary
# root and uses it as an installed system would: the desktop entry and the document
# type must be valid, and the unpacked tool must export the unpacked example with the
# unpacked data files only (nothing of the build tree beside it).
set -euo pipefail
BUILD="$1"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

fail() { echo "package test: $*" >&2; exit 1; }

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1 || { cat "$WORK/cpack.log" >&2; fail "cpack failed"; }
DEB="$(find "$WORK/pkg" -maxdepth 1 -name 'kvarzen_*.deb' | head -n 1)"
[ -n "$DEB" ] || fail "no .deb in $WORK/pkg"

ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
depends="$(dpkg-deb -f "$DEB" Depends)"
echo "Depends: $depends"
[[ "$depends" == *libxml2* ]] || fail "the package does not depend on libxml2"

[ -x "$ROOT/usr/bin/kvarzen-cli" ] || fail "no /usr/bin/kvarzen-cli"
for f in NO_NDFL3_1_033_00_05_10_03.xsd InspectionNumbers.xml Oksm.xml example.qz5 help/runprogramm.htm; do
  [ -f "$ROOT/usr/share/kvarzen/$f" ] || fail "no /usr/share/kvarzen/$f"
done
zcat "$ROOT/usr/share/man/man1/kvarzen-cli.1.gz" | grep -q '^\.SS export' || fail "the manual page lacks the export command"

if [ -x "$BUILD/bin/kvarzen" ]; then
  [ -x "$ROOT/usr/bin/kvarzen" ] || fail "no /usr/bin/kvarzen"
  [[ "$depends" == *libqt6widgets6* ]] || fail "the package does not depend on Qt"
  desktop-file-validate "$ROOT/usr/share/applications/kvarzen.desktop"
  xmllint --noout "$ROOT/usr/share/mime/packages/kvarzen.xml"
  if [ -f "$BUILD/bin/kvarzen-print.so" ]; then
    [ -f "$ROOT/usr/lib/kvarzen/kvarzen-print.so" ] || fail "no /usr/lib/kvarzen/kvarzen-print.so"
  fi
  [ -f "$ROOT/usr/share/icons/hicolor/48x48/apps/kvarzen.png" ] || fail "no 48x48 icon"
  [ -f "$ROOT/usr/share/icons/hicolor/256x256/apps/kvarzen.png" ] || fail "no 256x256 icon"
  # The type database accepts the definition and knows the glob.
  cp -r "$ROOT/usr/share/mime" "$WORK/mime"
  update-mime-database "$WORK/mime"
  grep -q 'application/x-kvarzen-qz5:\*\.qz5' "$WORK/mime/globs" || fail "the .qz5 glob is not in the MIME database"
  grep -q 'QZSG' "$WORK/mime/magic" || fail "the container signature is not in the MIME magic"
fi

OUT="$WORK/out"
mkdir "$OUT"
name="$("$ROOT/usr/bin/kvarzen-cli" export --to "$OUT" "$ROOT/usr/share/kvarzen/example.qz5")"
[[ "$name" == NO_NDFL3_*.xml ]] || fail "unexpected export result: $name"
[ -s "$OUT/$name" ] || fail "the exported file $name is missing"
echo "package test: $(basename "$DEB") installs, validates and exports $name"
