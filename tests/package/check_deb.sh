#!/usr/bin/env bash
# Checks the Debian package: its tree, its dependencies, its menu entry and
# metadata, and the command-line tool run unpacked.
#   check_deb.sh BUILD_DIR CPACK  (makes the package first)  |  check_deb.sh PACKAGE.deb
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
deb=$1
if [ -d "$1" ]; then
  "$2" --config "$1/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail cpack; }
  deb=$(echo "$tmp"/out/*.deb)
fi
[ -f "$deb" ] || fail "no package made"
info=$(dpkg-deb -I "$deb")
grep -qx ' Package: kervazyl' <<<"$info" || fail "package name"
depends=$(sed -n 's/^ Depends: //p' <<<"$info" | sed 's/ ([^)]*)//g; s/, /\n/g')
root=$tmp/root
dpkg-deb -x "$deb" "$root"
bad=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/\|^\./$' || true)
[ -z "$bad" ] || fail "files outside /usr: $bad"
meta=$root/usr/share/metainfo/com.brisklane.KervaZyl.metainfo.xml
for f in bin/kervazyl{,-cli} share/kervazyl/{start,blikup,coins}.wav share/kervazyl/Help/index.html \
  share/man/man1/kervazyl{,-cli}.1.gz; do
  [ -s "$root/usr/$f" ] || fail "missing /usr/$f"
done
# The sounds: three different wave files every player takes (16-bit PCM, mono 22050 Hz).
python3 - "$root"/usr/share/kervazyl/*.wav <<'EOF' || fail "sounds"
import sys, wave
seen = set()
for name in sys.argv[1:]:
    with wave.open(name) as w:  # refuses anything but RIFF/WAVE PCM
        assert (w.getnchannels(), w.getframerate(), w.getsampwidth()) == (1, 22050, 2), name
        seen.add(w.readframes(w.getnframes()))
assert len(seen) == 3, "two sounds are the same"
EOF
# Every library the stripped programs load comes from a package in Depends.
for exe in "$root"/usr/bin/*; do
  [ -x "$exe" ] || fail "$exe is not executable"
  readelf -S "$exe" | grep -q '\.symtab' && fail "$exe is not stripped"
  for lib in $(readelf -d "$exe" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
    path=$(ldd "$exe" | awk -v l="$lib" '$1 == l && $3 != "not" {print $3}')
    [ -n "$path" ] || fail "$exe: $lib not found"
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "$path")
    grep -qxF "${owner%%:*}" <<<"$depends" || fail "$lib (${owner%%:*}) is not in Depends: $depends"
  done
done
desktop=$root/usr/share/applications/kervazyl.desktop
desktop-file-validate "$desktop" || fail desktop-file-validate
# The menu entry names the icon and file type the package provides; the type claims *.kv7.
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -s "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "icon $icon"
grep -q '^Exec=kervazyl ' "$desktop" || fail "Exec"
type=$(sed -n 's/^MimeType=\([^;]*\);.*/\1/p' "$desktop")
grep -q "<mime-type type=\"$type\">" "$root/usr/share/mime/packages/kervazyl.xml" || fail "type $type"
grep -qF '<glob pattern="*.kv7"/>' "$root/usr/share/mime/packages/kervazyl.xml" || fail "glob"
appstreamcli validate --no-net "$meta" || fail "appstreamcli validate"
grep -q "<mediatype>$type</mediatype>" "$meta" || fail "metainfo media type"
cli=$root/usr/bin/kervazyl-cli
"$cli" new "$tmp/home.kv7" --today 05.10.2002
"$cli" export csv "$tmp/home.kv7" "$tmp/csv" >/dev/null
grep -q '^1,Личные деньги,0,р\.,рубли' "$tmp/csv/Состояния.csv" || fail "CSV export"
echo "OK: $(basename "$deb")"
