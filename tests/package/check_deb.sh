#!/usr/bin/env bash
# Checks the Debian package of the program: its tree, its dependencies, the
# validity of its menu entry, metadata and manual pages, and that the
# command-line tool runs from the unpacked tree.
#
#   check_deb.sh BUILD_DIR CPACK   makes the package of a build tree first
#   check_deb.sh PACKAGE.deb
set -euo pipefail

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ -d "$1" ]; then
  "$2" --config "$1/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack"; }
  deb=$(echo "$tmp"/out/*.deb)
else
  deb=$1
fi
[ -f "$deb" ] || fail "no package made"

info=$(dpkg-deb -I "$deb")
echo "$info"
field() { sed -n "s/^ $1: //p" <<<"$info"; }
[ "$(field Package)" = kervazyl ] || fail "package name"
# Package names of Depends, one a line.
depends=$(field Depends | sed 's/ ([^)]*)//g; s/, /\n/g')

root=$tmp/root
dpkg-deb -x "$deb" "$root"
bad=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -v '^\./$' || true)
[ -z "$bad" ] || fail "files outside /usr: $bad"
for f in bin/kervazyl bin/kervazyl-cli \
         share/kervazyl/start.wav share/kervazyl/blikup.wav share/kervazyl/coins.wav \
         share/kervazyl/Help/index.html share/applications/kervazyl.desktop \
         share/mime/packages/kervazyl.xml share/icons/hicolor/scalable/apps/kervazyl.svg \
         share/man/man1/kervazyl.1.gz share/man/man1/kervazyl-cli.1.gz \
         share/metainfo/com.brisklane.KervaZyl.metainfo.xml; do
  [ -s "$root/usr/$f" ] || fail "missing /usr/$f"
done

# Every library the programs load comes from a package that the package
# depends on (as dpkg-shlibdeps computed it), and the programs are stripped.
for exe in "$root"/usr/bin/*; do
  [ -x "$exe" ] || fail "$exe is not executable"
  readelf -S "$exe" | grep -q '\.symtab' && fail "$exe is not stripped"
  for lib in $(readelf -d "$exe" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
    path=$(ldd "$exe" | awk -v l="$lib" '$1 == l {print $3}')
    [ -n "$path" ] && [ "$path" != "not" ] || fail "$exe: $lib not found"
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -1 | cut -d: -f1) ||
      owner=$(dpkg -S "$path" | head -1 | cut -d: -f1)
    grep -qxF "$owner" <<<"$depends" || fail "$lib ($owner) is not in Depends: $depends"
  done
done

desktop-file-validate "$root/usr/share/applications/kervazyl.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.brisklane.KervaZyl.metainfo.xml" ||
  fail "appstreamcli validate"
grep -q '<mediatype>application/x-kervazyl</mediatype>' \
  "$root/usr/share/metainfo/com.brisklane.KervaZyl.metainfo.xml" || fail "metainfo media type"
for page in "$root"/usr/share/man/man1/*.gz; do
  warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1)
  [ -z "$warnings" ] || fail "$page: $warnings"
done

# The unpacked command-line tool makes a data file and exports it.
cli=$root/usr/bin/kervazyl-cli
"$cli" --help | grep -q 'export csv' || fail "kervazyl-cli --help"
"$cli" new "$tmp/home.kv7" --today 05.10.2002
"$cli" export csv "$tmp/home.kv7" "$tmp/csv" >/dev/null
grep -q '^1,Личные деньги,0,р\.,рубли' "$tmp/csv/Состояния.csv" || fail "CSV export"
set +e
"$cli" export pdf "$tmp/home.kv7" "$tmp/x" 2>/dev/null
[ $? -eq 2 ] || fail "wrong usage did not exit with 2"
echo "OK: $(basename "$deb")"
