#!/usr/bin/env bash
# Builds the .deb and the portable .tar.gz, checks the .deb with lintian, and
# starts the real program from each, unpacked into a temporary root, driven by
# the preloaded library: log in with the initial password, save a card.
#   check_packages.sh <build folder> <driver library>
set -euo pipefail
build=$(cd "$1" && pwd)
driver=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$("$build/attestari/attestari" --version | sed 's/^Attestari //')
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1 && cpack -G TGZ >>"$work/cpack.log" 2>&1) \
  || { cat "$work/cpack.log" >&2; exit 1; }
deb=$build/packages/attestari_${version}_amd64.deb
tgz=$build/packages/attestari-$version-portatile.tar.gz
[ -f "$deb" ] && [ -f "$tgz" ]

dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no Qt in Depends" >&2; exit 1; }
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -q '^E:' "$work/lintian.log"; then echo "lintian reports errors" >&2; exit 1; fi

# The program in a clean environment: its own home, settings and data.
run() {
  local home=$1; shift
  mkdir -p -m 700 "$home"
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
      XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts \
      LD_PRELOAD="$driver" ATTESTARI_DRIVE_SHOT="${ATTESTARI_DRIVE_SHOT:-}" "$@"
}
card() {
  [ "$(stat -c %s "$1/Anagrafica.pro" 2>/dev/null)" = 3831 ] || { echo "no card saved in $1" >&2; exit 1; }
  [ -f "$1/unins000.dll" ] || { echo "no password store in $1" >&2; exit 1; }
}
snapshot() { (cd "$1" && find . -printf '%p %s %T@ %m\n' | sort); }

root=$work/deb
dpkg-deb -x "$deb" "$root"
before=$(snapshot "$root")
exe=$root/usr/bin/attestari

run "$work/h1" ATTESTARI_DRIVE=login,scheda,esci "$exe" --folder "$work/riga di comando"
card "$work/riga di comando"
run "$work/h2" ATTESTARI_DRIVE=login,scheda,esci ATTESTARI_FOLDER="$work/ambiente" "$exe"
card "$work/ambiente"
[ ! -e "$work/h1/config/Quirendo" ] && [ ! -e "$work/h2/config/Quirendo" ] \
  || { echo "a folder given at start was remembered" >&2; exit 1; }
# First start: asked once (the personal folder); the second start goes to the login.
run "$work/h3" ATTESTARI_DRIVE=cartella,login,esci "$exe"
grep -q "$work/h3/data/Quirendo/Attestari" "$work/h3/config/Quirendo/Attestari.conf"
run "$work/h3" ATTESTARI_DRIVE=login,scheda,esci "$exe"
card "$work/h3/data/Quirendo/Attestari"
[ "$before" = "$(snapshot "$root")" ] || { echo "the program wrote under the unpacked root" >&2; exit 1; }

# The portable archive: one folder, the archives beside the program.
mkdir "$work/tgz"
tar -xzf "$tgz" -C "$work/tgz"
folder=$work/tgz/attestari-$version-portatile
diff <(printf '%s\n' Guida.pdf README attestari attestari.portable unins000.dll) <(ls "$folder") \
  || { echo "the portable folder is not as expected" >&2; exit 1; }
[ "$(ls "$work/tgz")" = "attestari-$version-portatile" ]
run "$work/h4" ATTESTARI_DRIVE=login,scheda,esci "$folder/attestari"
card "$folder"
[ ! -e "$work/h4/config/Quirendo" ] || { echo "the portable program wrote per-user settings" >&2; exit 1; }
echo "packages: $(basename "$deb"), $(basename "$tgz"): fine"
